// The two-element quad: the sides of radiator and reflector and their
// spacing, the gamma match that feeds it (rod, spacing, capacitor, or the
// length of coaxial cable that makes the capacitor) and the reflector stub,
// from the working frequency, recomputed as it is typed.
#include "beams.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cstdint>

namespace etero::beams {

namespace {

class Quad2Elementi : public LiveForm {
  public:
    Quad2Elementi() : LiveForm("frmquad2elementi") {}

  protected:
    void design() override {
        window("ANTENNA QUAD A DUE ELEMENTI");
        field("Label1", "FREQUENZA IN MHz", "txtfrequenza");
        label("lbllradiatore").as(Role::OnDrawing).hidden();
        label("lbllriflettore").as(Role::OnDrawing).hidden();
        label("lbls").as(Role::OnDrawing).hidden();
        frame("Frame1", " COSTRUZIONE GAMMA  MATCH ").hidden();
        result("lbllunghezza");
        result("lbldistanza");
        result("lblpf");
        result("lblcavo");
        result("lblstub");
        result("lbldiametri");
        endFrame();
        closeCommand("cmdesci", "E S C I");
        schematic();

        followFrequency({"Frame1", "lbllradiatore", "lbllriflettore", "lbls"},
                        [this] { compute(); });
    }

  private:
    // The reflector (left, with its stub) and the radiator (right, fed at
    // the middle of its lower side) on the boom, their sides measured above
    // and their spacing below.
    void schematic() {
        Drawing& d = drawing(500, 320);
        const double midY = 140;
        const double rl = 40, rr = 210, half = 85;     // reflector
        const double dl = 300, dr = 463, dHalf = 81.5; // radiator
        const double rc = (rl + rr) / 2, dc = (dl + dr) / 2;
        // The boom runs through the centres of both loops and a little beyond.
        Shape& boom = d.line(rl - 15, midY, dr + 15, midY);
        boom.pen = kBoom;
        boom.penWidth = 5;
        conductor(d, {rc - 6, midY + half, rl, midY + half, rl, midY - half, rr, midY - half, rr,
                      midY + half, rc + 6, midY + half});
        // the stub closing the reflector
        d.polyline({rc - 6, midY + half, rc - 6, midY + half + 22, rc + 6, midY + half + 22, rc + 6,
                    midY + half})
            .pen = kElement;
        loopFedBelow(d, dl, midY - dHalf, dr, midY + dHalf);
        coaxDown(d, dc, midY + dHalf + 2, 24);
        // the sides
        widthAbove(d, rl, rr, midY - half, midY - half - 20, "lbllriflettore");
        widthAbove(d, dl, dr, midY - dHalf, midY - half - 20, "lbllradiatore");
        // the spacing
        const double y = midY + half + 52;
        extension(d, rc, midY + half + 26, rc, y + 5);
        extension(d, dc, midY + dHalf + 32, dc, y + 5);
        measure(d, rc, y, dc, y, "lbls", (rc + dc) / 2 - 80, y + 14, 160, 18);
    }

    void compute() {
        radiatore = formatFixed(75.85 / f, 2);
        riflettore = formatFixed(79.1 / f, 2);
        spaziatura = formatFixed(300 / f * 0.14, 2);
        caption("lbllradiatore", radiatore + " mt");
        caption("lbllriflettore", riflettore + " mt");
        caption("lbls", spaziatura + " mt");
        // The wavelength in metres gives the gamma measures in centimetres.
        lambda = 299.793 / f;
        caption("lbllunghezza", "LA LUNGHEZZA DEL GAMMA E' cm. " + formatFixed(6.25 * lambda, 1));
        caption("lbldistanza", "LA DISTANZA DEL GAMMA E' cm " + formatFixed(0.7 * lambda, 1));
        // Capacitor, cable and stub are 16-bit whole numbers: below about
        // 0.065 MHz they no longer fit and the computation faults.
        C = toInt16(2100 / f);
        caption("lblpf", "OCCORRE UNA CAPACITA' DI CIRCA pF  " + formatLocale(C));
        cavo = toInt16(C / 0.97 + 1);
        caption("lblcavo",
                "USANDO IL CAVO RG 8 - 213 COME CONDENSATORE LA LUNGHEZZA E' CIRCA cm. " +
                    formatLocale(cavo));
        stub = toInt16(lambda / 0.24);
        caption("lblstub", "OCCORRE PREVEDERE L'USO DI UNO STUB NEL RIFLETTORE DI CIRCA " +
                               formatLocale(stub) + " cm PER OTTIMIZZARE IL RAPPORTO A/R");
        caption("lbldiametri", "IL DIAMETRO DEL GAMMA E' 1/2 - 1/4 IL DIAMETRO DEL RADIATORE");
    }

    // The sides and the spacing as shown, m.
    std::string radiatore, riflettore, spaziatura;
    double lambda = 0;     // m
    std::int16_t C = 0;    // pF
    std::int16_t cavo = 0; // cm of RG 8 - 213 cable
    std::int16_t stub = 0; // cm
};

ETERO_FORM(Quad2Elementi, "frmquad2elementi");

} // namespace

} // namespace etero::beams
