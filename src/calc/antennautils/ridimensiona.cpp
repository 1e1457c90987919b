// Re-cutting an antenna that resonates off frequency: from the frequency
// measured and the frequency wanted, the new length of the radiator and how
// much to add or cut. A half-wave dipole is taken at its nominal length; a
// loaded dipole or vertical from the length measured.
#include "antennautils.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::antennautils {

namespace {

class Ridimensiona : public UtilityForm {
  public:
    Ridimensiona() : UtilityForm("frmridimensiona") {}

  protected:
    void design() override {
        window("RIDIMENSIONAMENTO ANTENNA");
        frame("Frame1", " Tipo di antenna ");
        options("Option1", 0, {"DIPOLO 1/2  LAMBDA", "DIPOLO CARICATO", "VERTICALE CARICATA"});
        endFrame();
        field("Label2", "LUNGHEZZA ATTUALE DEL RADIATORE in mt. :", "txtoldlunghezza");
        field("Label3", "FREQUENZA DI RISONANZA RILEVATA in MHz :", "txtoldf");
        field("Label4", "FREQ.  DI RISONANZA DA OTTENERE in MHz :", "txtnewf");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblnewlunghezza");
        result("lblridimensiona");
        label("Label1",
              "A REALIZZAZIONE AVVENUTA DI UN' ANTENNA, DIPOLO O VERTICALE, PUO' ACCADERE, IN FASE "
              "DI TARATURA,  DI VEDERLA RISUONARE SU DI UNA FREQUENZA DIVERSA DA QUELLA VOLUTA. "
              "PREVIO INSERIMENTO DELLE DUE FREQUENZE E DELLA LUNGHEZZA DELL' ANTENNA STESSA,  SI "
              "CALCOLA DI QUANTO DOVRA' ESSERE RIDIMENSIONATA.")
            .as(Role::Hint);
        closeButton();

        onOption("Option1", [this](int i) { choose(i); });
    }

  private:
    // The half-wave dipole is taken at its nominal length, so its current
    // length is not asked for.
    void choose(int index) {
        blank({"lblnewlunghezza", "lblridimensiona"});
        show("Label2", index != 0);
        show("txtoldlunghezza", index != 0);
    }

    void compute() {
        // A refused input leaves no answer of an earlier one in view.
        blank({"lblnewlunghezza", "lblridimensiona"});
        L = num("txtoldlunghezza");
        Fm = num("txtoldf");
        Fn = num("txtnewf");
        if (Fm * Fn == 0) return missingData("txtoldf");
        if (Fm < 0 || Fn < 0) return;
        const int type = selected("Option1");
        if (type == 0) {
            M = formatPattern(142 / Fn, "#0.##");
            L = parseLocale(formatPattern(142 / Fm, "#0.##"));
        } else if (type == 1 || type == 2) {
            // An empty length would come out as a length already right.
            if (L <= 0) return missingData("txtoldlunghezza");
            if (type == 1) {
                if (L > 144 / Fn)
                    return refuse("PIU' LUNGA 1/2 LAMBDA", kErrorTitle, "txtoldlunghezza");
                M = formatPattern(Fm / Fn * L, "#0.##");
            } else {
                if (L > 72 / Fn)
                    return refuse("PIU' LUNGA 1/4 LAMBDA", kErrorTitle, "txtoldlunghezza");
                M = formatPattern(Fm * L / Fn, "#0.##");
            }
        } else {
            return;
        }
        caption("lblnewlunghezza", " LA DIMENSIONE DEL RADIATORE DOVREBBE ESSERE DI mt. : " + M);
        change = static_cast<float>((parseLocale(M) - L) * 100);
        change = static_cast<float>(roundThroughPattern(change, "##0.#"));
        if (change > 0)
            caption("lblridimensiona", " OCCORRE ALLUNGARE di cm. : " + formatLocale(change));
        else if (change == 0)
            caption("lblridimensiona", " LA DIMENSIONE E' GIA' CORRETTA ");
        else
            caption("lblridimensiona", " OCCORRE ACCORCIARE di cm. : " + formatLocale(-change));
    }

    double L = 0;     // current length, m: typed, or the nominal one of the dipole
    double Fm = 0;    // frequency measured, MHz
    double Fn = 0;    // frequency wanted, MHz
    std::string M;    // new length, m, as shown
    float change = 0; // new minus current length, cm, rounded to one decimal
};

ETERO_FORM(Ridimensiona, "frmridimensiona");

} // namespace

} // namespace etero::antennautils
