// The internal resistance of a generator from two readings of its output
// voltage, without load and across a known load. The result stays in view
// when an input changes, but never after a refusal or a fault.
#include "shell/app/registry.h"
#include "shell/form/form.h"
#include "shell/number/number.h"

namespace etero::resistors {

namespace {

class ResGeneratore : public Form {
  public:
    ResGeneratore() : Form("frmresgeneratore") {}

  protected:
    void design() override {
        window("MISURA DELLA RESISTENZA INTERNA DEL GENERATORE");
        label("Label1", "LA RESISTENZA INTERNA DI UN GENERATORE NON E' DIRETTAMENTE MISURABILE, "
                        "QUINDI PER UNA SUA VALUTAZIONE OCCORRE PROCEDERE IN MODO INDIRETTO IN DUE "
                        "FASI SUCCESSIVE:")
            .as(Role::Hint);
        label("Label2", "1) MISURARE LA TENSIONE IN USCITA SENZA CARICO CON UN OSCILLOSCOPIO O UN "
                        "VOLTMETRO      ELETTRONICO R.F.  IN GRADO DI COPRIRE LA FREQUENZA DI "
                        "LAVORO")
            .as(Role::Hint);
        label("Label3", "2) APPLICARE IN USCITA UNA RESISTENZA NON INDUTTIVA DI VALORE NOTO, PER "
                        "ESEMPIO 50      OHM, QUINDI MISURARE NUOVAMENTE LA TENSIONE ")
            .as(Role::Hint);
        field("Label4", "PRIMA LETTURA VOLT SENZA CARICO", "txtv1",
              "il punto per separare i decimali");
        field("Label5", "SECONDA LETTURA VOLT CON CARICO", "txtv2",
              "il punto per separare i decimali");
        field("Label6", "RESISTENZA DI CARICO IN OHM", "txtrcarico").initial("50");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblrgeneratore");
        label("Label7", "USARE IL PUNTO PER SEPARARE EVENTUALI DECIMALI").as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
    }

  private:
    void compute() {
        // A refusal or a fault leaves no result of earlier readings in view.
        blank({"lblrgeneratore"});
        V1 = num("txtv1");
        V2 = num("txtv2");
        RL = num("txtrcarico");
        if (V1 * V2 * RL <= 0) return missingData("txtv1");
        if (V1 < V2) {
            warn("LETTURE ERRATE", kErrorTitle);
            return focus("txtv1");
        }
        Ri = roundThroughFixed(RL * (V1 / V2 - 1), 1);
        caption("lblrgeneratore",
                "LA RESISTENZA INTERNA DEL GENERATORE E' OHM " + formatLocale(Ri));
    }

    double V1 = 0, V2 = 0, RL = 0, Ri = 0; // volts, volts, ohms, ohms
};

ETERO_FORM(ResGeneratore, "frmresgeneratore");

} // namespace

} // namespace etero::resistors
