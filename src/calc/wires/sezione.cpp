// The diameter and section of a copper wire for a current, at the minimum
// (0.7 mm per √A) and the normal (0.8 mm per √A) rating; live, no compute
// command.
#include "wires.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::wires {

namespace {

class Sezione : public Form {
  public:
    Sezione() : Form("frmsezione") {}

  protected:
    void design() override {
        window("Diametro filo di rame ");
        label("Label1", "CALCOLO DEL DIAMETRO DI UN FILO DI RAME IN RELAZIONE ALL' INTENSITA'  "
                        "DELLA CORRENTE")
            .as(Role::Title);
        field("Label2", "INTENSITA' DI CORRENTE IN AMPERE", "txtinput");
        frame("Frame1").hidden();
        result("lbloutputmin");
        result("lblmqmin");
        result("lbloutputnorm");
        result("lblmqnorm");
        endFrame();
        closeCommand("cmdesci", "CHIUDI");

        onChange("txtinput", [this] { compute(); });
    }

  private:
    void compute() {
        // Hidden first, so that a number too large to read leaves no
        // result of the previous current in view.
        hide("Frame1");
        const double I = num("txtinput");
        if (I <= 0) return;
        const std::string dmin = formatFixed(kMinDiameterPerRootAmpere * std::sqrt(I), 3);
        const double rmin = parseLocale(dmin) / 2;
        const std::string Smin = formatFixed(rmin * rmin * 3.141592, 3);
        const std::string dnorm = formatFixed(kNormalDiameterPerRootAmpere * std::sqrt(I), 3);
        const double rnorm = parseLocale(dnorm) / 2;
        const double Snorm = roundThroughFixed(rnorm * rnorm * 3.141592, 3);
        show("Frame1");
        caption("lbloutputmin", "DIAMETRO MINIMO =  " + dmin);
        caption("lbloutputnorm", "DIAMETRO NORMALE =  " + dnorm);
        caption("lblmqmin", "pari a sezione mmq : " + Smin);
        caption("lblmqnorm", "pari a sezione mmq : " + formatLocale(Snorm));
    }
};

ETERO_FORM(Sezione, "frmsezione");

} // namespace

} // namespace etero::wires
