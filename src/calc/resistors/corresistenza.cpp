// The largest current a resistor carries: the square root of its wattage
// over its resistance.
#include "shell/app/registry.h"
#include "shell/form/form.h"
#include "shell/number/number.h"

#include <array>
#include <cmath>

namespace etero::resistors {

namespace {

struct Wattage {
    const char* caption;
    double watts;
};

constexpr std::array<Wattage, 11> kWattages{{
    {"1/4 WATT", 0.25},
    {"1/2 WATT", 0.5},
    {"1 WATT", 1},
    {"2 WATT", 2},
    {"3 WATT", 3},
    {"5 WATT", 5},
    {"7 WATT", 7},
    {"10 WATT", 10},
    {"12 WATT", 12},
    {"15 WATT", 15},
    {"20 WATT", 20},
}};

class CorResistenza : public Form {
  public:
    CorResistenza() : Form("frmcorresistenza") {}

  protected:
    void design() override {
        window("MASSIMA CORRENTE CHE PUO' SCORRERE IN UNA RESISTENZA");
        field("Label1", "VALORE DELLA RESISTENZA IN OHM", "txtohm");
        frame("Frame1", "WATT");
        for (std::size_t i = 0; i < kWattages.size(); ++i)
            option("Option1", static_cast<int>(i), kWattages[i].caption);
        control("Option1(0)").selected();
        endFrame();
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblmaxcorr").hidden();
        label("Label2", "LA MASSIMA CORRENTE CHE PUO' SCORRERE IN UNA RESISTENZA E' DETERMINATA "
                        "DAL WATTAGGIO E DAL VALORE OHMICO")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int) { hide("lblmaxcorr"); });
        hideOnInputChange({"lblmaxcorr"});
    }

  private:
    void compute() {
        R = num("txtohm");
        if (R <= 0) {
            warn("INSERIRE UN VALORE", "messaggio di errore");
            return focus("txtohm");
        }
        for (std::size_t i = 0; i < kWattages.size(); ++i)
            if (isOn(controlName("Option1", static_cast<int>(i)))) {
                W = kWattages[i].watts;
                break;
            }
        I = roundThroughFixed(std::sqrt(W / R), 3);
        caption("lblmaxcorr", "LA CORRRENTE MASSIMA E' DI AMPERE " + formatLocale(I));
        show("lblmaxcorr");
    }

    double R = 0, W = 0, I = 0; // ohms, watts, amperes
};

ETERO_FORM(CorResistenza, "frmcorresistenza");

} // namespace

} // namespace etero::resistors
