// The time constant of a resistor and an inductor: any one of time,
// resistance and inductance from the other two (ohm, microhenry,
// microseconds).
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "timeconstants.h"

namespace etero::timeconstants {

namespace {

class CostanteTempoRL : public ThreeWayForm {
  public:
    CostanteTempoRL()
        : ThreeWayForm("frmcostantetemporl",
                       "Calcolo costante di tempo in un circuito con  Resistenza e Induttanza",
                       {{{"RESISTENZA e INDUTTANZA",
                          {"RESISTENZA :", "INDUTTANZA :", "TEMPO :"},
                          {" Ohm", " microHenry", " microsec"}},
                         {"TEMPO e RESISTENZA",
                          {"TEMPO :", "RESISTENZA :", "INDUTTANZA :"},
                          {" microsec", " Ohm", " microHenry"}},
                         {"TEMPO e INDUTTANZA",
                          {"TEMPO :", "INDUTTANZA :", "RESISTENZA :"},
                          {" microsec", " microHenry", " Ohm"}}}},
                       "LA COSTANTE DI TEMPO RAPPRESENTA IL TEMPO IMPIEGATO DALLA CORRENTE A "
                       "RAGGIUNGERE IL 63 %  DEL VALORE MASSIMO",
                       "lbll", "L") {}

  protected:
    void solve(int option, double a, double b) override {
        switch (option) {
        case 0: // time = L / R
            caption("lblinput(3)", formatFixed(b / a, 4));
            caption("lblr", formatLocale(a));
            caption("lbll", formatLocale(b));
            break;
        case 1: // inductance = T x R, the one result with six decimals
            caption("lblinput(3)", formatFixed(a * b, 6));
            caption("lblr", formatLocale(b));
            caption("lbll", caption("lblinput(3)"));
            break;
        case 2: // resistance = L / T
            caption("lblinput(3)", formatFixed(b / a, 4));
            caption("lblr", caption("lblinput(3)"));
            caption("lbll", formatLocale(b));
            break;
        default:
            break;
        }
    }
};

ETERO_FORM(CostanteTempoRL, "frmcostantetemporl");

} // namespace

} // namespace etero::timeconstants
