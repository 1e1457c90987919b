// A resistance and an inductance in series with a capacitance across the
// pair: impedance, phase angle, the two reactances and the Q of the coil.
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "threeelement.h"

#include <cmath>

namespace etero::rlc {

namespace {

class FrmRLC : public ThreeElementForm {
  public:
    FrmRLC() : ThreeElementForm("frmRLC") {}

  protected:
    void design() override {
        window("IMPEDENZA di :  R + L + C  ");
        rlcFields();
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblimp");
        result("lblfi");
        result("lblreattanza");
        result("lblq");
        schematic();
        command("cmdchiamabobine", "Costruzione bobine", [this] { coilDesignerBeside(400, 300); });
        closeCommand("cmdchiudi", "C H I U D I");

        blankOnInputChange({"lblimp", "lblfi", "lblreattanza", "lblq"});
    }

  private:
    // R and L in series along the top, C across the pair below them.
    void schematic() {
        Drawing& d = seriesPairWithAcross(drawing(380, 150), Element::Capacitor);
        d.text(130, 14, "R", 10).bold = true;
        d.text(250, 14, "L", 10).bold = true;
        d.text(190, 140, "C", 10).bold = true;
    }

    void compute() {
        if (readRlc() <= 0) return missingData("txtr");
        XL = inductiveReactance(f, L);
        XC = capacitiveReactance(f, C);
        z = formatPattern(XC * std::sqrt((R * R + XL * XL) / (R * R + (XL - XC) * (XL - XC))),
                          "#,##0.#");
        phase = degrees(std::atan((XL / (R * R + XL * XL) - 1 / XC) / (R / (R * R + XL * XL))));
        q = formatFixed(XL / R, 1);
        caption("lblimp", impedanceCaption(z));
        caption("lblfi", kPhase + formatLocale(phase) + kDegrees);
        caption("lblreattanza",
                "XC = " + formatFixed(XC, 1) + " Ohm   -   XL = " + formatFixed(XL, 1) + " Ohm");
        caption("lblq", "IL Q DEL CIRCUITO E'  " + q);
    }

    double phase = 0; // degrees, as shown
    std::string z, q; // the impedance and the Q, as shown
};

ETERO_FORM(FrmRLC, "frmRLC");

} // namespace

} // namespace etero::rlc
