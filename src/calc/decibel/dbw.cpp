// dBW, dBm and watts, live: with the RMS voltages across 50 and 75 ohm and,
// from dBm, the level in dB referred to one microvolt on 50 ohm.
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <array>
#include <cmath>

namespace etero {

namespace {

constexpr Rgb kDarkBlue = 0x0000C0; // the chosen option
constexpr Rgb kButtonText = kBlack; // the system's button-text colour
constexpr const char* kNotice = "MESSAGGIO DI AVVISO";

struct Choice {
    const char* input;
    const char* firstResult;
    const char* secondResult;
    const char* note;
};

constexpr std::array<Choice, 3> kChoices{{
    {"dBW", "dBm", "Watt", "calcolabili da -30 dBWatt a + 50 dBWatt"},
    {"dBm", "dBW", "Watt", "calcolabili da -120 a +80 dBm  (da 1 femtoWatt a 100 kiloWatt)"},
    {"Watt", "dBW", "dBm", "calcolabili da 0.1 mWatt a 100.000 Watt"},
}};

// From dBm: how the voltages and the power are scaled, by the range of the level.
struct Scale {
    double volt;  // volts to the unit shown
    double power; // watts to the unit shown
    const char* powerUnit;
    const char* on50;
    const char* on75;
};

constexpr Scale kFemto{1e6, 1e15, "femtoWatt", "microVolt su 50 ohm", "microVolt su 75 ohm"};
constexpr Scale kPico{1e6, 1e12, "picoWatt", "microVolt su 50 ohm", "microVolt su 75 ohm"};
constexpr Scale kNano{1e3, 1e9, "nanoWatt", "milliVolt su 50 ohm", "milliVolt su 75 ohm"};
constexpr Scale kMicro{1e3, 1e6, "microWatt", "milliVolt su 50 ohm", "milliVolt su 75 ohm"};
constexpr Scale kMilli{1e3, 1e3, "milliWatt", "milliVolt su 50 ohm", "milliVolt su 75 ohm"};
constexpr Scale kMilliVolt{1, 1e3, "milliWatt", "Volt su 50 ohm", "Volt su 75 ohm"};
constexpr Scale kWatt{1, 1, "Watt", "Volt su 50 ohm", "Volt su 75 ohm"};

class DecibelWatt : public Form {
  public:
    DecibelWatt() : Form("frmdBW") {}

  protected:
    void design() override {
        window("Conversioni dBWatt - dBmilliWatt in Watt - Volt");
        label("Label1",
              "Quando si devono trattare entità molto piccole, al posto dei dB e dei uV, conviene "
              "usare i dBm (dBmilliWatt) o i dBuVolt (dBmicroVolt) che rappresentano un reale "
              "valore di potenza o tensione in quanto calcolati prendendo come riferimento una "
              "reale unità di misura: il milliWatt o il microVolt.")
            .as(Role::Hint);
        label("Label3",
              "IL dBW E' USATO DI SOLITO PER POTENZE SUPERIORI AL WATT     0 dBW = 1 WATT "
              "   IL dBm  E' USATO DI SOLITO PER POTENZE INFERIORI  AL WATT     0 dBm = 1 "
              "milliWatt")
            .as(Role::Hint);
        frame("Frame1", " Opzioni ");
        // The design selects the first option; its note and highlight are shown
        // from the start, as its click would set them.
        option("Option1", 0, "Da dBW a Watt").selected().color(kDarkBlue);
        option("Option1", 1, "Da dBm a Watt, Volt e dBuV");
        option("Option1", 2, "Da Watt a dBW");
        endFrame();
        field("lblinput", "dBW", "txtinput", "inserisci il valore");
        label("lblnota", kChoices[0].note).as(Role::Hint);
        label("lblpuntovirgola", "SEPARARE I DECIMALI CON IL PUNTO").as(Role::Hint);
        frame("Frameoutput").hidden();
        label("lbloutput1", "dBm").as(Role::Caption);
        result("lblout1");
        label("lbloutput2", "Watt").as(Role::Caption);
        result("lblout2");
        label("lblout50", "Volt su 50 ohm").as(Role::Caption);
        result("lblvolt50");
        label("lblout75", "Volt su 75 ohm").as(Role::Caption);
        result("lblvolt75");
        label("lbloutdbuv").as(Role::Caption);
        result("lbldbuv");
        endFrame();
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int i) { choose(i); });
        onChange("txtinput", [this] { compute(); });
    }

