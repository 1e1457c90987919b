// The least and the greatest capacitance a variable capacitor must reach to
// tune an inductance across a band, and their ratio (the tuning range).
#include "resonance.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::resonance {

namespace {

class TuningRange : public ResonanceForm {
  public:
    TuningRange() : ResonanceForm("frmtuningrange") {}

  protected:
    void design() override {
        window("RAPPORTO DI SINTONIZZAZIONE");
        field("Label1", "FREQUENZA MINIMA in MHz", "txtfmin");
        field("Label2", "FREQUENZA MASSIMA in MHz", "txtfmax");
        field("Label3", "INDUTTANZA in microHenry", "txtl");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblout");
        result("lbltr");
        label("Label4", "IN UN CONDENSATORE VARIABILE, IL RAPPORTO DI SINTONIZZAZIONE - TUNING "
                        "RANGE - E' IL RAPPORTO TRA LA SUA CAPACITA' MASSIMA E LA SUA CAPACITA' "
                        "MINIMA.")
            .as(Role::Hint);
        label("Label5", "NOTA L'INDUTTANZA,  SI CALCOLA IL VALORE MASSIMO E MINIMO CHE DEVE "
                        "ASSUMERE UN CONDENSATORE VARIABILE PER OTTENERE LA RISONANZA DI UN "
                        "CIRCUITO L - C  IN UN INTERVALLO DI FREQUENZE.")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");

        blankOnInputChange({"lblout", "lbltr"});
    }

  private:
    void compute() {
        fmin = num("txtfmin");
        fmax = num("txtfmax");
        L = num("txtl");
        const double product = fmin * fmax * L;
        if (product == 0) return missingData("txtfmin");
        if (product < 0) return;
        // Both capacitances as shown; the ratio is taken from the shown values.
        cmax = formatFixed(25300 / (fmin * fmin * L), 1);
        cmin = formatFixed(25300 / (fmax * fmax * L), 1);
        TR = roundThroughFixed(parseLocale(cmax) / parseLocale(cmin), 1);
        caption("lblout",
                "LA CAPACITA' MINIMA E' pF " + cmin + "      LA CAPACITA' MASSIMA E' pF " + cmax);
        caption("lbltr", " Il TUNING RANGE è " + formatLocale(TR));
    }

    double fmin = 0, fmax = 0, L = 0, TR = 0;
    std::string cmin, cmax; // as shown
};

ETERO_FORM(TuningRange, "frmtuningrange");

} // namespace

} // namespace etero::resonance
