// The frame shared by the time-constant calculators: a resistor in series with
// a capacitor or an inductor, and the three-way form that solves for any one
// of time, resistance and the reactive component from the other two.
#pragma once
#include "shell/form/form.h"

#include <array>
#include <string>
#include <utility>

namespace etero::timeconstants {

// A source between two terminals feeding a resistor and, down to the return
// wire, the capacitor or the inductor; the value labels sit beside them.
void seriesCircuit(Drawing& d, bool inductor, const std::string& resistorLabel,
                   const std::string& otherLabel);

// One option of a three-way form: its caption, then the captions and units of
// the two known rows and of the row sought.
struct Mode {
    const char* caption;
    std::array<const char*, 3> rows;
    std::array<const char*, 3> units;
};

class ThreeWayForm : public Form {
  public:
    ThreeWayForm(std::string name, std::string windowCaption, std::array<Mode, 3> modes,
                 std::string note, std::string otherLabel, std::string otherLetter)
        : Form(std::move(name)), title_(std::move(windowCaption)), modes_(modes),
          note_(std::move(note)), other_(std::move(otherLabel)), letter_(std::move(otherLetter)) {}

  protected:
    void design() override;
    // The formula of the chosen option on the two known values a and b.
    virtual void solve(int option, double a, double b) = 0;
    const std::string& otherLabel() const { return other_; }

  private:
    void choose(int index);
    void compute();

    std::string title_; // the window caption
    std::array<Mode, 3> modes_;
    std::string note_, other_, letter_;
    double a_ = 0, b_ = 0; // the two known values, kept between events
};

} // namespace etero::timeconstants
