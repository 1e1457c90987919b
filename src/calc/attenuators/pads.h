// Pieces shared by the attenuator and matching-pad calculators: the resistors
// of a pad drawn on its schematic with the label that receives each computed
// value, and the two-decimal rounding of the T and pi pads.
#pragma once

#include "shell/form/drawing.h"
#include "shell/number/number.h"

#include <string>

namespace etero::attenuators {

inline constexpr double kLabelHeight = 16;

// A series arm: a resistor along the wire from x1 to x2 at height y, with its
// label centred above it (or below it, for the return wire of a balanced pad).
inline void seriesArm(Drawing& d, double x1, double x2, double y, const std::string& label,
                      double labelWidth, bool below = false) {
    d.resistor(x1, y, x2 - x1, Dir::Right);
    const double top = below ? y + 10 : y - 10 - kLabelHeight;
    d.slot(label, (x1 + x2) / 2 - labelWidth / 2, top, labelWidth, kLabelHeight, SlotAlign::Centre);
}

// A shunt arm: a resistor across the pad from y1 down to y2 at x, with dots
// where it joins the wires and its label beside it, on the right (side > 0)
// or on the left (side < 0), at labelY.
inline void shuntArm(Drawing& d, double x, double y1, double y2, const std::string& label,
                     double labelWidth, int side, double labelY) {
    d.resistor(x, y1, y2 - y1, Dir::Down);
    d.dot(x, y1);
    d.dot(x, y2);
    if (side > 0)
        d.slot(label, x + 8, labelY - kLabelHeight / 2, labelWidth, kLabelHeight, SlotAlign::Left);
    else
        d.slot(label, x - 8 - labelWidth, labelY - kLabelHeight / 2, labelWidth, kLabelHeight,
               SlotAlign::Right);
}

// The terminals at both ends of a pad between the wires at y1 and y2.
inline void ports(Drawing& d, double left, double right, double y1, double y2) {
    d.terminal(left, y1);
    d.terminal(left, y2);
    d.terminal(right, y1);
    d.terminal(right, y2);
}

// Int(x * 100 + 0.5) / 100: two decimals, halves rounded up.
inline double twoDecimals(double x) {
    return intFloor(x * 100 + 0.5) / 100;
}

} // namespace etero::attenuators
