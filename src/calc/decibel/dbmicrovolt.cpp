// Microvolts and decibels referred to one microvolt, live: the result follows
// every keystroke.
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero {

namespace {

constexpr const char* kNoNegatives = "NON ESISTONO VALORI NEGATIVI";

class DecibelMicrovolt : public Form {
  public:
    DecibelMicrovolt() : Form("frmdBmicrovolt") {}

  protected:
    void design() override {
        window("dBmicrovolt RIFERITO AD IMPEDENZE DI 75 Ohm");
        label("Label1", "Il dB microvolt E' UNA UNITA' DI MISURA, USATA IN CAMPO TELEVISIVO, CHE "
                        "ESPRIME IL GUADAGNO O L' ATTENUAZIONE IN TENSIONE SU DI UN CARICO DA 75 "
                        "OHM.")
            .as(Role::Hint);
        frame("Frame1", " Opzioni di calcolo  ");
        options("Option1", 0, {"da microvolt a dBmicrovolt", "da dBmicroV a microvolt"});
        endFrame();
        field("lblinput", "DIGITARE I microvolt", "txtin");
        label("lbloutput", "CORRISPONDE A dBmicrovolt : ").as(Role::Caption).hidden();
        result("lblout");
        label("Label2", "usare il punto del tastierino numerico per i decimali").as(Role::Hint);
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int i) { choose(i); });
        onChange("txtin", [this] { compute(); });
    }

  private:
    void choose(int index) {
        // Emptying a field that held text computes once with 0 in the new mode.
        text("txtin", "");
        if (index == 0) {
            caption("lblinput", "DIGITARE I microvolt");
            caption("lbloutput", "CORRISPONDE A dBmicrovolt : ");
        } else {
            caption("lblinput", "DIGITARE I dBmicrovolt");
            caption("lbloutput", "CORRISPONDE A microvolt");
        }
    }

    void compute() {
        u = num("txtin");
        const int mode = selected("Option1");
        if (mode == 0) {
            if (u == 0) u = 1;
            if (u < 0) {
                u = 1;
                warn(kNoNegatives, kErrorTitle);
                focus("txtin");
            }
            R = static_cast<float>(roundThroughFixed(20 * std::log10(u), 2));
            caption("lblout", formatLocale(R));
        } else if (mode == 1) {
            if (u > 120) {
                warn("dBmicroV max = 120", kErrorTitle);
                focus("txtin");
            } else if (u < 0) {
                warn(kNoNegatives, kErrorTitle);
                focus("txtin");
            } else {
                R = static_cast<float>(roundThroughPattern(std::pow(10.0, u / 20), "#,##0.##"));
                caption("lblout", formatLocale(R));
            }
        }
        show("lbloutput");
    }

    double u = 0; // the input
    float R = 0;  // the result, single precision
};

ETERO_FORM(DecibelMicrovolt, "frmdBmicrovolt");

} // namespace

} // namespace etero
