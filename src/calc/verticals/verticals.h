// What the shortened and loaded vertical calculators share: the electrical
// length and characteristic impedance of a radiator, the base coil that
// brings a short radiator to resonance, the turns of a single-layer air coil
// (millimetre model), and the pieces their sketches are drawn from.
#pragma once

#include "shell/form/form.h"

#include <cmath>

namespace etero::verticals {

inline constexpr const char* kClose = "CHIUDI";

inline constexpr Rgb kRadiator = 0x404040;
inline constexpr Rgb kEarth = 0x6B4F2A;

// Electrical length in degrees of a radiator of H metres at f MHz.
inline double electricalDegrees(double H, double f) {
    return 1.2 * H * f;
}

// Characteristic impedance of a radiator of height H and radius a, both in
// the same unit.
inline double radiatorImpedance(double H, double a) {
    return (std::log(2 * H / a) - 1) * 60;
}

// Turns of a single-layer air coil of L µH, winding length and diameter in
// millimetres.
inline double airCoilTurns(double L, double length, double diameter) {
    return std::sqrt(L * 1010 * (length / diameter + 0.45) / diameter);
}

// The coil at the feed point of a radiator shorter than a quarter wave: the
// reactance that cancels the radiator's capacitive one, and its inductance.
struct BaseCoil {
    double G = 0;  // electrical length, degrees
    double Z0 = 0; // characteristic impedance of the radiator, ohm
    double XL = 0; // coil reactance, ohm
    double L = 0;  // coil inductance, µH
};

// H in metres, radius a in metres, f in MHz; each figure from the unrounded
// ones before it.
inline BaseCoil baseCoil(double H, double a, double f) {
    BaseCoil c;
    c.G = electricalDegrees(H, f);
    c.Z0 = radiatorImpedance(H, a);
    const double theta = c.G * 3.14159 / 180;
    c.XL = c.Z0 / std::tan(theta);
    c.L = c.XL / (6.283184 * f);
    return c;
}

// ---- sketches ----

// A vertical radiator, a thick rod from `top` down to `bottom` at x.
inline void radiator(Drawing& d, double x, double top, double bottom) {
    Shape& s = d.line(x, top, x, bottom);
    s.pen = kRadiator;
    s.penWidth = 4;
}

// The earth surface, a thick line with short hatching beneath it.
inline void earth(Drawing& d, double x1, double x2, double y) {
    Shape& s = d.line(x1, y, x2, y);
    s.pen = kEarth;
    s.penWidth = 2.5;
    for (double x = x1 + 4; x < x2; x += 12)
        d.line(x, y + 1, x - 8, y + 9).pen = kEarth;
}

// Four radials leaving the feed point at (x, y), sloping downwards.
inline void radials(Drawing& d, double x, double y) {
    for (double dx : {-140.0, -60.0, 60.0, 140.0}) {
        Shape& s = d.line(x, y, x + dx, y + (std::abs(dx) > 100 ? 26 : 44));
        s.penWidth = 2;
    }
}

// A vertical dimension from y1 to y2 at x, with short extension ticks.
inline void dimension(Drawing& d, double x, double y1, double y2) {
    d.arrowLine(x, y1, x, y2);
    for (double y : {y1, y2})
        d.line(x - 6, y, x + 6, y).penWidth = 0.8;
}

} // namespace etero::verticals
