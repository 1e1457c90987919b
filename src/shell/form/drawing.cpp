#include "drawing.h"

#include <algorithm>
#include <utility>

namespace etero {

Shape& Drawing::add(Shape s) {
    s.shownWith = shownWith_;
    shapes_.push_back(std::move(s));
    return shapes_.back();
}

Shape& Drawing::line(double x1, double y1, double x2, double y2) {
    Shape s;
    s.type = Shape::Type::Line;
    s.x1 = x1, s.y1 = y1, s.x2 = x2, s.y2 = y2;
    return add(std::move(s));
}

Shape& Drawing::rect(double x, double y, double w, double h) {
    Shape s;
    s.type = Shape::Type::Rect;
    s.x1 = x, s.y1 = y, s.x2 = x + w, s.y2 = y + h;
    return add(std::move(s));
}

Shape& Drawing::ellipse(double x, double y, double w, double h) {
    Shape& s = rect(x, y, w, h);
    s.type = Shape::Type::Ellipse;
    return s;
}

Shape& Drawing::arc(double x, double y, double w, double h, double startDeg, double spanDeg) {
    Shape& s = rect(x, y, w, h);
    s.type = Shape::Type::Arc;
    s.startDeg = startDeg;
    s.spanDeg = spanDeg;
    return s;
}

Shape& Drawing::text(double x, double y, std::string str, double points, Anchor anchor) {
    Shape s;
    s.type = Shape::Type::Text;
    s.x1 = x, s.y1 = y;
    s.text = std::move(str);
    s.textPoints = points;
    s.anchor = anchor;
    s.penWidth = 1;
    return add(std::move(s));
}

Shape& Drawing::polyline(std::vector<double> points) {
    Shape s;
    s.type = Shape::Type::Polyline;
    s.points = std::move(points);
    return add(std::move(s));
}

Drawing& Drawing::slot(std::string control, double x, double y, double w, double h,
                       SlotAlign align) {
    slots_.push_back(Slot{std::move(control), x, y, w, h, align});
    return *this;
}

namespace {
// Maps a position along a component (t from its start) and across it (u,
// to the left of the direction of travel for Right means up) to canvas
// coordinates.
struct Frame {
    double x, y;
    Dir dir;
    std::pair<double, double> at(double t, double u) const {
        return dir == Dir::Right ? std::pair{x + t, y - u} : std::pair{x + u, y + t};
    }
};
} // namespace

void Drawing::resistor(double x, double y, double length, Dir dir) {
    Frame f{x, y, dir};
    const double body = std::min(36.0, length * 0.6), lead = (length - body) / 2, w = 6;
    auto [ax, ay] = f.at(0, 0);
    auto [bx, by] = f.at(lead, 0);
    line(ax, ay, bx, by);
    std::vector<double> zig{bx, by};
    const int peaks = 6;
    for (int i = 0; i < peaks; ++i) {
        auto [px, py] = f.at(lead + body * (i + 0.5) / peaks, (i % 2 == 0) ? w : -w);
        zig.push_back(px);
        zig.push_back(py);
    }
    auto [cx, cy] = f.at(lead + body, 0);
    zig.push_back(cx);
    zig.push_back(cy);
    polyline(std::move(zig));
    auto [dx, dy] = f.at(length, 0);
    line(cx, cy, dx, dy);
}

void Drawing::capacitor(double x, double y, double length, Dir dir) {
    Frame f{x, y, dir};
    const double gap = 6, half = 11, mid = length / 2;
    auto [ax, ay] = f.at(0, 0);
    auto [bx, by] = f.at(mid - gap / 2, 0);
    line(ax, ay, bx, by);
    auto [p1x, p1y] = f.at(mid - gap / 2, half);
    auto [p2x, p2y] = f.at(mid - gap / 2, -half);
    line(p1x, p1y, p2x, p2y).penWidth = 2.5;
    auto [q1x, q1y] = f.at(mid + gap / 2, half);
    auto [q2x, q2y] = f.at(mid + gap / 2, -half);
    line(q1x, q1y, q2x, q2y).penWidth = 2.5;
    auto [cx, cy] = f.at(mid + gap / 2, 0);
    auto [dx, dy] = f.at(length, 0);
    line(cx, cy, dx, dy);
}

void Drawing::variableCapacitor(double x, double y, double length, Dir dir) {
    capacitor(x, y, length, dir);
    Frame f{x, y, dir};
    auto [ax, ay] = f.at(length / 2 - 12, -14);
    auto [bx, by] = f.at(length / 2 + 12, 14);
    line(ax, ay, bx, by);
    auto [h1x, h1y] = f.at(length / 2 + 12, 14);
    auto [h2x, h2y] = f.at(length / 2 + 6, 13);
    auto [h3x, h3y] = f.at(length / 2 + 11, 8);
    polyline({h2x, h2y, h1x, h1y, h3x, h3y});
}

void Drawing::inductor(double x, double y, double length, Dir dir, int turns) {
    Frame f{x, y, dir};
    const double body = std::min(length * 0.7, 12.0 * turns), lead = (length - body) / 2;
    const double d = body / turns;
    auto [ax, ay] = f.at(0, 0);
    auto [bx, by] = f.at(lead, 0);
    line(ax, ay, bx, by);
    for (int i = 0; i < turns; ++i) {
        auto [cx, cy] = f.at(lead + i * d, 0);
        // each turn is a half circle bulging to the left of the run
        if (dir == Dir::Right)
            arc(cx, cy - d / 2, d, d, 0, 180);
        else
            arc(cx - d / 2, cy, d, d, 90, -180);
    }
    auto [ex, ey] = f.at(lead + body, 0);
    auto [gx, gy] = f.at(length, 0);
    line(ex, ey, gx, gy);
}

void Drawing::generator(double x, double y, double length, Dir dir) {
    Frame f{x, y, dir};
    const double r = std::min(14.0, length / 3), mid = length / 2;
    auto [ax, ay] = f.at(0, 0);
    auto [bx, by] = f.at(mid - r, 0);
    line(ax, ay, bx, by);
    auto [cx, cy] = f.at(mid, 0);
    ellipse(cx - r, cy - r, 2 * r, 2 * r);
    // a sine wave inside the circle
    std::vector<double> wave;
    for (int i = 0; i <= 16; ++i) {
        const double t = -r * 0.6 + 1.2 * r * i / 16.0;
        const double v = 0.45 * r *
                         (i <= 8 ? (i <= 4 ? i / 4.0 : (8 - i) / 4.0)
                                 : -(i <= 12 ? (i - 8) / 4.0 : (16 - i) / 4.0));
        wave.push_back(cx + t);
        wave.push_back(cy - v);
    }
    polyline(std::move(wave)).penWidth = 1;
    auto [dx, dy] = f.at(mid + r, 0);
    auto [ex, ey] = f.at(length, 0);
    line(dx, dy, ex, ey);
}

void Drawing::ground(double x, double y) {
    line(x, y, x, y + 8);
    line(x - 10, y + 8, x + 10, y + 8).penWidth = 2;
    line(x - 6, y + 12, x + 6, y + 12);
    line(x - 2, y + 16, x + 2, y + 16);
}

void Drawing::terminal(double x, double y) {
    ellipse(x - 3, y - 3, 6, 6);
}

void Drawing::dot(double x, double y) {
    Shape& s = ellipse(x - 2.5, y - 2.5, 5, 5);
    s.filled = true;
}

void Drawing::arrowLine(double x1, double y1, double x2, double y2) {
    line(x1, y1, x2, y2).penWidth = 1;
    const double a = 5;
    if (y1 == y2) {
        const double s = x2 > x1 ? 1 : -1;
        polyline({x1 + s * a, y1 - a / 1.6, x1, y1, x1 + s * a, y1 + a / 1.6}).penWidth = 1;
        polyline({x2 - s * a, y2 - a / 1.6, x2, y2, x2 - s * a, y2 + a / 1.6}).penWidth = 1;
    } else {
        const double s = y2 > y1 ? 1 : -1;
        polyline({x1 - a / 1.6, y1 + s * a, x1, y1, x1 + a / 1.6, y1 + s * a}).penWidth = 1;
        polyline({x2 - a / 1.6, y2 - s * a, x2, y2, x2 + a / 1.6, y2 - s * a}).penWidth = 1;
    }
}

void Drawing::antenna(double x, double y, double height) {
    line(x, y, x, y - height);
    line(x, y - height, x - 8, y - height - 10);
    line(x, y - height, x + 8, y - height - 10);
}

} // namespace etero
