#include "pages.h"

#include <algorithm>

namespace etero::pages {

int Page::rows(int first, int left, int top, const std::vector<std::string>& lines) {
    std::size_t widest = 0;
    for (const std::string& l : lines)
        widest = std::max(widest, l.size());
    const int width = static_cast<int>(widest + 2) * kChar;
    for (std::size_t i = 0; i < lines.size(); ++i)
        label("Label" + std::to_string(first + static_cast<int>(i)), lines[i])
            .monospaced()
            .at(left, top + static_cast<int>(i) * kLine, width, kLine);
    return top + static_cast<int>(lines.size()) * kLine;
}

int Page::table(int first, int left, int top, int width, std::string heading,
                const std::vector<std::string>& lines) {
    label("Label" + std::to_string(first), std::move(heading))
        .monospaced()
        .font(0, true)
        .at(left, top, width, kLine);
    return rows(first + 1, left, top + 3 * kLine / 2, lines);
}

Control& Page::on(Drawing& d, const std::string& name, std::string caption, double x, double y,
                  double w, double h, SlotAlign align) {
    d.slot(name, x, y, w, h, align);
    return label(name, std::move(caption)).as(Role::OnDrawing);
}

Shape& filled(Shape& s, Rgb colour, Rgb pen) {
    s.filled = true;
    s.fill = colour;
    s.pen = pen;
    s.penWidth = 1.2;
    return s;
}

Shape& stroked(Shape& s, Rgb pen, double width) {
    s.pen = pen;
    s.penWidth = width;
    return s;
}

namespace {

// Canvas point at distance t along a run from (x, y) in direction dir and u
// across it (up for Right, right for Down).
struct Run {
    double x, y;
    Dir dir;
    double px(double t, double u) const { return dir == Dir::Right ? x + t : x + u; }
    double py(double t, double u) const { return dir == Dir::Right ? y - u : y + t; }
};

} // namespace

void diode(Drawing& d, double x, double y, double length, Dir dir, bool backwards, Rgb ink) {
    const Run r{x, y, dir};
    const double body = 12, half = 7, start = (length - body) / 2, end = start + body;
    // The triangle's base and the bar, along the direction of conduction.
    const double base = backwards ? end : start, bar = backwards ? start : end;
    d.line(r.px(0, 0), r.py(0, 0), r.px(start, 0), r.py(start, 0)).pen = ink;
    Shape& t = d.polyline({r.px(base, half), r.py(base, half), r.px(bar, 0), r.py(bar, 0),
                           r.px(base, -half), r.py(base, -half)});
    t.filled = true;
    t.fill = t.pen = ink;
    t.penWidth = 1;
    Shape& b = d.line(r.px(bar, half), r.py(bar, half), r.px(bar, -half), r.py(bar, -half));
    b.penWidth = 2;
    b.pen = ink;
    d.line(r.px(end, 0), r.py(end, 0), r.px(length, 0), r.py(length, 0)).pen = ink;
}

void electrolytic(Drawing& d, double x, double y, double length, Dir dir, bool plusFirst) {
    const Run r{x, y, dir};
    const double gap = 6, half = 11, plate = 4, mid = length / 2;
    const double a = mid - gap / 2 - plate, b = mid + gap / 2;
    d.line(r.px(0, 0), r.py(0, 0), r.px(a, 0), r.py(a, 0));
    d.line(r.px(b + plate, 0), r.py(b + plate, 0), r.px(length, 0), r.py(length, 0));
    // The positive plate open, the negative one filled.
    const double open = plusFirst ? a : b, full = plusFirst ? b : a;
    Shape& p = d.rect(std::min(r.px(open, half), r.px(open + plate, -half)),
                      std::min(r.py(open, half), r.py(open + plate, -half)),
                      dir == Dir::Right ? plate : 2 * half, dir == Dir::Right ? 2 * half : plate);
    p.penWidth = 1.2;
    Shape& n = d.rect(std::min(r.px(full, half), r.px(full + plate, -half)),
                      std::min(r.py(full, half), r.py(full + plate, -half)),
                      dir == Dir::Right ? plate : 2 * half, dir == Dir::Right ? 2 * half : plate);
    n.filled = true;
    n.penWidth = 1.2;
    const double sign = plusFirst ? a - 5 : b + plate + 5;
    d.text(r.px(sign, half + 2), r.py(sign, half + 2), "+", 8);
}

void meter(Drawing& d, double cx, double cy, double r, const std::string& unit) {
    d.ellipse(cx - r, cy - r, 2 * r, 2 * r);
    d.arc(cx - r * 0.7, cy - r * 0.7, r * 1.4, r * 1.4, 40, 100).penWidth = 1;
    d.line(cx, cy + r * 0.15, cx + r * 0.4, cy - r * 0.6).penWidth = 1.2;
    d.text(cx, cy + r * 0.45, unit, 7);
}

void winding(Drawing& d, double x, double y, double length, int turns, bool right) {
    const double step = length / turns;
    for (int i = 0; i < turns; ++i) {
        const double top = y + i * step;
        if (right)
            d.arc(x - step / 2, top, step, step, 90, -180);
        else
            d.arc(x - step / 2, top, step, step, 90, 180);
    }
}

} // namespace etero::pages
