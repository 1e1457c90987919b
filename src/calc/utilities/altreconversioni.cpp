// Further imperial units used for wires and windings, converted on every
// keystroke: areas, turns per length and per area, length per weight and
// resistance per length.
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <array>

namespace etero {

namespace {

struct Unit {
    const char* from;   // the option's caption, also shown beside the field
    double factor;      // to the metric unit
    const char* result; // the caption naming the metric unit
};

constexpr std::array<Unit, 5> kUnits{{
    {"Pollici quadrati ", 6.45, "CORRISPONDE A cm quadri "},
    {"Spire per pollice ", 0.396, "CORRISPONDE A SPIRE PER cm "},
    {"Spire per pollice quadrato ", 0.155, "CORRISPONDE A SPIRE PER cm quadro "},
    {"Piedi per libbra ", 0.671, "CORRISPONDE A METRI PER Kg "},
    {"Ohm per 100 piedi ", 3.28, "CORRISPONDE A OHM PER Km "},
}};

class AltreConversioni : public Form {
  public:
    AltreConversioni() : Form("frmaltreconversioni") {}

  protected:
    void design() override {
        window("ULTERIORI CONVERSIONI MISURE INGLESI");
        frame("Frame1", "Da trasformare");
        for (std::size_t i = 0; i < kUnits.size(); ++i)
            option("Option1", static_cast<int>(i), kUnits[i].from);
        endFrame();
        field("lblinput", "", "txtinput", "inserire il dato da trasformare");
        label("lbloutput").as(Role::Caption);
        result("lblrisultato");
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int i) { choose(i); });
        onChange("txtinput", [this] { convert(); });
    }

  private:
    void choose(int index) {
        text("txtinput", "");
        blank({"lbloutput", "lblrisultato"});
        caption("lblinput", kUnits.at(static_cast<std::size_t>(index)).from);
    }

    void convert() {
        x = num("txtinput");
        const int chosen = selected("Option1");
        if (chosen < 0) return;
        const Unit& u = kUnits.at(static_cast<std::size_t>(chosen));
        caption("lbloutput", u.result);
        r = roundThroughFixed(x * u.factor, 3);
        caption("lblrisultato", formatLocale(r));
    }

    double x = 0; // the value typed
    double r = 0; // the converted value, rounded to 3 decimals
};

ETERO_FORM(AltreConversioni, "frmaltreconversioni");

} // namespace

} // namespace etero
