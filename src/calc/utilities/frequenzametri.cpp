// Frequency and wavelength, converted on every keystroke: 300 divided by
// megahertz gives metres, and by metres gives megahertz.
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero {

namespace {

class FrequenzaMetri : public Form {
  public:
    FrequenzaMetri() : Form("frmfrequenzametri") {}

  protected:
    void design() override {
        window("RELAZIONI TRA  FREQUENZA E LUNGHEZZA D'ONDA");
        frame("Frame1", " Opzioni ");
        options("Option1", 0, {"DA FREQUENZA A METRI", "DA METRI A FREQUENZA"});
        endFrame();
        field("lblinput", "", "txtinput", "USA IL PUNTO PER SEPARARE I DECIMALI");
        result("lblout");
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int i) { choose(i); });
        onChange("txtinput", [this] { convert(); });
    }

  private:
    void choose(int index) {
        hide("lblout");
        text("txtinput", "");
        if (index == 0) {
            caption("lblinput", "FREQUENZA in MHz:");
            forecolor("Option1(0)", kRed);
            forecolor("Option1(1)", kBlack);
        } else {
            caption("lblinput", "METRI : ");
            forecolor("Option1(1)", kRed);
            forecolor("Option1(0)", kBlack);
        }
    }

    void convert() {
        x = num("txtinput");
        if (x <= 0) {
            focus("txtinput");
            return hide("lblout");
        }
        // The same relation serves both directions.
        y = roundThroughFixed(300 / x, 3);
        if (isOn("Option1(0)"))
            caption("lblout", " CORRISPONDENTE A METRI : " + formatLocale(y));
        else if (isOn("Option1(1)"))
            caption("lblout", " CORRISPONDENTI A MHz : " + formatLocale(y));
        show("lblout");
    }

    double x = 0; // megahertz or metres, as typed
    double y = 0; // metres or megahertz, rounded to 3 decimals
};

ETERO_FORM(FrequenzaMetri, "frmfrequenzametri");

} // namespace

} // namespace etero
