// Resistance, inductance and capacitance all in series: impedance and
// phase angle.
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "threeelement.h"

#include <cmath>

namespace etero::rlc {

namespace {

class FrmRLCSerie : public ThreeElementForm {
  public:
    FrmRLCSerie() : ThreeElementForm("frmRLCserie") {}

  protected:
    void design() override {
        window("IMPEDENZA di :  R + L + C  serie");
        rlcFields();
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblimp");
        result("lblfi");
        schematic();
        closeCommand("cmdchiudi", "C H I U D I");

        blankOnInputChange({"lblimp", "lblfi"});
    }

  private:
    // R, L and C end to end between the two terminals.
    void schematic() {
        Drawing& d = drawing(360, 80);
        const double y = 50, left = 60, right = 300;
        leads(d, left, right, y);
        d.resistor(left, y, 80, Dir::Right);
        d.inductor(left + 80, y, 80, Dir::Right);
        d.capacitor(left + 160, y, 80, Dir::Right);
        d.text(left + 40, 20, "R", 10).bold = true;
        d.text(left + 120, 20, "L", 10).bold = true;
        d.text(left + 200, 20, "C", 10).bold = true;
    }

    void compute() {
        if (!required(readRlc(), "txtr")) return;
        XL = inductiveReactance(f, L);
        XC = capacitiveReactance(f, C);
        z = formatPattern(std::sqrt(R * R + (XL - XC) * (XL - XC)), "#,##0.#");
        phase = degrees(std::atan((XL - XC) / R));
        caption("lblimp", impedanceCaption(z));
        caption("lblfi", kPhase + formatLocale(phase) + kDegrees);
    }

    double phase = 0; // degrees, as shown
    std::string z;    // the impedance, as shown
};

ETERO_FORM(FrmRLCSerie, "frmRLCserie");

} // namespace

} // namespace etero::rlc
