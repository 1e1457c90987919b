// The iron-core smoothing choke of a valve power supply: wire diameter,
// core section, turns and winding area from the inductance, the current and
// the air gap.
#include "valves.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::valves {

namespace {

class ImpedenzeFiltro : public IronCoreForm {
  public:
    ImpedenzeFiltro() : IronCoreForm("frmimpedenzefiltro") {}

  protected:
    void design() override {
        window("IMPEDENZE DI FILTRO       PER ALIMENTAZIONE APPARATI VALVOLARI");
        field("Label1", "VALORE DELL'INDUTTANZA IN Henry", "txthenry");
        field("Label2", "VALORE DELLA CORRENTE IN mA", "txtcorrente");
        field("Label3", "VALORE DEL TRAFERRO IN mm", "txttraferro", "da mm 0.1 a mm 0.7")
            .initial("0.3");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        for (const char* name : kResults)
            result(name);
        schematic();
        laminationTableCommand();
        closeCommand("cmdesci", "E S C I");
    }

  private:
    static constexpr const char* kResults[] = {"lbld", "lblsezione", "lbln", "lblsa"};

    // The choke between the two capacitors of a capacitor-input filter,
    // from the rectifier to the load.
    void schematic() {
        Drawing& d = drawing(380, 150);
        const double top = 40, bottom = 120;
        d.terminal(17, top);
        d.terminal(17, bottom);
        d.line(20, top, 140, top);
        d.line(20, bottom, 360, bottom);
        d.capacitor(80, top, bottom - top, Dir::Down);
        d.dot(80, top);
        d.dot(80, bottom);
        d.inductor(140, top, 100, Dir::Right, 5);
        d.line(150, top - 14, 230, top - 14).penWidth = 2;
        d.line(150, top - 18, 230, top - 18).penWidth = 2;
        d.line(240, top, 360, top);
        d.capacitor(300, top, bottom - top, Dir::Down);
        d.dot(300, top);
        d.dot(300, bottom);
        d.terminal(363, top);
        d.terminal(363, bottom);
        d.ground(190, bottom);
    }

    void compute() {
        const double L = num("txthenry"), I = num("txtcorrente"), g = num("txttraferro");
        // A refusal leaves no result of earlier inputs in view.
        for (const char* name : kResults)
            caption(name, "");
        if (L * I * g <= 0) return missingData("txthenry");
        if (g > 0.6) {
            warn("VALORE MAX 0.6 mm", kErrorTitle);
            return focus("txttraferro");
        }
        const double d = 0.7 * std::sqrt(I / 1000); // mm
        const double S = L * I * I / (40000 * g);   // cm²
        const double N = 800000 * g / I;
        const double A = 0.015 * N * d * d; // cm², from the unrounded turns and wire
        caption("lbld", "DIAMETRO DEL FILO " + formatFixed(d, 2) + " mm");
        caption("lblsezione", "SEZIONE DEL NUCLEO " + formatFixed(S, 2) + " cmq");
        caption("lbln", "IL NUMERO DELLE SPIRE E'   " + formatFixed(N, 0));
        caption("lblsa", "AREA OCCUPATA DALL'AVVOLGIMENTO " +
                             formatLocale(roundThroughFixed(A, 2)) + " cmq");
    }
};

ETERO_FORM(ImpedenzeFiltro, "frmimpedenzefiltro");

} // namespace

} // namespace etero::valves
