// What the beam and loop calculators share: most of them follow their
// frequency field keystroke by keystroke, and their drawings measure the
// antenna with dimension lines that carry a result label.
#pragma once

#include "shell/form/form.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace etero::beams {

inline constexpr Rgb kElement = 0xB87333; // copper-coloured conductors
inline constexpr Rgb kBoom = 0x606060;
inline constexpr Rgb kCable = 0x303090;

class LiveForm : public Form {
  public:
    using Form::Form;

  protected:
    // On every change of txtfrequenza: a frequency of zero or less (an empty
    // field too) hides `results` and does nothing else; a positive one runs
    // `compute`, which writes the captions, and then shows `results`. They
    // are hidden while they are rewritten, so that a computation that faults
    // part-way leaves no result of an earlier frequency in view beside the
    // new one.
    void followFrequency(std::vector<std::string> results, std::function<void()> compute) {
        onChange("txtfrequenza",
                 [this, results = std::move(results), compute = std::move(compute)] {
                     const double typed = num("txtfrequenza");
                     if (typed <= 0) return showAll(results, false);
                     f = typed;
                     showAll(results, false);
                     compute();
                     showAll(results);
                 });
    }

    double f = 0; // the working frequency, MHz
};

// A conductor of the antenna.
inline Shape& conductor(Drawing& d, std::vector<double> points) {
    Shape& s = d.polyline(std::move(points));
    s.pen = kElement;
    s.penWidth = 3;
    return s;
}

// A horizontal or vertical dimension line with arrows at both ends, and the
// place of the label that gives the measure.
inline void measure(Drawing& d, double x1, double y1, double x2, double y2,
                    const std::string& label, double sx, double sy, double sw, double sh,
                    SlotAlign align = SlotAlign::Centre) {
    d.arrowLine(x1, y1, x2, y2);
    d.slot(label, sx, sy, sw, sh, align);
}

// A thin extension line from a measured point out to its dimension line.
inline void extension(Drawing& d, double x1, double y1, double x2, double y2) {
    Shape& s = d.line(x1, y1, x2, y2);
    s.penWidth = 0.8;
    s.dashed = true;
}

// The width from x1 to x2 of something whose top is at `top`, measured on a
// dimension line at `lineY` above it, the label over the line.
inline void widthAbove(Drawing& d, double x1, double x2, double top, double lineY,
                       const std::string& label) {
    extension(d, x1, top - 3, x1, lineY - 6);
    extension(d, x2, top - 3, x2, lineY - 6);
    measure(d, x1, lineY, x2, lineY, label, (x1 + x2) / 2 - 80, lineY - 19, 160, 18);
}

// The height from y1 to y2 of something whose right side is at `right`,
// measured on a dimension line at `lineX` beside it, the label to its right
// up to `edge`.
inline void heightBeside(Drawing& d, double right, double y1, double y2, double lineX,
                         const std::string& label, double edge) {
    extension(d, right + 3, y1, lineX + 6, y1);
    extension(d, right + 3, y2, lineX + 6, y2);
    measure(d, lineX, y1, lineX, y2, label, lineX + 8, (y1 + y2) / 2 - 9, edge - lineX - 10, 18,
            SlotAlign::Left);
}

// A rectangular loop of wire with its feed gap at the middle of the lower
// side.
inline void loopFedBelow(Drawing& d, double left, double top, double right, double bottom) {
    const double mid = (left + right) / 2;
    conductor(
        d, {mid - 6, bottom, left, bottom, left, top, right, top, right, bottom, mid + 6, bottom});
    d.dot(mid - 6, bottom);
    d.dot(mid + 6, bottom);
}

// A measure along a sloping conductor from (x1, y1) to (x2, y2): a thin
// line beside it, `offset` away on its left-hand side seen from the first
// point, with a tick across each end.
inline void alongside(Drawing& d, double x1, double y1, double x2, double y2, double offset) {
    const double dx = x2 - x1, dy = y2 - y1, length = std::hypot(dx, dy);
    const double nx = dy / length * offset, ny = -dx / length * offset;
    const double tx = nx * 0.35, ty = ny * 0.35;
    d.line(x1 + nx, y1 + ny, x2 + nx, y2 + ny).penWidth = 1;
    d.line(x1 + nx - tx, y1 + ny - ty, x1 + nx + tx, y1 + ny + ty).penWidth = 1;
    d.line(x2 + nx - tx, y2 + ny - ty, x2 + nx + tx, y2 + ny + ty).penWidth = 1;
}

// A coaxial feed line leaving the point (x, y) downwards, `length` long,
// ending in a connector.
inline void coaxDown(Drawing& d, double x, double y, double length) {
    Shape& s = d.line(x, y, x, y + length);
    s.pen = kCable;
    s.penWidth = 2.5;
    d.terminal(x, y + length + 3);
}

// A Yagi seen from above: the boom across the drawing at `boomY`, the
// elements across it at `xs` with half-lengths `halves` (in drawing units),
// the driven one (`driven`) with its gamma rod and feed line. Between each
// pair of neighbouring elements a dimension line carries the spacing label
// `spacings[i]`: below the elements, or alternately below and above when
// `staggered`.
inline void yagiPlan(Drawing& d, double boomY, const std::vector<double>& xs,
                     const std::vector<double>& halves, std::size_t driven,
                     const std::vector<std::string>& spacings, bool staggered) {
    double longest = 0;
    for (double h : halves)
        longest = std::max(longest, h);
    Shape& boom = d.line(xs.front() - 25, boomY, xs.back() + 25, boomY);
    boom.pen = kBoom;
    boom.penWidth = 6;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        conductor(d, {xs[i], boomY - halves[i], xs[i], boomY + halves[i]});
        d.dot(xs[i], boomY);
    }
    // the gamma rod beside the driven element, its strap and the feed line
    const double x = xs[driven], rod = x + 7, end = boomY - halves[driven] * 0.35;
    d.line(rod, boomY + 8, rod, end).penWidth = 2;
    d.line(x, end, rod, end).penWidth = 2;
    d.capacitor(rod, boomY + 8, 18, Dir::Down);
    coaxDown(d, rod, boomY + 26, 20);
    const double below = boomY + longest + 18, above = boomY - longest - 18;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        const bool up = staggered && i % 2 == 1;
        const double y = up ? above : below;
        for (std::size_t e : {i, i + 1})
            extension(d, xs[e], up ? boomY - halves[e] - 3 : boomY + halves[e] + 3, xs[e],
                      up ? y - 5 : y + 5);
        const double mid = (xs[i] + xs[i + 1]) / 2;
        measure(d, xs[i], y, xs[i + 1], y, spacings[i], mid - 60, up ? y - 22 : y + 6, 120, 18);
    }
}

} // namespace etero::beams
