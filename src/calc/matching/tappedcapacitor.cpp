// Tapped-capacitor step-down circuit: an inductor across the input, tuned by
// two capacitors in series; the output is taken across the lower one.
#include "matching.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::matching {

namespace {

class FrmTappedCapacitor : public TappedForm {
  public:
    FrmTappedCapacitor() : TappedForm("frmtappedcapacitor") {}

  protected:
    void design() override {
        designTapped({"ADATTAMENTO D'IMPEDENZA TRAMITE CIRCUITO TIPO TAPPING-CAPACITOR",
                      "FATTORE DI MERITO  \"Q\" >= 10",
                      "CIRCUITO IDONEO AD ABBASSARE UN'IMPEDENZA QUINDI LA Z IN INGRESSO E' "
                      "SEMPRE > DELLA Z IN USCITA - IL CIRCUITO E' REVERSIBILE -  FORMULE VALIDE  "
                      "FINO ALLE HF QUANDO IL \"Q\"  E' >= 10",
                      Part::Inductor, Part::Capacitor, "lblc1", "lblc2", "lblinduttanza"});
    }

    void divide() override {
        double C1 = 0, C2 = 0;
        if (Qr >= 10) {
            C2 = N * C;
            C1 = C2 / (N - 1);
        } else {
            const double Qp = tapQ();
            C2 = Qp / (6.28 * f * Zout);
            const double Ceq = C2 * (Qp * Qp + 1) / (Qp * Qp);
            C1 = Ceq * C / (Ceq - C);
        }
        showImpedances();
        caption("lblinduttanza", "L'INDUTTANZA E' uH " + formatLocale(roundHalfEven(L, 2)));
        caption("lblc1", formatLocale(roundHalfEven(C1 * 1e6, 1)) + " pF");
        caption("lblc2", formatLocale(roundHalfEven(C2 * 1e6, 1)) + " pF");
    }
};

ETERO_FORM(FrmTappedCapacitor, "frmtappedcapacitor");

} // namespace

} // namespace etero::matching
