// A resistance R1 and an inductance in series with a second resistance R2
// across the pair: impedance and phase angle, and the reactance of the coil
// written at the coil.
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "threeelement.h"

#include <cmath>

namespace etero::rlc {

namespace {

class FrmRLR : public circuits::NetworkForm {
  public:
    FrmRLR() : NetworkForm("frmRLR") {}

  protected:
    void design() override {
        window("IMPEDENZA di :  R  L + R ");
        field("Label1", "RESISTENZA R1 in Ohm", "txtr1");
        field("Label2", "INDUTTANZA in uH", "txtl");
        field("Label3", "RESISTENZA R2 in Ohm", "txtR2");
        field("Label4", "FREQUENZA  in MHz ", "txtf");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblimp");
        result("lblfi");
        schematic();
        closeCommand("cmdchiudi", "C H I U D I");

        // Every change blanks the impedance and the angle; the reactance at
        // the coil goes with a change of R1, R2 or the frequency only, so an
        // edit of the inductance leaves it standing.
        blankOnInputChange({"lblimp", "lblfi"});
        for (const char* field : {"txtr1", "txtR2", "txtf"})
            onChange(field, [this] { blank({"lbll"}); });
    }

  private:
    // R1 and L in series along the top, R2 across the pair below them; the
    // coil's label receives its reactance.
    void schematic() {
        label("Label5", "R1").as(Role::OnDrawing);
        label("lbll", "L").as(Role::OnDrawing);
        label("Label6", "R2").as(Role::OnDrawing);
        Drawing& d = seriesPairWithAcross(drawing(380, 150), Element::Resistor);
        d.slot("Label5", 90, 4, 80, 18, SlotAlign::Centre);
        d.slot("lbll", 170, 4, 160, 18, SlotAlign::Centre);
        d.slot("Label6", 150, 128, 80, 18, SlotAlign::Centre);
    }

    void compute() {
        // The reactance that an edit of the inductance left at the coil
        // belongs to an inductance no longer typed: a computation that is
        // refused or fails takes it away.
        blank({"lbll"});
        R1 = num("txtr1");
        L = num("txtl");
        R2 = num("txtR2");
        f = num("txtf");
        if (!required(R1 * L * R2 * f, "txtr1")) return;
        XL = inductiveReactance(f, L);
        z = formatPattern(R2 * std::sqrt((R1 * R1 + XL * XL) / ((R1 + R2) * (R1 + R2) + XL * XL)),
                          "#,##0.#");
        phase = degrees(std::atan(XL * R2 / (R1 * R1 + XL * XL + R1 * R2)));
        caption("lblimp", impedanceCaption(z));
        caption("lblfi", kPhase + formatLocale(phase) + kDegrees);
        caption("lbll", "XL = " + formatPattern(XL, "#,##0.#") + " Ohm");
    }

    double R1 = 0, L = 0, R2 = 0, f = 0, XL = 0;
    double phase = 0; // degrees, as shown
    std::string z;    // the impedance, as shown
};

ETERO_FORM(FrmRLR, "frmRLR");

} // namespace

} // namespace etero::rlc
