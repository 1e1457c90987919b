// What the valve-equipment calculators share: the output valves of the
// output-transformer calculator, the command that shows the lamination table
// beside a transformer or choke calculator, and the pieces of their
// drawings.
#pragma once

#include "shell/form/form.h"

#include <array>
#include <string>

namespace etero::valves {

// An output valve: its name as the list shows it (with a leading blank),
// its anode load impedance (Ω) and its output power (W).
struct OutputValve {
    const char* name;
    double Raa;
    double P;
};

inline constexpr std::size_t kOutputValves = 24;
const std::array<OutputValve, kOutputValves>& outputValves();

// The valve whose name is exactly `name`; null when there is none.
const OutputValve* findOutputValve(const std::string& name);

// An iron-cored winding: a coil from (x, top) down to (x, bottom) whose
// turns bulge to the left (towards a core on its left when false).
void winding(Drawing& d, double x, double top, double bottom, bool bulgeLeft, int turns = 5);

class IronCoreForm : public Form {
  public:
    using Form::Form;

  protected:
    // "TABELLA DIMENSIONE LAMIERINI": this window moves to 180, 300 twips
    // and the lamination table opens modeless at 6100, 6000 twips.
    Control& laminationTableCommand();
};

} // namespace etero::valves
