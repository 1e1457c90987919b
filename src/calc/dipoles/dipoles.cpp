#include "dipoles.h"

namespace etero::dipoles {

void wire(Drawing& d, double x1, double x2, double y) {
    Shape& s = d.line(x1, y, x2, y);
    s.pen = kWire;
    s.penWidth = 2;
}

void insulator(Drawing& d, double x, double y, double rope) {
    if (rope != 0) {
        Shape& r = d.line(x, y, x + rope, y);
        r.penWidth = 0.8;
        r.dashed = true;
    }
    Shape& e = d.ellipse(x - 6, y - 4, 12, 8);
    e.filled = true;
    e.fill = kInsulator;
    e.penWidth = 1;
}

void centreFeed(Drawing& d, double x, double y, double drop) {
    for (double side : {-3.0, 3.0}) {
        Shape& f = d.line(x + side, y, x + side, y + drop);
        f.pen = kFeeder;
        f.penWidth = 1.2;
    }
    Shape& e = d.rect(x - 7, y - 4, 14, 8);
    e.filled = true;
    e.fill = kInsulator;
    e.penWidth = 1;
}

void trap(Drawing& d, double x, double y) {
    const double half = 16;
    d.inductor(x - half, y, 2 * half, Dir::Right, 3);
    // the capacitor across the coil, high enough above it that its plates
    // stay clear of the turns
    const double bridge = 22;
    d.line(x - half, y, x - half, y - bridge);
    d.line(x + half, y, x + half, y - bridge);
    d.capacitor(x - half, y - bridge, 2 * half, Dir::Right);
}

void dimension(Drawing& d, double x1, double x2, double y, double tickTo, const std::string& label,
               double labelWidth) {
    for (double x : {x1, x2}) {
        Shape& t = d.line(x, tickTo, x, y + 4);
        t.penWidth = 0.8;
        t.dashed = true;
    }
    d.arrowLine(x1, y, x2, y);
    if (!label.empty()) {
        const double w = labelWidth > 0 ? labelWidth : x2 - x1;
        d.slot(label, (x1 + x2) / 2 - w / 2, y - 19, w, 17, SlotAlign::Centre);
    }
}

void verticalDimension(Drawing& d, double x, double y1, double y2, const std::string& label,
                       double labelWidth) {
    d.arrowLine(x, y1, x, y2);
    if (!label.empty()) d.slot(label, x + 6, (y1 + y2) / 2 - 9, labelWidth, 18);
}

void dipole(Drawing& d, double x1, double x2, double y, double drop) {
    wire(d, x1, x2, y);
    insulator(d, x1, y, -14);
    insulator(d, x2, y, 14);
    centreFeed(d, (x1 + x2) / 2, y, drop);
}

void trappedDipole(Drawing& d) {
    const double y = 80, x1 = 30, x2 = 490, c = 260, a = 120;
    wire(d, x1, c - a - 16, y);
    trap(d, c - a, y);
    wire(d, c - a + 16, c + a - 16, y);
    trap(d, c + a, y);
    wire(d, c + a + 16, x2, y);
    insulator(d, x1, y, -14);
    insulator(d, x2, y, 14);
    centreFeed(d, c, y, 50);
    dimension(d, c, c + a, 40, 52);
    d.text(c + a / 2, 31, "A", 9);
    dimension(d, c, x2, 16, 36);
    d.text((c + x2) / 2, 7, "B", 9);
}

} // namespace etero::dipoles
