// Tapped-inductor step-down circuit: a capacitor across the input, tuning an
// inductor tapped part of the way down; the output is taken across the lower
// part of the winding.
#include "matching.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::matching {

namespace {

class FrmTappedInductor : public TappedForm {
  public:
    FrmTappedInductor() : TappedForm("frmtappedinductor") {}

  protected:
    void design() override {
        designTapped({"ADATTAMENTO D'IMPEDENZA TRAMITE CIRCUITO TIPO TAPPED - INDUCTOR",
                      "FATTORE DI MERITO  \"Q\" >=10",
                      "CIRCUITO IDONEO AD ABBASSARE UN'IMPEDENZA QUINDI LA Z IN INGRESSO E' "
                      "SEMPRE > DELLA Z IN USCITA - IL CIRCUITO E' REVERSIBILE  -  FORMULE VALIDE  "
                      "FINO ALLE HF QUANDO IL \"Q\"  E' >= 10",
                      Part::Capacitor, Part::Inductor, "lbll1", "lbll2", "lblcap"});
    }

    void divide() override {
        double L1 = 0, L2 = 0;
        if (Qr >= 10) {
            L2 = L / N;
            L1 = L - L2;
        } else {
            const double Qp = tapQ();
            L2 = Zout / (6.28 * f * Qp);
            const double Leq = L2 * Qp * Qp / (Qp * Qp + 1);
            L1 = L - Leq;
        }
        showImpedances();
        caption("lblcap", "pF " + formatLocale(roundHalfEven(C * 1e6, 2)));
        caption("lbll1", formatLocale(roundHalfEven(L1, 2)) + " uH");
        caption("lbll2", formatLocale(roundHalfEven(L2, 2)) + " uH");
    }
};

ETERO_FORM(FrmTappedInductor, "frmtappedinductor");

} // namespace

} // namespace etero::matching
