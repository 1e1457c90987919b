// The time constant of a resistor and a capacitor: any one of time,
// resistance and capacitance from the other two (megohm, microfarad, seconds).
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "timeconstants.h"

namespace etero::timeconstants {

namespace {

class CostanteTempoRC : public ThreeWayForm {
  public:
    CostanteTempoRC()
        : ThreeWayForm("frmcostantetemporc",
                       "Calcolo costante di tempo in un circuito con  Resistenza e Capacità",
                       {{{"RESISTENZA e CAPACITA'",
                          {"RESISTENZA :", "CAPACITA' :", "TEMPO :"},
                          {" megaOhm", " microFarad", " secondi"}},
                         {"TEMPO e RESISTENZA",
                          {"TEMPO :", "RESISTENZA :", "CAPACITA' :"},
                          {" secondi", " megaOhm", " microFarad"}},
                         {"TEMPO e CAPACITA'",
                          {"TEMPO :", "CAPACITA' :", "RESISTENZA :"},
                          {" secondi", " microFarad", " megaOhm"}}}},
                       "LA COSTANTE DI TEMPO RAPPRESENTA IL TEMPO IMPIEGATO DA UN CONDENSATORE A "
                       "CARICARSI AL 63 %  ATTRAVERSO UNA RESISTENZA",
                       "lblc", "C") {}

  protected:
    void solve(int option, double a, double b) override {
        switch (option) {
        case 0: // time = R x C
            caption("lblinput(3)", formatFixed(a * b, 4));
            caption("lblr", formatLocale(a));
            caption("lblc", formatLocale(b));
            break;
        case 1: // capacitance = T / R
            caption("lblinput(3)", formatFixed(a / b, 4));
            caption("lblr", formatLocale(b));
            caption("lblc", caption("lblinput(3)"));
            break;
        case 2: // resistance = T / C
            caption("lblinput(3)", formatFixed(a / b, 4));
            caption("lblr", caption("lblinput(3)"));
            caption("lblc", formatLocale(b));
            break;
        default:
            break;
        }
    }
};

ETERO_FORM(CostanteTempoRC, "frmcostantetemporc");

} // namespace

} // namespace etero::timeconstants
