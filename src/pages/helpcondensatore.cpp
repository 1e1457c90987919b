// Help of the magnetic-loop calculator on its coupling capacitor: a sketch of
// the loop with its tuning capacitor on top and, at the bottom, the coupling
// capacitors that feed it from the coaxial line through a 1:1 balun.
#include "pages.h"
#include "shell/app/registry.h"

#include <cmath>

namespace etero::pages {

namespace {

class HelpCondensatore : public Page {
  public:
    HelpCondensatore() : Page("frmhelpcondensatore") {}

  protected:
    void design() override {
        window("Condensatore d'accoppiamento");
        sketch();
        label("Label5", "Il condens. d' accoppiamento è quello previsto nell'ipotesi di "
                        "accoppiamento della linea coassiale al loop  con il metodo capacitivo");
        closeCommand("cmdok", "CHIUDI");
    }

  private:
    void sketch() {
        Drawing& d = drawing(360, 400);
        const double cx = 180, cy = 156, r = 112, pi = 3.141592653589793;
        const Rgb copper = 0xB87333;
        auto at = [&](double deg) {
            return std::pair{cx + r * std::cos(deg * pi / 180), cy - r * std::sin(deg * pi / 180)};
        };
        // The loop, open at the top for the tuning capacitor and at the
        // bottom where the coupling capacitors join it.
        for (double start : {100.0, 280.0}) {
            Shape& half = d.arc(cx - r, cy - r, 2 * r, 2 * r, start, 160);
            half.pen = copper;
            half.penWidth = 4;
        }
        const auto [left, top] = at(100);
        d.variableCapacitor(left, top, at(80).first - left, Dir::Right);
        on(d, "Label1", "CONDENS.  DI SINTONIA", 60, 4, 240, 20, SlotAlign::Centre);

        const auto [bx1, by] = at(260);
        const double bx2 = at(280).first, balun = 316;
        for (double x : {bx1, bx2}) {
            d.capacitor(x, by, 44, Dir::Down);
            d.line(x, by + 44, x, balun);
        }
        on(d, "Label2", "CONDENSATORI D'ACCOPPIAMENTO", bx2 + 14, by + 2, 140, 40);

        // The balun and the coaxial line below it.
        d.rect(cx - 50, balun, 100, 30).penWidth = 1.5;
        on(d, "Label3", "BALUN 1:1", cx - 48, balun + 5, 96, 20, SlotAlign::Centre);
        Shape& shield = d.line(cx, balun + 30, cx, 372);
        shield.pen = 0x555555;
        shield.penWidth = 7;
        Shape& core = d.line(cx, balun + 30, cx, 372);
        core.pen = 0xE8E8E8;
        core.penWidth = 2;
        d.rect(cx - 7, 372, 14, 8).filled = true;
        on(d, "Label4", "ALIMENTAZIONE 50 Ohm", 60, 380, 240, 20, SlotAlign::Centre);
    }
};

ETERO_FORM(HelpCondensatore, "frmhelpcondensatore");

} // namespace

} // namespace etero::pages
