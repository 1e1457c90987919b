// Degrees and radians, converted on every keystroke, over half a turn.
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero {

namespace {

constexpr const char* kNotice = "MESSAGGIO DI AVVISO";

class Radianti : public Form {
  public:
    Radianti() : Form("frmradianti") {}

  protected:
    void design() override {
        window("TRASFORMAZIONE DA GRADI IN RADIANTI E DA RADIANTI A GRADI");
        frame("Frame1", " Opzioni ");
        options("Option1", 0, {"DA GRADI A RADIANTI", "DA RADIANTI A GRADI"});
        endFrame();
        field("lblinput", "", "txtinput");
        result("lblout");
        label("Label1", "DA 0 A 180 GRADI   E  DA 0 A 3,14159 RADIANTI").as(Role::Hint);
        label("Label2", "Nei calcoli delle antenne è spesso necessaria la conversione dei gradi in "
                        "radianti e dei radianti in gradi.")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int i) { choose(i); });
        onChange("txtinput", [this] { convert(); });
    }

  private:
    void choose(int index) {
        hide("lblout");
        text("txtinput", "");
        caption("lblinput", index == 0 ? "GRADI : " : "RADIANTI : ");
    }

    void convert() {
        x = num("txtinput");
        if (isOn("Option1(0)")) {
            if (x < 0 || x > 180) {
                warn("GRADI DA :  0 a  180", kNotice);
                focus("txtinput");
            } else {
                r = roundThroughFixed(x * 3.14159 / 180, 4);
                caption("lblout", " CORRISPONDENTI A RADIANTI : " + formatLocale(r));
            }
        } else if (isOn("Option1(1)")) {
            if (x < 0 || x > 3.14159) {
                warn("RADIANTI DA :  0 a  3,1415", kNotice);
                focus("txtinput");
            } else {
                d = roundThroughPattern(x * 180 / 3.14159, "#0.###");
                caption("lblout", " CORRISPONDENTI A GRADI : " + formatLocale(d));
            }
        }
        // Also after a warning: the previous result stays in view.
        show("lblout");
    }

    double x = 0; // the angle typed
    double r = 0; // radians, rounded to 4 decimals
    double d = 0; // degrees, rounded to 3 decimals
};

ETERO_FORM(Radianti, "frmradianti");

} // namespace

} // namespace etero
