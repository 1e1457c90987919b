// What the resonance calculators share: the micro sign of their captions,
// the command pattern that opens a companion beside them, and the common
// part of the two resonant RLC calculators (their three inputs, their two
// schematics and the figures both derive from R, L and C).
#pragma once

#include "shell/form/form.h"

#include <string>

namespace etero::resonance {

class ResonanceForm : public Form {
  public:
    using Form::Form;

  protected:
    // This window to the top left corner, the companion beside it at
    // (4100, top), shown modeless.
    void companionBeside(const std::string& form, int top) {
        openBeside(form, 180, 180, 4100, top);
    }
};

// A series and a parallel R-L-C circuit at resonance, from the same three
// values: the impedance calculator and the Q calculator.
class ResonantCircuit : public ResonanceForm {
  public:
    using ResonanceForm::ResonanceForm;

  protected:
    // The three fields (capacitance, resistance, inductance), with the
    // resistance's initial text, then the two headed schematics.
    void inputsAndSchematics(const std::string& initialResistance);

    struct Figures {
        double R = 0, L = 0, C = 0;
        double fr = 0;  // resonant frequency, MHz
        double XL = 0;  // reactance at resonance, ohm
        double Qs = 0;  // series Q
        double BWs = 0; // series bandwidth, kHz
        double Zp = 0;  // parallel impedance, ohm
    };

    // Reads and checks the inputs and computes the figures. False when the
    // computation stops (a message was shown, or the product is negative).
    bool figures(Figures& out);
};

} // namespace etero::resonance
