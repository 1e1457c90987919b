#include "loops.h"

namespace etero::loops {

namespace {

// A thin dimension line with a tick across each end.
void dimension(Drawing& d, double x, double y1, double y2) {
    Shape& s = d.line(x, y1, x, y2);
    s.pen = kMeasure;
    s.penWidth = 1;
    for (double y : {y1, y2}) {
        Shape& t = d.line(x - 5, y, x + 5, y);
        t.pen = kMeasure;
        t.penWidth = 1;
    }
}

void cylinder(Drawing& d, double x, double top, double width, double length) {
    Shape& s = d.rect(x - width / 2, top, width, length);
    s.pen = kCopper;
    s.penWidth = 2;
    s.filled = true;
    s.fill = 0xE9C9A6;
}

} // namespace

Leads cylinders(Drawing& d, double x, double top, double width, double length, double gap,
                double leadsTo) {
    const double gapTop = top + length, gapBottom = gapTop + gap, bottom = gapBottom + length;
    cylinder(d, x, top, width, length);
    cylinder(d, x, gapBottom, width, length);

    // lengths and gap on one line at the left, labels left of it
    const double lineX = x - width / 2 - 24;
    dimension(d, lineX, top, gapTop);
    dimension(d, lineX, gapTop, gapBottom);
    dimension(d, lineX, gapBottom, bottom);
    d.slot("lbll", 2, (top + gapTop) / 2 - 9, lineX - 8, 18, SlotAlign::Right);
    d.slot("lbldd", 2, (gapTop + gapBottom) / 2 - 9, lineX - 8, 18, SlotAlign::Right);
    d.slot("lbll2", 2, (gapBottom + bottom) / 2 - 9, lineX - 8, 18, SlotAlign::Right);
    // the diameter above the upper cylinder
    const double dimY = top - 10;
    Shape& s = d.line(x - width / 2, dimY, x + width / 2, dimY);
    s.pen = kMeasure;
    s.penWidth = 1;
    for (double e : {x - width / 2, x + width / 2}) {
        Shape& t = d.line(e, dimY - 5, e, dimY + 5);
        t.pen = kMeasure;
        t.penWidth = 1;
    }
    d.slot("lbld", x - 60, dimY - 24, 120, 18, SlotAlign::Centre);

    // the leads: out of the inner ends, round the cylinders' side, to the right
    const Leads leads{leadsTo, top + length / 2, gapBottom + length / 2};
    const double side = x + width / 2 + 18;
    const double upperEnd = gapTop + gap / 4, lowerEnd = gapBottom - gap / 4;
    d.polyline({x, gapTop, x, upperEnd, side, upperEnd, side, leads.upper, leadsTo, leads.upper});
    d.polyline(
        {x, gapBottom, x, lowerEnd, side, lowerEnd, side, leads.lower, leadsTo, leads.lower});
    return leads;
}

} // namespace etero::loops
