// The two-element HB9CV beam: element lengths and spacing, the feed and
// phasing points of the phasing line, and the feed capacitor, from the
// working frequency, recomputed as it is typed.
#include "beams.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::beams {

namespace {

class Hb9cv : public LiveForm {
  public:
    Hb9cv() : LiveForm("frmhb9cv") {}

  protected:
    void design() override {
        window("ANTENNA TIPO HB9CV");
        field("Label1", "FREQUENZA IN MHz", "txtfrequenza");
        label("lblriflettore", "RIFLETTORE").as(Role::OnDrawing);
        label("lblradiatore", "RADIATORE").as(Role::OnDrawing);
        label("lbldistanza", "DISTANZA").as(Role::OnDrawing);
        label("lblfeedpoint", "FeedPoint").as(Role::OnDrawing);
        label("lblphasingpoint", "PhasingPoint").as(Role::OnDrawing);
        label("Label2", "L'ALIMENTAZIONE AVVIENE TRAMITE UN CONDENSATORE LA CUI ESATTA CAPACITA' "
                        "DIPENDE DA VARI FATTORI PROVARE INIZIALMENTE CON UN VARIABILE PER  IL "
                        "MIGLIOR ADATTAMENTO. IL VALORE TEORICO E' DI CIRCA:")
            .as(Role::Hint);
        result("lblc").hidden();
        label("Label3", "LA PHASING LINE E' STATA REALIZZATA DA AUTORI DIVERSI NEI MODI PIU' "
                        "DISPARATI E SEMBRA NON ESSERE MOLTO CRITICA ANCHE LA SUA DISTANZA DAGLI "
                        "ELEMENTI. IL CONDENSATORE PUO' ESSERE REALIZZATO IN CAVO COASSIALE.")
            .as(Role::Hint);
        closeCommand("cmdchiudi", "C H I U D I");
        schematic();

        // Only the capacitor disappears with the frequency: the dimensions
        // on the drawing keep what they last showed.
        followFrequency({"lblc"}, [this] { compute(); });
    }

  private:
    // The two elements seen from above, joined by the phasing line from the
    // phasing point of the reflector to the feed point of the radiator,
    // where the feed capacitor takes the coaxial line.
    void schematic() {
        Drawing& d = drawing(540, 340);
        const double boomY = 160, refl = 150, rad = 370, reflHalf = 130, radHalf = 120;
        const double phasing = boomY - 58, feed = boomY - 55;
        Shape& boom = d.line(refl - 30, boomY, rad + 30, boomY);
        boom.pen = kBoom;
        boom.penWidth = 6;
        conductor(d, {refl, boomY - reflHalf, refl, boomY + reflHalf});
        conductor(d, {rad, boomY - radHalf, rad, boomY + radHalf});
        d.dot(refl, boomY);
        d.dot(rad, boomY);
        d.line(refl, phasing, rad, feed).penWidth = 2;
        d.dot(refl, phasing);
        d.dot(rad, feed);
        d.capacitor(rad, feed, 40, Dir::Right);
        coaxDown(d, rad + 40, feed, 28);
        // element lengths, outside the elements
        extension(d, refl - 3, boomY - reflHalf, refl - 58, boomY - reflHalf);
        extension(d, refl - 3, boomY + reflHalf, refl - 58, boomY + reflHalf);
        measure(d, refl - 50, boomY - reflHalf, refl - 50, boomY + reflHalf, "lblriflettore", 6,
                boomY - 9, refl - 62, 18, SlotAlign::Right);
        extension(d, rad + 3, boomY - radHalf, rad + 88, boomY - radHalf);
        extension(d, rad + 3, boomY + radHalf, rad + 88, boomY + radHalf);
        measure(d, rad + 80, boomY - radHalf, rad + 80, boomY + radHalf, "lblradiatore", rad + 88,
                boomY + 20, 540 - rad - 90, 18, SlotAlign::Left);
        // phasing and feed points, from the boom, between the elements
        measure(d, refl + 12, phasing, refl + 12, boomY - 3, "lblphasingpoint", refl + 18,
                (phasing + boomY) / 2 - 9, 96, 18, SlotAlign::Left);
        measure(d, rad - 12, feed, rad - 12, boomY - 3, "lblfeedpoint", rad - 114,
                (feed + boomY) / 2 + 6, 96, 18, SlotAlign::Right);
        // element spacing, below
        const double y = boomY + reflHalf + 18;
        extension(d, refl, boomY + reflHalf + 3, refl, y + 5);
        extension(d, rad, boomY + radHalf + 3, rad, y + 5);
        measure(d, refl, y, rad, y, "lbldistanza", (refl + rad) / 2 - 70, y + 14, 140, 18);
    }

    void compute() {
        lambda = 300 / f;
        riflettore = formatFixed(150 / f, 2);
        radiatore = formatFixed(139 / f, 2);
        distanza = formatFixed(37.5 / f, 2);
        feedPoint = formatFixed(0.072 * lambda, 2);
        phasingPoint = roundThroughFixed(0.076 * lambda, 2);
        C = intFloor(1600 / f);
        caption("lblriflettore", riflettore + " m");
        caption("lblradiatore", radiatore + " m");
        caption("lbldistanza", distanza + " m");
        caption("lblfeedpoint", feedPoint + " m");
        caption("lblphasingpoint", formatLocale(phasingPoint) + " m");
        caption("lblc", formatLocale(C) + " pF");
    }

    double lambda = 0; // m
    // The dimensions as shown, in m.
    std::string riflettore, radiatore, distanza, feedPoint;
    double phasingPoint = 0;
    double C = 0; // the feed capacitor, whole pF
};

ETERO_FORM(Hb9cv, "frmhb9cv");

} // namespace

} // namespace etero::beams
