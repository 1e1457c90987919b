// The raised 78xx regulator with a divider that draws less current through
// the common pin: R1 takes 15 mA, and R2 allows for the pin's own 5 mA.
#include "regulators.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::regulators {

namespace {

class Regulator78xxBis : public Form78xx {
  public:
    Regulator78xxBis() : Form78xx("frm78xxbis") {}

  protected:
    void design() override {
        design78xx("SONO STATE USATE FORMULE  DIVERSE, CHE PREVEDONO MINORE CORRENTE SUL TERMINALE "
                   "M, RISPETTO A QUELLE PROPOSTE NELLA MASCHERA PRECEDENTE  E PERTANTO ANCHE I "
                   "VALORI OTTENUTI RISULTANO DIVERSI");
    }

    // R2 is sized with R1 as its text reads.
    Divider divider(double Vu) const override {
        const std::string text = formatFixed(V0 / (1e-3 * 15), 0);
        const double R1 = parseLocale(text);
        return {text, roundThroughFixed(R1 * (Vu - V0) / (V0 + R1 * 5 * 1e-3), 0)};
    }
};

ETERO_FORM(Regulator78xxBis, "frm78xxbis");

} // namespace

} // namespace etero::regulators
