#include "antennautils.h"

#include <utility>
#include <vector>

namespace etero::antennautils {

void measure(Drawing& d, double x1, double y1, double x2, double y2) {
    auto pen = [](Shape& s) {
        s.pen = kMeasure;
        s.penWidth = 1;
    };
    pen(d.line(x1, y1, x2, y2));
    const double a = 5, b = 3;
    if (y1 == y2) {
        const double s = x2 > x1 ? 1 : -1;
        pen(d.polyline({x1 + s * a, y1 - b, x1, y1, x1 + s * a, y1 + b}));
        pen(d.polyline({x2 - s * a, y2 - b, x2, y2, x2 - s * a, y2 + b}));
        pen(d.line(x1, y1 - 5, x1, y1 + 5));
        pen(d.line(x2, y2 - 5, x2, y2 + 5));
    } else {
        const double s = y2 > y1 ? 1 : -1;
        pen(d.polyline({x1 - b, y1 + s * a, x1, y1, x1 + b, y1 + s * a}));
        pen(d.polyline({x2 - b, y2 - s * a, x2, y2, x2 + b, y2 - s * a}));
        pen(d.line(x1 - 5, y1, x1 + 5, y1));
        pen(d.line(x2 - 5, y2, x2 + 5, y2));
    }
}

void extension(Drawing& d, double x1, double y1, double x2, double y2) {
    Shape& s = d.line(x1, y1, x2, y2);
    s.pen = kMeasure;
    s.penWidth = 0.8;
    s.dashed = true;
}

void note(Drawing& d, double x, double y, const std::string& s, Anchor align) {
    d.text(x, y, s, 8, align).pen = kMeasure;
}

void plate(Drawing& d, double x1, double y1, double x2, double y2) {
    Shape& s = d.line(x1, y1, x2, y2);
    s.pen = kMetal;
    s.penWidth = 4;
}

void dish(Drawing& d, double x, double y, double depth, double diameter) {
    // x = depth * (v / r)^2 for v from -r to r, r the radius.
    const double r = diameter / 2;
    std::vector<double> points;
    for (int i = -20; i <= 20; ++i) {
        const double v = r * i / 20.0;
        points.push_back(x + depth * (v / r) * (v / r));
        points.push_back(y + v);
    }
    Shape& s = d.polyline(std::move(points));
    s.pen = kMetal;
    s.penWidth = 4;
}

} // namespace etero::antennautils
