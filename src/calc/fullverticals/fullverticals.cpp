#include "fullverticals.h"

namespace etero::fullverticals {

const char* diameterAdvice(double f, double lowest) {
    if (f > 435) return "FREQUENZA TROPPO ALTA PER QUESTO TIPO D'ANTENNA";
    if (f > 300) return "IL DIAMETRO MEDIO DEGLI ELEMENTI PUO' ESSERE 10 mm.";
    if (f > 90) return "IL DIAMETRO MEDIO DEGLI ELEMENTI PUO' ESSERE 10/15 mm.";
    if (f >= lowest) return "IL DIAMETRO MEDIO DEGLI ELEMENTI PUO' ESSERE 25 mm.";
    return "FREQUENZA TROPPO BASSA PER QUESTO TIPO D'ANTENNA";
}

Shape& conductor(Drawing& d, std::vector<double> points) {
    Shape& s = d.polyline(std::move(points));
    s.pen = kElement;
    s.penWidth = 3;
    return s;
}

Shape& cable(Drawing& d, std::vector<double> points) {
    Shape& s = d.polyline(std::move(points));
    s.pen = kCable;
    s.penWidth = 2.5;
    return s;
}

void tappedFeed(Drawing& d, double left, double right, double tap, double base) {
    d.dot(left, tap);
    d.dot(right, tap);
    cable(d, {left, tap, left + 14, tap, left + 14, base + 40});
    cable(d, {right, tap, left + 26, tap, left + 26, base + 40});
    d.terminal(left + 20, base + 45);
}

namespace {

Shape& thin(Shape& s) {
    s.pen = kMeasure;
    s.penWidth = 1;
    return s;
}

} // namespace

void heightMeasure(Drawing& d, double x, double y1, double y2, const std::string& label,
                   double edge, double labelWidth) {
    thin(d.line(x, y1, x, y2));
    for (double y : {y1, y2})
        thin(d.line(x - 5, y, x + 5, y));
    const double mid = (y1 + y2) / 2 - 9;
    if (edge < x)
        d.slot(label, edge - labelWidth, mid, labelWidth, 18, SlotAlign::Right);
    else
        d.slot(label, edge, mid, labelWidth, 18, SlotAlign::Left);
}

void widthMeasure(Drawing& d, double x1, double x2, double y) {
    thin(d.line(x1, y, x2, y));
    for (double x : {x1, x2})
        thin(d.line(x, y - 5, x, y + 5));
}

} // namespace etero::fullverticals
