// What the band-pass and notch designers share: the arms of their LC
// sections drawn as small circuits, the window of the two constant-k notch
// designers (one in kHz, one in Hz), and the window of the two audio RC
// filters that pick a standard capacitor for the frequency.
#pragma once

#include "shell/form/form.h"

#include <string>
#include <vector>

namespace etero::bandfilters {

// " µH": the unit of the inductances, a blank before it.
inline const std::string kMicroHenry = std::string(" ") + kMicro + "H";

inline constexpr const char* kInverted = "FREQUENZE INVERTITE";

// ---------------------------------------------------------- drawing arms --

// A shunt arm of an inductor and a capacitor in parallel, hanging from the
// upper rail at x down to the lower rail: the two side by side, 32 apart,
// the capacitor on the left or on the right.
void shuntTank(Drawing& d, double x, double top, double bottom, bool capacitorLeft);

// A series arm of an inductor and a capacitor in parallel, in a horizontal
// run at height y from x1 to x2: the inductor above the run, the capacitor
// below it.
void seriesTank(Drawing& d, double x1, double x2, double y);

// A shunt arm of an inductor above a capacitor, in series, from the upper
// rail at x down to the lower rail.
void shuntSeries(Drawing& d, double x, double top, double bottom);

// The two rails of a section with a terminal at each of their four ends.
void rails(Drawing& d, double in, double out, double top, double bottom);

// ------------------------------------------------------- notch designers --

// The captions and names in which the two notch designers differ.
struct NotchTexts {
    const char* window;
    const char* impedanceCaption; // beside txtr
    const char* lowerCaption;     // beside txtf1
    const char* upperCaption;     // beside txtf2
    const char* pl2;              // the names of the π section's shunt labels
    const char* pc2;
    bool notes; // the kHz designer's note on its range and its decimals hint
};

// A constant-k band-stop designer: the impedance and the two edges of the
// band to stop give a T and a π section, each element's value written at
// it. Results stay when an input changes, until the next computation.
class NotchDesigner : public Form {
  public:
    NotchDesigner(std::string name, const NotchTexts& texts)
        : Form(std::move(name)), texts_(texts) {}

  protected:
    void design() override;

    // f1 and f2 as the designer computes with them (MHz or Hz).
    virtual double frequency(double typed) const = 0;
    // Computes the elements from R, f1, f2 and D = f2 - f1 and writes the
    // nine labels of the two sections.
    virtual void results(double D) = 0;

    // The labels of the two sections, in the order they are written.
    std::vector<std::string> elementLabels() const;

    double R = 0, f1 = 0, f2 = 0; // the inputs of the last computation
    double L1 = 0, L2 = 0, C1 = 0, C2 = 0;

  private:
    void schematic();
    void compute();

    NotchTexts texts_;
};

// ---------------------------------------------------- audio RC filters --

// The audio RC filters: one frequency field, a standard capacitor chosen for
// it and the resistor that sets the frequency with it. Out-of-range
// frequencies are brought to 10 Hz or 100 kHz in the field itself.
class AudioRcFilter : public Form {
  public:
    using Form::Form;

  protected:
    // The frequency field with its caption and the note on its range.
    void inputs(const char* frequencyCaption, const char* note);
    // The compute and exit commands; the computation writes the capacitors'
    // and the resistors' labels, and a change of the frequency blanks them.
    void commandsFor(const std::vector<std::string>& capacitors,
                     const std::vector<std::string>& resistors);

  private:
    void compute();

    std::vector<std::string> capacitors_, resistors_;
    double f = 0;  // Hz, as used
    double C = 0;  // nF
    std::string R; // kilohm, as shown
};

} // namespace etero::bandfilters
