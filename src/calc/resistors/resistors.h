// What the resistor calculators share: the circuit of a dropping resistor
// (a supply, the series resistor, a LED or a Zener diode across the load
// side), drawn the same way in both forms that size one.
#pragma once

#include "shell/form/drawing.h"

namespace etero::resistors {

enum class Diode { Led, Zener };

// The dropping circuit on its canvas: the supply terminals on the left, the
// resistor along the top wire, the diode from the node down to the return
// wire, and (for the Zener) the stabilised output on the right.
struct DroppingCircuit {
    static constexpr double width = 360, height = 190;
    static constexpr double left = 30, top = 60, bottom = 160;
    static constexpr double resistorFrom = 80, resistorTo = 190, node = 240, right = 320;
};

// A diode from (x, y) down `length`: a LED conducting downwards, anode on
// top, with two arrows for its light; a Zener reverse biased, its cathode bar
// (with the bent ends) on top toward the supply and its anode toward the
// return wire.
inline void diodeDown(Drawing& d, double x, double y, double length, Diode kind) {
    const double body = 20, half = 10, top = y + (length - body) / 2, bottom = top + body;
    d.line(x, y, x, top);
    if (kind == Diode::Zener) {
        d.polyline({x - half, bottom, x + half, bottom, x, top, x - half, bottom});
        d.polyline({x - half - 4, top + 4, x - half, top, x + half, top, x + half + 4, top - 4});
    } else {
        d.polyline({x - half, top, x + half, top, x, bottom, x - half, top});
        d.line(x - half, bottom, x + half, bottom);
    }
    d.line(x, bottom, x, y + length);
    if (kind == Diode::Led)
        for (double dy : {0.0, 9.0}) {
            const double ax = x + half + 2, ay = top + 6 + dy, bx = ax + 12, by = ay - 8;
            d.line(ax, ay, bx, by).penWidth = 1;
            d.polyline({bx - 6, by, bx, by, bx - 2, by + 5}).penWidth = 1;
        }
}

inline void droppingCircuit(Drawing& d, Diode kind) {
    using C = DroppingCircuit;
    const double end = kind == Diode::Zener ? C::right : C::node;
    d.terminal(C::left, C::top);
    d.terminal(C::left, C::bottom);
    d.line(C::left + 3, C::top, C::resistorFrom, C::top);
    d.resistor(C::resistorFrom, C::top, C::resistorTo - C::resistorFrom, Dir::Right);
    d.line(C::resistorTo, C::top, end, C::top);
    diodeDown(d, C::node, C::top, C::bottom - C::top, kind);
    d.line(C::left + 3, C::bottom, end, C::bottom);
    if (kind == Diode::Zener) {
        d.dot(C::node, C::top);
        d.dot(C::node, C::bottom);
        d.terminal(C::right + 3, C::top);
        d.terminal(C::right + 3, C::bottom);
    }
}

} // namespace etero::resistors
