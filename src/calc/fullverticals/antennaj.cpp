// The J antenna with open base: the radiator, the quarter-wave matching
// line beside it and the spacing of the two conductors, from the working
// frequency as it is typed, with an advice on the elements' diameter.
#include "fullverticals.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cstdint>

namespace etero::fullverticals {

namespace {

class AntennaJ : public JForm {
  public:
    AntennaJ() : JForm("frmantennaJ") {}

  protected:
    void design() override {
        window("ANTENNA VERTICALE J  CON BASE APERTA");
        field("Label1", "INSERISCI LA FREQUENZA IN MHz.", "txtfrequenza");
        result("lbldiametro");
        label("Label2", "LE MISURE SONO OVVIAMENTE INDICATIVE (IN ECCESSO) PER IL MINIMO ROS "
                        "SPOSTARE IL PUNTO DI ALIMENTAZIONE E AGIRE SULLA LUNGHEZZA DEGLI ELEMENTI")
            .as(Role::Hint);
        label("lblaltezza").as(Role::OnDrawing);
        label("lbllinea").as(Role::OnDrawing);
        label("lbldist").as(Role::OnDrawing);
        schematic();
        closeCommand("cmdesci", kClose);

        followFrequency({"lblaltezza", "lbllinea", "lbldist"}, [this] { compute(); });
    }

  private:
    // The radiator and, beside it, the matching line a third as long, both
    // open at the base, where the coaxial cable joins them.
    void schematic() {
        Drawing& d = drawing(330, 400);
        const double left = 150, right = 190, top = 30, base = 320;
        const double lineTop = base - (base - top) * 7490 / 22000;
        conductor(d, {left, top, left, base});
        conductor(d, {right, lineTop, right, base});
        d.dot(left, base);
        d.dot(right, base);
        cable(d, {left, base, left, base + 22, (left + right) / 2 - 3, base + 22});
        cable(d, {right, base, right, base + 22, (left + right) / 2 + 3, base + 22});
        cable(d, {(left + right) / 2, base + 25, (left + right) / 2, base + 52});
        d.terminal((left + right) / 2, base + 55);
        d.text((left + right) / 2 + 12, base + 55, "coax 50 ohm", 8, Anchor::StartsAt);
        heightMeasure(d, left - 40, top, base, "lblaltezza", left - 48, 100);
        heightMeasure(d, right + 40, lineTop, base, "lbllinea", right + 48, 90);
        widthMeasure(d, left, right, lineTop - 16);
        d.slot("lbldist", right + 8, lineTop - 34, 100, 18);
    }

    void compute() {
        Ln = toInt16(7490 / f);
        R = toInt16(22000 / f);
        P = roundThroughFixed(460 / f, 1);
        advice(30);
        showLengths(R, Ln);
        caption("lbldist", formatLocale(P) + " cm.");
    }

    std::int16_t Ln = 0, R = 0; // whole centimetres
    double P = 0;               // cm, rounded as shown
};

ETERO_FORM(AntennaJ, "frmantennaJ");

} // namespace

} // namespace etero::fullverticals
