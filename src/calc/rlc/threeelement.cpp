#include "threeelement.h"

#include "shell/number/number.h"

namespace etero::rlc {

double degrees(double radians) {
    return roundThroughPattern(radians * 180 / 3.14159265358979, "#,##0.##");
}

std::string impedanceCaption(const std::string& shown) {
    return kImpedance + shown + " Ohm";
}

void ThreeElementForm::rlcFields() {
    field("Label1", "RESISTENZA  in Ohm", "txtr");
    field("Label2", "INDUTTANZA in uH", "txtl");
    field("Label3", "CAPACITA' in pF", "txtc");
    field("Label4", "FREQUENZA  in MHz ", "txtf");
}

double ThreeElementForm::readRlc() {
    R = num("txtr");
    L = num("txtl");
    C = num("txtc");
    f = num("txtf");
    return R * L * C * f;
}

void leads(Drawing& d, double x1, double x2, double y) {
    d.terminal(x1 - 40, y);
    d.wire(x1 - 37, y, x1, y);
    d.terminal(x2 + 40, y);
    d.wire(x2, y, x2 + 37, y);
}

void parallelEnds(Drawing& d, double x1, double x2, double top, double bottom) {
    const double mid = (top + bottom) / 2;
    leads(d, x1, x2, mid);
    d.wire(x1, top, x1, bottom);
    d.wire(x2, top, x2, bottom);
    d.dot(x1, mid);
    d.dot(x2, mid);
}

Drawing& seriesPairWithAcross(Drawing& d, Element across) {
    const double left = 70, right = 310, top = 35, bottom = 115;
    parallelEnds(d, left, right, top, bottom);
    d.wire(left, top, 90, top);
    d.resistor(90, top, 80, Dir::Right);
    d.wire(170, top, 210, top);
    d.inductor(210, top, 80, Dir::Right);
    d.wire(290, top, right, top);
    circuits::drawElement(d, across, left, bottom, right - left, Dir::Right);
    return d;
}

} // namespace etero::rlc
