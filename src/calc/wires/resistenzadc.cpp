// The resistance per metre of a round wire of a chosen metal, for direct
// current or low-frequency alternating current, from its diameter.
#include "wires.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::wires {

namespace {

class ResistenzaDc : public Form {
  public:
    ResistenzaDc() : Form("frmresistenzadc") {}

  protected:
    void design() override {
        window("RESISTENZA DI CONDUTTORI IN RELAZIONE ALLA SEZIONE");
        label("Label1", "SOLO PER CORRENTI CONTINUE O ALTERNATE A BASSA FREQUENZA").as(Role::Title);
        frame("Frame1", " Conduttori ");
        for (int i = 0; i < static_cast<int>(kDcMetals.size()); ++i)
            option("Option1", i, kDcMetals[static_cast<std::size_t>(i)].caption);
        endFrame();
        field("Label2", "DIAMETRO DEL FILO in mm : ", "txtdiametro",
              "usare il punto per i decimali");
        label("Label3", "(usare il punto per i decimali)").as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblsezione");
        result("lblresistenza");
        closeCommand("cmdesci", "").picture = "exit";

        // The section does not depend on the metal: only the resistance goes.
        onOption("Option1", [this](int i) {
            rho = kDcMetals.at(static_cast<std::size_t>(i)).resistivity;
            caption("lblresistenza", "");
        });
        blankOnInputChange({"lblsezione", "lblresistenza"});
    }

  private:
    void compute() {
        const double d = num("txtdiametro");
        if (d <= 0) {
            warn("INSERISCI IL DIAMETRO", kErrorTitle);
            return focus("txtdiametro");
        }
        const double S = (d / 2) * (d / 2) * 3.14159;   // mm²
        const double R = roundThroughFixed(rho / S, 4); // ohm per metre
        caption("lblsezione", "LA SEZIONE E' mmq " + formatFixed(S, 2));
        caption("lblresistenza",
                "LA RESISTENZA ELETTRICA E'  " + formatLocale(R) + " Ohm per metro");
    }

    double rho = 0; // the chosen metal, ohm · mm² per metre
};

ETERO_FORM(ResistenzaDc, "frmresistenzadc");

} // namespace

} // namespace etero::wires
