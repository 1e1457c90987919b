// American Wire Gauge to millimetres, live: d = 0.127 · 92^((36 − n) / 39).
// Also the wire-gauge companion of the coil calculators.
#include "wires.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::wires {

namespace {

class Awg : public Form {
  public:
    Awg() : Form("frmawg") {}

  protected:
    void design() override {
        window("CONVERSIONE VALORE AMERICAN WIRE GAUGE IN MILLIMETRI");
        field("Label1", "DIAMETRO DEL FILO ESPRESSO IN  AWG", "txtawg",
              "VALORI AMMESSI DA 0 a  80");
        result("lbld");
        label("lbl2", "VALORI PARTICOLARI:    AWG  OOOO = 11,684 mm     AWG  OOO = 10,45 mm      "
                      "AWG  OO = 9,266 mm  ")
            .as(Role::Hint)
            .hidden();
        closeCommand("cmdesci", "CHIUDI");

        onChange("txtawg", [this] { convert(); });
    }

  private:
    void convert() {
        // Blanked first, so that a gauge that cannot be computed leaves no
        // diameter of the previous one in view.
        caption("lbld", "");
        const double n = num("txtawg");
        // The highest gauge replaces a higher one; writing it into the field
        // is itself a change, which converts it.
        if (n > kHighestGauge) return text("txtawg", "80");
        const std::string d = formatFixed(gaugeDiameter(n), 3);
        caption("lbld", "IL DIAMETRO DEL FILO CORRISPONDE A " + d + " MILLIMETRI");
        show("lbl2");
    }
};

ETERO_FORM(Awg, "frmawg");

} // namespace

} // namespace etero::wires
