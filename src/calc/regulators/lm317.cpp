// The LM317 (or LM337) adjustable regulator set to one output voltage: R2
// for R1 of 220 ohm, and the best and the highest input voltage.
#include "regulators.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::regulators {

namespace {

class Lm317 : public FormLm317 {
  public:
    Lm317() : FormLm317("frmlm317") {}

  protected:
    void design() override {
        window("INTEGRATI PER TENSIONI VARIABILI DELLA SERIE LM 317   LM 337");
        field("Label1", "TENSIONE DESIDERATA IN USCITA :", "txtvu");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        lm317Schematic(false);
        result("lblvmax").hidden();
        label("Label2", kLm317Limits).as(Role::Hint);
        label("Label3", kLm337Note).as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
    }

  private:
    void compute() {
        const double Vu = num("txtvu");
        // A refused voltage leaves no result of an earlier one in view.
        schematicAsDesigned();
        if (!(Vu > 1.25 && Vu <= 100)) {
            warn(kNotCongruous, kErrorTitle);
            return focus("txtvu");
        }
        const double R2 = intFloor((Vu / 1.25 - 1) * 220);
        caption("lblr1", formatLocale(220) + " Ohm");
        caption("lblr2", formatLocale(R2) + " Ohm");
        caption("lblvout", formatLocale(Vu) + " Volt Out");
        caption("lblvin", formatLocale(1.3 * Vu) + " Volt Input");
        showInputs(1.3 * Vu, Vu + 30);
    }
};

ETERO_FORM(Lm317, "frmlm317");

} // namespace

} // namespace etero::regulators
