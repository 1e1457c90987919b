// RMS, peak and peak-to-peak voltage of sine, triangle and square waves,
// and their average value; live: every change of the input recomputes.
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <array>

namespace etero::acvoltage {

namespace {

constexpr Rgb kDarkBlue = 0x0000C0; // the chosen known quantity
constexpr Rgb kButtonText = kBlack; // the system's button-text colour

constexpr std::array<const char*, 3> kKnown{"VOLT EFFICACI", "VOLT DI PICCO", "VOLT PICCO PICCO"};

// The factors of a wave form.
struct Wave {
    double toPeak;      // RMS -> peak
    double toRms;       // peak -> RMS
    double ppDivisor;   // peak-to-peak -> RMS
    double averageRate; // average / peak
};

constexpr std::array<Wave, 3> kWaves{{
    {1.414, 0.707, 2.828, 0.637}, // sine
    {1.732, 0.577, 3.464, 0.5},   // triangle
    {1, 1, 2, 1},                 // square
}};

const std::vector<std::string> kResults{"lblout1", "lblout2", "lblout3"};

class Volt : public Form {
  public:
    Volt() : Form("frmvolt") {}

  protected:
    void design() override {
        window("VOLT EFFICACI - VOLT DI PICCO - VOLT PICCO PICCO");
        frame("Frame1", "Dato conosciuto");
        options("Option1", 0, {kKnown[0], kKnown[1], kKnown[2]});
        endFrame();
        frame("Frame2", " ONDE ");
        option("Option2", 0, "SINUSOIDALI").selected();
        option("Option2", 1, "TRIANGOLARI");
        option("Option2", 2, "QUADRE");
        endFrame();
        field("lblinput", "", "txtinput", "inserisci il voltaggio");
        for (const std::string& name : kResults)
            result(name);
        label("Label1", "USARE IL PUNTO PER SEPARARE I DECIMALI").as(Role::Hint);
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int i) { chooseKnown(i); });
        onOption("Option2", [this](int) { chooseWave(); });
        onChange("txtinput", [this] { compute(); });
    }

  private:
    // The known quantity names the input before the field is emptied: the
    // emptied field computes at once, and its zeros are then those of the
    // quantity just chosen, not of the one before.
    void chooseKnown(int index) {
        caption("lblinput", kKnown.at(static_cast<std::size_t>(index)));
        for (int i = 0; i < 3; ++i)
            forecolor(controlName("Option1", i), i == index ? kDarkBlue : kButtonText);
        blank(kResults);
        text("txtinput", "");
    }

    void chooseWave() {
        blank(kResults);
        text("txtinput", "");
    }

    void compute() {
        // The results of the previous keystroke do not belong to this input:
        // a refused or failed computation shows none.
        blank(kResults);
        const Wave& w = kWaves.at(static_cast<std::size_t>(selected("Option2")));
        x = num("txtinput");
        if (x < 0) {
            warn("VALORE NEGATIVO", kErrorTitle);
            return focus("txtinput");
        }
        // The known quantity as the input's caption names it; each value is
        // held as shown, and the next is computed from it.
        const std::string known = caption("lblinput");
        double peak = 0;
        if (known == kKnown[0]) {
            first = formatFixed(x * w.toPeak, 2);
            second = formatFixed(parseLocale(first) * 2, 2);
            caption("lblout1", "VOLT di picco : " + first);
            caption("lblout2", "VOLT picco picco : " + second);
            peak = parseLocale(first);
        } else if (known == kKnown[1]) {
            first = formatFixed(x * w.toRms, 2);
            second = formatFixed(2 * x, 2);
            caption("lblout1", "VOLT efficaci : " + first);
            caption("lblout2", "VOLT picco picco : " + second);
            peak = x;
        } else if (known == kKnown[2]) {
            first = formatFixed(x / w.ppDivisor, 2);
            second = formatFixed(x / 2, 2);
            caption("lblout1", "VOLT efficaci : " + first);
            caption("lblout2", "VOLT di picco : " + second);
            peak = parseLocale(second);
        } else {
            return;
        }
        average = formatFixed(peak * w.averageRate, 2);
        caption("lblout3", "VOLT VALORE MEDIO : " + average);
    }

    double x = 0;                       // the input
    std::string first, second, average; // the results, as shown
};

ETERO_FORM(Volt, "frmvolt");

} // namespace

} // namespace etero::acvoltage
