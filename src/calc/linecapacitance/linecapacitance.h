// What the line capacitance and inductance calculators share: the common
// logarithm as they compute it, the refusal of a wire too thick for the
// geometry (its logarithm would be zero or negative, the results infinite or
// negative), and the inductance caption.
#pragma once

#include "calc/lineimpedance/lineimpedance.h"
#include "shell/form/form.h"
#include "shell/form/texts.h"
#include "shell/number/number.h"

#include <string>

namespace etero::linecapacitance {

using lineimpedance::log10Ln;

// The height h of a wire seen end-on, its left edge at (edge, y), over the
// ground at `ground`: a guide out to the left and the measure down from it.
inline void heightOverGround(Drawing& d, double edge, double y, double ground) {
    using namespace lineimpedance;
    guide(d, edge, y, 70, y);
    d.arrowLine(76, y, 76, ground);
    letter(d, 62, (y + ground) / 2, "h");
}

class LineForm : public Form {
  public:
    using Form::Form;

  protected:
    // The argument of a logarithm of the formulas must exceed 1: a wire as
    // thick as the geometry allows, or thicker, is refused with `text`, and
    // the focus goes back to the diameter. True when refused.
    bool tooThick(double argument, const std::string& text) {
        if (argument > 1) return false;
        warn(text, kErrorTitle);
        focus("txtd");
        return true;
    }

    // An inductance in microhenries per metre, after its prefix.
    static std::string perMetre(double L) { return formatLocale(L) + " " + kMicro + "H PER METRO"; }
};

} // namespace etero::linecapacitance
