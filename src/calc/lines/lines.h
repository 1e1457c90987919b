// What the line-matching calculators share: the length of a quarter-wave
// section of coaxial cable, and the way a piece of coaxial cable is drawn.
#pragma once

#include "shell/form/drawing.h"
#include "shell/number/number.h"

namespace etero::lines {

// A quarter wave of the chosen cable in metres, 75 / f shortened by the
// velocity factor, rounded through its two-decimal text.
inline double quarterWave(double f, double v) {
    return roundThroughFixed((75 / f) * v, 2);
}

// A piece of coaxial cable: the shield as a long box, the inner conductor
// along its axis, dashed where the shield hides it and standing out 8
// pixels at both ends. Horizontal from x1 to x2 on the axis y, or vertical
// from y1 to y2 on the axis x.
inline void coaxAcross(Drawing& d, double x1, double x2, double y) {
    d.rect(x1, y - 9, x2 - x1, 18);
    d.line(x1 - 8, y, x1, y);
    d.line(x1, y, x2, y).dashed = true;
    d.line(x2, y, x2 + 8, y);
}
inline void coaxDown(Drawing& d, double x, double y1, double y2) {
    d.rect(x - 7, y1, 14, y2 - y1);
    d.line(x, y1 - 8, x, y1);
    d.line(x, y1, x, y2).dashed = true;
    d.line(x, y2, x, y2 + 8);
}

} // namespace etero::lines