  private:
    void choose(int index) {
        // Emptying a field that held text computes once with 0 in the new mode.
        text("txtinput", "");
        hide("Frameoutput");
        // A message shows the results frame with what it last held: values left
        // from before the click would stand under this mode's unit captions.
        blank({"lblout1", "lblout2", "lblvolt50", "lblvolt75", "lbldbuv"});
        const Choice& c = kChoices.at(static_cast<std::size_t>(index));
        caption("lblinput", c.input);
        caption("lbloutput1", c.firstResult);
        caption("lbloutput2", c.secondResult);
        caption("lblnota", c.note);
        if (index != 1) blank({"lbloutdbuv", "lbldbuv"});
        for (int i = 0; i < 3; ++i)
            forecolor(controlName("Option1", i), i == index ? kDarkBlue : kButtonText);
    }

    void compute() {
        x = num("txtinput");
        switch (selected("Option1")) {
        case 0:
            fromDBW();
            break;
        case 1:
            fromDBm();
            break;
        case 2:
            if (x == 0) return hide("Frameoutput");
            fromWatt();
            break;
        default:
            break;
        }
        show("Frameoutput");
    }

    void fromDBW() {
        if (x < -30 || x > 50) {
            warn("VALORI da:  - 30 a + 50", kNotice);
            return focus("txtinput");
        }
        first = formatFixed(x + 30, 3);
        second = formatFixed(std::pow(10.0, x / 10), 3);
        const double wt = parseLocale(second);
        caption("lblout1", first);
        caption("lbloutput1", "dBm");
        caption("lblout50", "Volt su 50 ohm");
        caption("lblout75", "Volt su 75 ohm");
        caption("lblvolt50", formatFixed(std::sqrt(50 * wt), 2));
        caption("lblvolt75", formatFixed(std::sqrt(75 * wt), 2));
        if (x >= 0) {
            caption("lbloutput2", "Watt");
            caption("lblout2", second);
        } else {
            // Only the three decimals of the watts survive: -25 dBW gives 3.
            caption("lbloutput2", "milliWatt");
            caption("lblout2", formatLocale(wt * 1000));
        }
    }

    void fromDBm() {
        if (x < -120 || x > 80) {
            warn("VALORI DA: - 120 a + 80", kNotice);
            return focus("txtinput");
        }
        first = formatFixed(x - 30, 2);
        const double w = std::pow(10.0, parseLocale(first) / 10);
        const double v50 = std::sqrt(50 * w);
        const double v75 = std::sqrt(75 * w);
        const Scale& s = x < -90   ? kFemto
                         : x < -60 ? kPico
                         : x < -30 ? kNano
                         : x < 0   ? kMicro
                         : x <= 13 ? kMilli
                         : x < 30  ? kMilliVolt
                                   : kWatt;
        caption("lblvolt50", formatFixed(v50 * s.volt, 2));
        caption("lblvolt75", formatFixed(v75 * s.volt, 2));
        const double power = w * s.power;
        caption("lbloutput2", s.powerUnit);
        caption("lblout50", s.on50);
        caption("lblout75", s.on75);
        second = formatFixed(power, 2);
        caption("lblout1", first);
        caption("lblout2", second);
        caption("lbloutdbuv", "dBµV su 50 ohm");
        caption("lbldbuv", formatLocale(x + 107));
    }

    void fromWatt() {
        if (x < 0) {
            warn("NON ESISTONO WATT NEGATIVI", kErrorTitle);
            return focus("txtinput");
        }
        if (x > 100000) {
            warn("VALORE ECCESSIVO", kNotice);
            return focus("txtinput");
        }
        first = formatFixed(10 * std::log10(x), 2);
        second = formatFixed(parseLocale(first) + 30, 2);
        caption("lblout1", first);
        caption("lblout2", second);
        caption("lblout50", "Volt su 50 ohm");
        caption("lblout75", "Volt su 75 ohm");
        caption("lblvolt50", formatFixed(std::sqrt(50 * x), 2));
        caption("lblvolt75", formatFixed(std::sqrt(75 * x), 2));
    }

    double x = 0;              // the input
    std::string first, second; // the first and second result as shown
};

ETERO_FORM(DecibelWatt, "frmdBW");

} // namespace

} // namespace etero
