// The electrical wavelength in a coaxial cable at the working frequency, and
// the lengths of cable (half a wave and its multiples) at whose end a
// standing-wave meter reads what the antenna's feed point sees. Follows
// every change of the frequency.
#include "shell/app/registry.h"
#include "shell/form/form.h"
#include "shell/number/number.h"

#include <string>

namespace etero::baluns {

namespace {

class LungElettrica : public Form {
  public:
    LungElettrica() : Form("frmlungelettrica") {}

  protected:
    void design() override {
        window("Lunghezza elettrica cavi coassiali");
        frame("Frame1", "TIPO DI CAVO COASSIALE");
        options("Option1", 0, {"50 Ohm FATTORE VELOCITA' 0.66", "75 Ohm FATTORE VELOCITA'  0.8"});
        endFrame();
        field("Label1", "MISURA  EFFETTUATA  A  MHz :", "txtinput", "INSERIRE FREQUENZA DI LAVORO");
        label("Label2", "PER EFFETTUARE MISURAZIONI ATTENDIBILI DI ONDE STAZIONARIE OCCORRE CHE LO "
                        "STRUMENTO SIA COLLEGATO ALL'ESTREMITA'  DI UN CAVO CHE SIA PARI A "
                        "MEZZ'ONDA ELETTRICA ( O MULTIPLI) . SI INDICANO ALCUNE LUNGHEZZE IN "
                        "CORRISPONDENZA DELLE QUALI SI PRESENTANO CONDIZIONI SIMILI A QUELLE "
                        "ESISTENTI NEL PUNTO DI ALIMENTAZIONE DELL'ANTENNA")
            .as(Role::Hint);
        frame("Frame2").hidden();
        result("lbllungmetri");
        result("lbllungelettrici");
        result("lbltrattidilinea");
        result("lbltrattidilinea1");
        result("lbltrattidilinea2");
        endFrame();
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int) {
            text("txtinput", "");
            hide("Frame2");
        });
        onChange("txtinput", [this] { lengths(); });
    }

  private:
    void lengths() {
        // Hidden first, so that a fault leaves no length of an earlier frequency in view.
        hide("Frame2");
        f = num("txtinput");
        if (f <= 0) return;
        lambda = formatFixed(300 / f, 3);
        caption("lbllungmetri", "CORRISPONDENTI A mt. : " + lambda);
        v = isOn("Option1(0)") ? 0.66 : 0.8;
        E = roundThroughFixed(parseLocale(lambda) * v, 3);
        caption("lbllungelettrici", "PARI A ONDA ELETTRICA  : " + formatLocale(E));
        caption("lbltrattidilinea", formatLocale(E / 2));
        caption("lbltrattidilinea1", formatLocale(E));
        caption("lbltrattidilinea2", formatLocale(E / 2 * 3));
        show("Frame2");
    }

    double f = 0, v = 0, E = 0; // MHz, velocity factor, metres
    std::string lambda;         // the wavelength in metres, as shown
};

ETERO_FORM(LungElettrica, "frmlungelettrica");

} // namespace

} // namespace etero::baluns
