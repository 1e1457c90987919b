// Resistance, inductance and capacitance all in parallel: the two
// reactances in whole ohms, the impedance and the phase angle.
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "threeelement.h"

#include <cmath>

namespace etero::rlc {

namespace {

class FrmRLCParallelo : public ThreeElementForm {
  public:
    FrmRLCParallelo() : ThreeElementForm("frmRLCparallelo") {}

  protected:
    void design() override {
        window("IMPEDENZA di :  R + L + C  parallelo");
        rlcFields();
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblreattanza");
        result("lblimp");
        result("lblfi");
        schematic();
        closeCommand("cmdchiudi", "C H I U D I");

        blankOnInputChange({"lblreattanza", "lblimp", "lblfi"});
    }

  private:
    // R, L and C across the two rails from the terminals.
    void schematic() {
        Drawing& d = drawing(360, 150);
        const double top = 25, bottom = 125, in = 30;
        const double xs[] = {120, 210, 300};
        const Element elements[] = {Element::Resistor, Element::Inductor, Element::Capacitor};
        const char* letters[] = {"R", "L", "C"};
        d.terminal(in, top);
        d.terminal(in, bottom);
        d.wire(in + 3, top, xs[2], top);
        d.wire(in + 3, bottom, xs[2], bottom);
        for (int i = 0; i < 3; ++i) {
            circuits::drawElement(d, elements[i], xs[i], top, bottom - top, Dir::Down);
            d.text(xs[i] + 24, (top + bottom) / 2, letters[i], 10).bold = true;
            if (i < 2) {
                d.dot(xs[i], top);
                d.dot(xs[i], bottom);
            }
        }
    }

    void compute() {
        if (!required(readRlc(), "txtr")) return;
        XL = inductiveReactance(f, L);
        XC = capacitiveReactance(f, C);
        z = formatPattern(
            R * XL * XC / std::sqrt(XL * XL * XC * XC + R * R * (XL - XC) * (XL - XC)), "#,##0.#");
        phase = degrees(std::atan(R * (XL - XC) / (XL * XC)));
        caption("lblreattanza", "XL = " + formatLocale(intFloor(XL)) +
                                    " Ohm   -   XC = " + formatLocale(intFloor(XC)) + " Ohm");
        caption("lblimp", impedanceCaption(z));
        caption("lblfi", "L' ANGOLO DI FASE E'   " + formatLocale(phase) + kDegrees);
    }

    double phase = 0; // degrees, as shown
    std::string z;    // the impedance, as shown
};

ETERO_FORM(FrmRLCParallelo, "frmRLCparallelo");

} // namespace

} // namespace etero::rlc
