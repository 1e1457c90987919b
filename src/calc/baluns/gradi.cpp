// Physical length of an antenna and its electrical degrees, either way, at
// a given frequency: 1.2 degrees per metre per megahertz (360 / 300).
#include "shell/app/registry.h"
#include "shell/form/form.h"
#include "shell/number/number.h"

#include <string>

namespace etero::baluns {

namespace {

class Gradi : public Form {
  public:
    Gradi() : Form("frmgradi") {}

  protected:
    void design() override {
        window("CONVERSIONE TRA LUNGHEZZA FISICA DELL'ANTENNA E GRADI ELETTRICI");
        frame("Frame1", " CONVERSIONE ");
        options("Option1", 0, {"DA METRI A GRADI", "DA GRADI A METRI"});
        endFrame();
        field("lblinput", "LUNGHEZZA IN METRI", "txtinput");
        field("Label1", "FREQUENZA IN MHz", "txtfrequenza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        frame("Frame2").hidden();
        result("lbloutput");
        result("lblradianti");
        endFrame();
        label("Label2", "IN FASE DI DIMENSIONAMENTO DI UN' ANTENNA ACCORCIATA, PER MANTENERE UNA "
                        "RESA SODDISFACENTE,  NON E' CONSIGLIABILE SCENDERE AL DI SOTTO DI 60 "
                        "GRADI ELETTRICI")
            .as(Role::Hint);
        closeCommand("cmdchiudi", "C H I U D I");

        onOption("Option1", [this](int i) {
            hide("Frame2");
            text("txtinput", "");
            caption("lblinput", i == 0 ? "LUNGHEZZA IN METRI" : "GRADI");
        });
        hideOnInputChange({"Frame2"});
    }

  private:
    void compute() {
        x = num("txtinput");
        f = num("txtfrequenza");
        if (x * f == 0) return missingData("txtinput");
        if (x * f < 0) return;
        if (isOn("Option1(0)")) {
            if (x > 300 / f) {
                warn("I METRI ECCEDONO LA LUNGHEZZA D'ONDA", kErrorTitle);
                return focus("txtinput");
            }
            G = formatFixed(1.2 * x * f, 1);
            caption("lbloutput", "CORRISPONDE A GRADI  :  " + G);
            radians(parseLocale(G));
        } else if (isOn("Option1(1)")) {
            if (x > 360) {
                x = 360;
                text("txtinput", "360");
            }
            M = formatFixed(x / (1.2 * f), 2);
            caption("lbloutput", "CORRISPONDE A METRI  :  " + M);
            radians(x);
        }
        show("Frame2");
    }

    // The angle in radians, pi taken as 3.14159, two decimals.
    void radians(double degrees) {
        r = static_cast<float>(degrees * 3.14159 / 180);
        r = static_cast<float>(roundThroughFixed(r, 2));
        caption("lblradianti", "CORRISPONDE A RADIANTI : " + formatLocale(r));
    }

    double x = 0, f = 0; // metres or degrees, MHz
    std::string G, M;    // degrees and metres, as shown
    float r = 0;         // radians
};

ETERO_FORM(Gradi, "frmgradi");

} // namespace

} // namespace etero::baluns
