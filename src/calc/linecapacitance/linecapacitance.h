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
