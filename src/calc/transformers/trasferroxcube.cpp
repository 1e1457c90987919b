// An impedance transformer wound on a ferrite rod whose permeability is not
// marked: the range of turns for the input and the output windings between
// the two inductance factors the rod may have, 100 and 250 µH per 100 turns.
#include "transformers.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::transformers {

namespace {

// The presumed inductance factors of the rod, µH per 100 turns.
constexpr double kLowestAl = 100;
constexpr double kHighestAl = 250;

class TrasFerroxcube : public Form {
  public:
    TrasFerroxcube() : Form("frmtrasferroxcube") {}

  protected:
    void design() override {
        window("TRASFORMATORI CILINDRICI PER RADIO FREQUENZA IN FERROXCUBE");
        field("Label1", "FREQUENZA DI LAVORO in MHz :", "txtf", "MASSIMO 3 MEGA HERTZ");
        field("Label2", "IMPEDENZA D' ENTRATA in OHM :", "txtimpinput");
        field("Label3", "IMPEDENZA D' USCITA in OHM :", "txtimpoutput");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblspire1");
        result("lblspire2");
        label("lblh", "I DUE AVVOLGIMENTI  VANNO REALIZZATI SOVRAPPOSTI O INTERCALATI")
            .as(Role::Hint)
            .hidden();
        label("Label4", "LA PERMEABILITA' DI UN NUCLEO CILINDRICO IN FERRITE NON SI RICAVA DALLA "
                        "SUA SIGLA: IL RISULTATO E' PERCIO' UN INTERVALLO DI SPIRE, CALCOLATO PER "
                        "LA PERMEABILITA' MINIMA E MASSIMA PRESUNTE")
            .as(Role::Hint);
        label("Label5", "IL NUMERO DELLE SPIRE DIPENDE DALLA MISCELA DEL NUCLEO").as(Role::Hint);
        closeCommand("cmdesci", "C H I U D I");

        blankOnInputChange({"lblspire1", "lblspire2"});
    }

  private:
    // Whole turns, rounded down.
    static std::string turns(double N) { return formatLocale(intFloor(N)); }

    void compute() {
        const double f = num("txtf");
        const double Zin = num("txtimpinput");
        const double Zout = num("txtimpoutput");
        if (f * Zin * Zout <= 0) return missingData("txtf");
        if (f < 0.1) {
            warn("FREQUENZA NON COMPATIBILE", "MESSAGGIO DI AVVISO");
            return focus("txtf");
        }
        const double L = windingInductance(Zin, f); // microhenry
        const double N1max = 100 * std::sqrt(L / kLowestAl);
        const double N1min = 100 * std::sqrt(L / kHighestAl);
        const double k = std::sqrt(Zin / Zout); // the turns ratio
        const double N2max = N1max / k;
        const double N2min = N1min / k;
        caption("lblspire1",
                "L'ENTRATA E' FORMATA DA " + turns(N1min) + " - " + turns(N1max) + " SPIRE");
        caption("lblspire2",
                "L'USCITA E' FORMATA DA " + turns(N2min) + " - " + turns(N2max) + " SPIRE");
        show("lblh");
    }
};

ETERO_FORM(TrasFerroxcube, "frmtrasferroxcube");

} // namespace

} // namespace etero::transformers
