// The voltage across a capacitor charging through a resistor from a supply,
// after a given time.
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "timeconstants.h"

#include <cmath>

namespace etero::timeconstants {

namespace {

class EsempioCostTempo : public Form {
  public:
    EsempioCostTempo() : Form("frmesempiocostempo") {}

  protected:
    void design() override {
        window("TENSIONE AI CAPI DI UN CONDENSATORE ISTANTE PER ISTANTE");
        field("Label1", "CAPACITA' IN microF", "txtcapacita");
        field("Label2", "RESISTENZA IN OHM", "txtohm");
        field("Label3", "TEMPO in microsecondi", "txtsecondi");
        field("Label4", "TENS. ALIM. in Volt", "txttensalim");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        closeCommand("cmdesci", "ESCI");
        result("lbloutput");
        label("lblr", "R").as(Role::OnDrawing);
        label("lblc", "C").as(Role::OnDrawing);
        label("lblalim", "tens. alim.").as(Role::OnDrawing);
        label("Label5", "SI DETERMINA LA DIFFERENZA DI POTENZIALE RAGGIUNTA DA UN CONDENSATORE "
                        "IN FUNZIONE DELLA CAPACITA, DELLA  RESISTENZA E DEL TEMPO")
            .as(Role::Hint);
        Drawing& d = drawing(360, 180);
        seriesCircuit(d, false, "lblr", "lblc");
        d.slot("lblalim", 0, 80, 90, 18);
        // No result is blanked when an input changes.
    }

  private:
    void compute() {
        c = num("txtcapacita");
        r = num("txtohm");
        t = num("txtsecondi");
        e = num("txttensalim");
        const double product = c * r * t * e;
        if (product == 0) return missingData("txtcapacita");
        if (product < 0) return; // a negative value is ignored without a message
        // Microseconds over ohm times microfarad: the exponent is dimensionless.
        // The base is 2.71, as the calculator has always used.
        const double x = -t / (r * c);
        vc = formatFixed(e * (1 - std::pow(2.71, x)), 4);
        caption("lbloutput", "LA TENSIONE AI CAPI DEL CONDENSATORE E'  " + vc + "  VOLT");
        caption("lblr", formatLocale(r));
        caption("lblc", formatLocale(c));
        caption("lblalim", formatLocale(e));
    }

    double c = 0, r = 0, t = 0, e = 0;
    std::string vc; // the capacitor voltage, held as its text
};

ETERO_FORM(EsempioCostTempo, "frmesempiocostempo");

} // namespace

} // namespace etero::timeconstants
