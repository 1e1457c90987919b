// The series resistor of a LED fed at 10 mA, for the chosen colour, following
// every change of the supply voltage (at most 100000 V).
#include "resistors.h"

#include "shell/app/registry.h"
#include "shell/form/form.h"
#include "shell/number/number.h"

#include <array>

namespace etero::resistors {

namespace {

struct Led {
    const char* caption;
    double volts;
    const char* voltage; // lblled
    const char* supply;  // lblvoltled
};

constexpr std::array<Led, 6> kLeds{{
    {"LED ROSSO", 1.8, "LA TENSIONE DA APPLICARE AI DIODI ROSSI E' 1,8 VOLT.",
     "ALIMENTAZIONE MINIMA 1,8 VOLT "},
    {"LED VERDE", 2, "LA TENSIONE DA APPLICARE AI DIODI VERDI E' 2 VOLT.",
     "ALIMENTAZIONE MINIMA 2 VOLT "},
    {"LED GIALLO", 1.9, "LA TENSIONE DA APPLICARE AI DIODI GIALLI E' 1,9 VOLT.",
     "ALIMENTAZIONE MINIMA 1,9 VOLT "},
    {"LED ARANCIO", 2, "LA TENSIONE DA APPLICARE AI DIODI ARANCIO E' 2 VOLT.",
     "ALIMENTAZIONE MINIMA 2 VOLT "},
    {"LED BLU", 3, "LA TENSIONE DA APPLICARE AI DIODI BLU E' 3 VOLT.",
     "ALIMENTAZIONE MINIMA 3 VOLT "},
    {"LED BIANCO", 3, "LA TENSIONE DA APPLICARE AI DIODI BIANCHI E' 3 VOLT.",
     "ALIMENTAZIONE MINIMA 3 VOLT "},
}};

constexpr double kCurrent = 0.01; // amperes

class FrmLed : public Form {
  public:
    FrmLed() : Form("frmled") {}

  protected:
    void design() override {
        window("ALIMENTAZIONE DIODI LED");
        frame("Frame1", " Seleziona il tipo di led ");
        for (std::size_t i = 0; i < kLeds.size(); ++i)
            option("Option1", static_cast<int>(i), kLeds[i].caption);
        endFrame();
        label("lblled");
        // The minimum supply of the chosen LED names the supply field.
        field("lblvoltled", "", "txttensione", "Inserire il valore della tensione");
        result("lbltensione").as(Role::OnDrawing);
        result("lblohm", "?").as(Role::OnDrawing);
        schematic();
        label("Label1", "CALCOLO  DEL VALORE DELLA RESISTENZA LIMITATRICE DA PORRE  IN  SERIE ALLA "
                        "TENSIONE DI ALIMENTAZIONE   -   UTILIZZARE IL VALORE STANDARD PIU' "
                        "PROSSIMO")
            .as(Role::Hint);
        label("Label2",
              "LA TENSIONE DI ALIMENTAZIONE NORMALMENTE SI AGGIRA SUI 12 - 15 Volt  MA SE "
              "VOLETE ESAGERARE IL PROGRAMMA ACCETTA FINO A  100.000  Volt  ! ! ! !")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int i) {
            text("txttensione", "");
            const Led& led = kLeds.at(static_cast<std::size_t>(i));
            Vled = led.volts;
            caption("lblled", led.voltage);
            caption("lblvoltled", led.supply);
        });
        onChange("txttensione", [this] { resistor(); });
    }

  private:
    void schematic() {
        using C = DroppingCircuit;
        Drawing& d = drawing(C::width, C::height);
        droppingCircuit(d, Diode::Led);
        d.text(C::left - 12, C::top - 4, "+", 9, Anchor::CentredOn);
        d.slot("lbltensione", C::left + 10, (C::top + C::bottom) / 2 - 8, 150, 16, SlotAlign::Left);
        d.slot("lblohm", C::resistorFrom, C::top - 34, C::resistorTo - C::resistorFrom, 16,
               SlotAlign::Centre);
    }

    void resistor() {
        // Hidden first, so that a fault leaves nothing of an earlier supply in view.
        showAll({"lbltensione", "lblohm"}, false);
        if (text("txttensione").empty()) return;
        V = num("txttensione");
        if (V > 100000) V = 100000;
        caption("lbltensione", formatLocale(V) + " V.");
        R = static_cast<float>(roundThroughPattern((V - Vled) / kCurrent, "#0.##"));
        caption("lblohm", "ohm " + formatLocale(R));
        showAll({"lbltensione", "lblohm"});
    }

    double Vled = 0, V = 0; // volts
    float R = 0;            // ohms
};

ETERO_FORM(FrmLed, "frmled");

} // namespace

} // namespace etero::resistors
