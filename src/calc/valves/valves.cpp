#include "valves.h"

#include <algorithm>

namespace etero::valves {

namespace {

// In the order of the list.
constexpr std::array<OutputValve, kOutputValves> kValves{{
    {" AL 1", 7000, 3.1},  {" AL 4", 7000, 4.5},   {" ECL 80", 11000, 1}, {" ECL 82", 3800, 3.3},
    {" ECL 86", 5600, 4},  {" EL 3", 7000, 4.5},   {" EL 34", 2500, 12},  {" EL 41", 7000, 3.9},
    {" EL 42", 9000, 2.5}, {" EL 84", 5200, 5},    {" EL 85", 2400, 5},   {" EL 86", 2400, 5.6},
    {" EL 90", 5000, 4.5}, {" EL 95", 10000, 3},   {" UCL 82", 3800, 3},  {" UL 41", 3000, 4},
    {" UL 48", 2400, 5.6}, {" 1A5", 25000, 0.115}, {" 1Q5", 8000, 0.27},  {" 6F6", 7000, 4.5},
    {" 6K6", 7800, 3},     {" 6L6", 5000, 6.5},    {" 6V6", 5000, 4.5},   {" 6AQ5", 5500, 6.5},
}};

} // namespace

const std::array<OutputValve, kOutputValves>& outputValves() {
    return kValves;
}

const OutputValve* findOutputValve(const std::string& name) {
    for (const OutputValve& v : kValves)
        if (name == v.name) return &v;
    return nullptr;
}

void winding(Drawing& d, double x, double top, double bottom, bool bulgeLeft, int turns) {
    const double body = std::min(bottom - top - 16, 14.0 * turns), lead = (bottom - top - body) / 2;
    const double step = body / turns;
    d.line(x, top, x, top + lead);
    for (int i = 0; i < turns; ++i) {
        const double y = top + lead + i * step;
        if (bulgeLeft)
            d.arc(x - step / 2, y, step, step, 90, 180);
        else
            d.arc(x - step / 2, y, step, step, 90, -180);
    }
    d.line(x, top + lead + body, x, bottom);
}

Control& IronCoreForm::laminationTableCommand() {
    return command("cmdchiamatabella", "TABELLA DIMENSIONE LAMIERINI",
                   [this] { openBeside("frmuniel", 180, 300, 6100, 6000); });
}

} // namespace etero::valves
