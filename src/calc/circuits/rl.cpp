// A resistance and an inductance at one frequency: the impedance and the
// phase angle of the two in series and in parallel.
#include "network.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::circuits {

namespace {

class FrmRL : public NetworkForm {
  public:
    FrmRL() : NetworkForm("frmRL") {}

  protected:
    void design() override {
        window("IMPEDENZA di :  RESISTENZA  +  INDUTTANZA");
        field("Label1", "RESISTENZA  in Ohm", "txtr");
        field("Label2", "INDUTTANZA in uH", "txtl");
        field("Label3", "FREQUENZA  in MHz ", "txtf");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblimpserie");
        result("lblfases");
        result("lblimpparallelo");
        result("lblfasep");
        seriesParallel(Element::Resistor, Element::Inductor, {"lblimpserie", "lblfases"},
                       {"lblimpparallelo", "lblfasep"});
        command("cmdchiamabobine", "Costruzione bobine", [this] { coilDesignerBeside(400, 300); });
        closeCommand("cmdchiudi", "C H I U D I");

        blankOnInputChange({"lblimpserie", "lblimpparallelo", "lblfases", "lblfasep"});
    }

  private:
    void compute() {
        R = num("txtr");
        L = num("txtl");
        f = num("txtf");
        if (!required(f * L * R, "txtr")) return;
        XL = 6.283 * f * L;
        zs = formatPattern(std::sqrt(R * R + XL * XL), "#,##0.#");
        Zp = roundThroughPattern(R * XL / std::sqrt(R * R + XL * XL), "#,##0.#");
        phaseSeries = formatPattern(std::atan(XL / R) * 180 / 3.1415, "#,##0.#");
        phaseParallel = formatPattern(std::atan(R / XL) * 180 / 3.1415, "#,##0.#");
        caption("lblimpserie", "IMPEDENZA SERIE " + zs + " Ohm");
        caption("lblimpparallelo", "IMPEDENZA PARALLELO " + formatLocale(Zp) + " Ohm");
        caption("lblfases", "ANGOLO DI FASE SERIE  " + phaseSeries + "  GRADI");
        caption("lblfasep", "ANGOLO DI FASE PARALLELO " + phaseParallel + "  GRADI");
    }

    double R = 0, L = 0, f = 0, XL = 0, Zp = 0;
    std::string zs, phaseSeries, phaseParallel; // as shown
};

ETERO_FORM(FrmRL, "frmRL");

} // namespace

} // namespace etero::circuits
