// The single-band rectangular loop: perimeter, short and long sides and the
// quarter-wave matching section for the velocity factor of its cable, from
// the working frequency, recomputed as it is typed.
#include "beams.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::beams {

namespace {

class LoopRettangolare : public LiveForm {
  public:
    LoopRettangolare() : LiveForm("frmlooprettangolare") {}

  protected:
    void design() override {
        window("ANTENNA  LOOP RETTANGOLARE MONOBANDA");
        frame("Frame1", " FATTORE DI VELOCITA' DEL CAVO ADATTATORE");
        options("Option1", 0, {"FATTORE DI VELOCITA' = 0.66", "FATTORE DI VELOCITA' = 0.8"});
        endFrame();
        field("Label1", "FREQUENZA DI LAVORO IN MHz:", "txtfrequenza");
        result("lblper").hidden();
        label("lbll").as(Role::OnDrawing).hidden();
        label("lblh").as(Role::OnDrawing).hidden();
        label("lbladatt").as(Role::OnDrawing).hidden();
        label("lblimp", "L'IMPEDENZA REALE DIPENDE DALLE DIMENSIONI, DAI MATERIALI USATI E "
                        "DALL'ALTEZZA DAL SUOLO. IN SEDE DI TARATURA OCCORRERA' MODIFICALE LE "
                        "DIMENSIONI DEL RETTANGOLO,  IN PARTICOLARE QUELLE DEI LATI CORTI. UTILE "
                        "E' ANCHE  L' INSERIMENTO DI UN BALUN 1 : 1 NEL PUNTO DI ALIMENTAZIONE.")
            .as(Role::Hint)
            .hidden();
        closeCommand("cmdesci", "E S C I");
        schematic();

        onOption("Option1", [this](int index) { choose(index); });
        followFrequency({"lblper", "lbll", "lblimp", "lblh", "lbladatt"}, [this] { compute(); });
    }

  private:
    // The loop standing on a short side, fed at its middle through the
    // matching section.
    void schematic() {
        Drawing& d = drawing(420, 350);
        const double left = 165, right = 255, top = 36, bottom = 300, mid = (left + right) / 2;
        loopFedBelow(d, left, top, right, bottom);
        coaxDown(d, mid, bottom + 2, 36);
        d.slot("lbladatt", mid + 10, bottom + 10, 190, 18);
        widthAbove(d, left, right, top, top - 14, "lbll");
        heightBeside(d, right, top, bottom, right + 28, "lblh", 420);
    }

    void choose(int index) {
        switch (index) {
        case 0:
            v = 0.66;
            break;
        case 1:
            v = 0.8;
            break;
        default:
            break;
        }
        showAll({"lblper", "lbll", "lblimp", "lblh", "lbladatt"}, false);
        text("txtfrequenza", "");
        focus("txtfrequenza");
    }

    void compute() {
        lambda = 300 / f;
        perimetro = lambda;
        caption("lblper", "IL PERIMETRO MISURA " + formatFixed(perimetro, 2) + " mt.");
        caption("lbll", formatFixed(perimetro / 8, 2) + " mt.");
        caption("lblh", formatFixed(3 * perimetro / 8, 2) + " mt.");
        caption("lbladatt", formatFixed(lambda / 4 * v, 2) + " mt.");
    }

    double v = 0.66;                  // velocity factor of the matching cable, by option
    double lambda = 0, perimetro = 0; // m
};

ETERO_FORM(LoopRettangolare, "frmlooprettangolare");

} // namespace

} // namespace etero::beams
