// The LM317 (or LM337) adjustable regulator for a range of output voltages:
// R2 sets the lowest voltage and a trimmer in series with it the highest.
#include "regulators.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::regulators {

namespace {

class Lm317Variab : public FormLm317 {
  public:
    Lm317Variab() : FormLm317("frmlm317variab") {}

  protected:
    void design() override {
        window("LM 317   LM 337 STABILIZZATO TENSIONE VARIABILE");
        field("Label1", "MASSIMA TENSIONE IN USCITA :", "txtvumax", "da 1.25 a 100 volt");
        field("Label2", "MINIMA TENSIONE IN USCITA", "txtvumin", "maggiore di 1.25 volt");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        lm317Schematic(true);
        result("lblvmax").hidden();
        label("Label3",
              "E' POSSIBILE OTTENERE UNA TENSIONE STABILIZZATA IN UN INTERVALLO DI VALORI")
            .as(Role::Hint);
        label("Label4", kLm317Limits).as(Role::Hint);
        label("Label5", kLm337Note).as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
    }

  private:
    void compute() {
        const double Vmax = num("txtvumax"), Vmin = num("txtvumin");
        // A refused range leaves no result of an earlier one in view.
        schematicAsDesigned();
        if (Vmax <= 1.25 || Vmax > 100 || Vmin < 1.25 || Vmax < Vmin) {
            warn(kNotCongruous, kErrorTitle);
            return focus("txtvumax");
        }
        const double R2max = intFloor((Vmax / 1.25 - 1) * 220);
        const double R2min = intFloor((Vmin / 1.25 - 1) * 220);
        const double trimmer = intFloor(R2max - R2min);
        caption("lblr1", formatLocale(220) + " Ohm");
        caption("lblr2", formatLocale(R2min) + " Ohm");
        caption("lbltrimmer", formatLocale(trimmer) + " Ohm");
        caption("lblvout", formatLocale(Vmin) + "/" + formatLocale(Vmax) + " Volt Out");
        caption("lblvin", formatLocale(1.2 * Vmax) + " Volt Input");
        showInputs(1.2 * Vmax, Vmin + 30);
    }
};

ETERO_FORM(Lm317Variab, "frmlm317variab");

} // namespace

} // namespace etero::regulators
