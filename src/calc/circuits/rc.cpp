// A resistance and a capacitance at one frequency: the impedance and the
// phase angle of the two in series and in parallel.
#include "network.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::circuits {

namespace {

class FrmRC : public NetworkForm {
  public:
    FrmRC() : NetworkForm("frmRC") {}

  protected:
    void design() override {
        window("IMPEDENZA di :  RESISTENZA  +  CAPACITA'");
        field("Label1", "RESISTENZA  in Ohm", "txtr");
        field("Label2", "CAPACITA '   in pF", "txtC");
        field("Label3", "FREQUENZA  in MHz ", "txtf");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblimpserie");
        result("lblfases");
        result("lblimpparallelo");
        result("lblfasep");
        seriesParallel(Element::Resistor, Element::Capacitor, {"lblimpserie", "lblfases"},
                       {"lblimpparallelo", "lblfasep"});
        closeCommand("cmdchiudi", "C H I U D I");

        blankOnInputChange({"lblimpserie", "lblimpparallelo", "lblfases", "lblfasep"});
    }

  private:
    void compute() {
        R = num("txtr");
        C = num("txtC");
        f = num("txtf");
        if (!required(f * C * R, "txtr")) return;
        Xc = 159000 / (f * C);
        zs = formatPattern(std::sqrt(R * R + Xc * Xc), "#,##0.#");
        zp = formatPattern(R * Xc / std::sqrt(R * R + Xc * Xc), "#,##0.#");
        phaseSeries = formatPattern(std::atan(Xc / R) * 180 / 3.1415, "#,##0.#");
        phaseParallel = roundThroughPattern(std::atan(R / Xc) * 180 / 3.1415, "#,##0.#");
        caption("lblimpserie", "IMPEDENZA SERIE " + zs + " Ohm");
        caption("lblimpparallelo", "IMPEDENZA PARALLELO " + zp + " Ohm");
        // The angle text negated becomes a number again: an integral angle
        // loses its trailing comma.
        caption("lblfases",
                "ANGOLO DI FASE SERIE  " + formatLocale(-parseLocale(phaseSeries)) + "  GRADI");
        caption("lblfasep", "ANGOLO DI FASE PARALLELO " + formatLocale(-phaseParallel) + "  GRADI");
    }

    double R = 0, C = 0, f = 0, Xc = 0, phaseParallel = 0;
    std::string zs, zp, phaseSeries; // as shown
};

ETERO_FORM(FrmRC, "frmRC");

} // namespace

} // namespace etero::circuits
