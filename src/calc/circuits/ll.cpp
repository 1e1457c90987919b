// Two inductances at one frequency: the reactance of the two in series and
// in parallel.
#include "network.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::circuits {

namespace {

class FrmLL : public NetworkForm {
  public:
    FrmLL() : NetworkForm("frmLL") {}

  protected:
    void design() override {
        window("IMPEDENZA di :  INDUTTANZA  +  INDUTTANZA");
        field("Label1", "uH prima induttanza ", "txtl1");
        field("Label2", "uH seconda induttanza ", "txtl2");
        field("Label3", "frequenza in MHz ", "txtf");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblimpserie");
        result("lblimpparallelo");
        result("lblfase");
        seriesParallel(Element::Inductor, Element::Inductor, {"lblimpserie"}, {"lblimpparallelo"},
                       {"lblfase"});
        command("cmdchiamabobine", "Costruzione bobine", [this] { coilDesignerBeside(400, 300); });
        closeCommand("cmdchiudi", "").picture = "exit";

        blankOnInputChange({"lblimpserie", "lblimpparallelo", "lblfase"});
    }

  private:
    void compute() {
        L1 = num("txtl1");
        L2 = num("txtl2");
        f = num("txtf");
        if (!required(f * L1 * L2, "txtl1")) return;
        const double Ls = L1 + L2, Lp = L1 * L2 / (L1 + L2);
        xs = formatPattern(6.28 * f * Ls, "#,##0.#");
        Xp = roundThroughPattern(6.28 * f * Lp, "#,##0.#");
        caption("lblimpserie", "IMPEDENZA SERIE " + xs + " Ohm");
        caption("lblimpparallelo", "IMPEDENZA PARALLELO " + formatLocale(Xp) + " Ohm");
        caption("lblfase", "ANGOLO DI FASE 90° ");
    }

    double L1 = 0, L2 = 0, f = 0, Xp = 0;
    std::string xs; // as shown
};

ETERO_FORM(FrmLL, "frmLL");

} // namespace

} // namespace etero::circuits
