// What the information pages share: a page is a form whose one command
// closes it; its tables are rows of fixed-pitch labels, its drawings carry
// their texts as labels placed on them, and a few circuit symbols beyond the
// frame's own are drawn here once.
#pragma once

#include "shell/form/form.h"

#include <string>
#include <vector>

namespace etero::pages {

// Twips of one line of the designed (8.25 point) type, and of one character
// of its fixed-pitch face: the tables below are measured in these.
inline constexpr int kLine = 240;
inline constexpr int kChar = 105;

class Page : public Form {
  protected:
    using Form::Form;

    // Table rows written as one caption each, in a fixed-pitch face, stacked
    // from `top` one line apart and named Label<first>, Label<first + 1>...
    // Returns the top of the line below the last row.
    int rows(int first, int left, int top, const std::vector<std::string>& lines);

    // A table: its heading Label<first> at `top`, `width` wide, in a bold
    // fixed-pitch face, then its rows() from Label<first + 1> half a line
    // below. Returns the top of the line below the last row.
    int table(int first, int left, int top, int width, std::string heading,
              const std::vector<std::string>& lines);

    // A label placed on the drawing, at (x, y) and w × h in drawing pixels.
    Control& on(Drawing& d, const std::string& name, std::string caption, double x, double y,
                double w, double h, SlotAlign align = SlotAlign::Left);
};

// ---- styling the shape just drawn, for the pictures in colour ----

// Filled with `colour`, outlined in `pen`.
Shape& filled(Shape& s, Rgb colour, Rgb pen);
// Stroked in `pen`, `width` pixels wide.
Shape& stroked(Shape& s, Rgb pen, double width);

// ---- symbols the pages' drawings share ----

// A diode from (x, y), `length` long in direction `dir`, conducting that way
// (or back towards (x, y) when `backwards`): a filled triangle against a bar,
// drawn in `ink`.
void diode(Drawing& d, double x, double y, double length, Dir dir, bool backwards = false,
           Rgb ink = kBlack);
// A polarised (electrolytic) capacitor: an open plate marked + first and a
// filled plate second, along the direction of travel; `plusFirst` false
// turns it round.
void electrolytic(Drawing& d, double x, double y, double length, Dir dir, bool plusFirst = true);
// A moving-coil meter: a circle of radius r at (cx, cy), a needle and the
// unit written inside.
void meter(Drawing& d, double cx, double cy, double r, const std::string& unit);
// A winding drawn as `turns` bumps, vertical from (x, y) down `length`,
// bulging right (`right` true) or left: one side of a transformer.
void winding(Drawing& d, double x, double y, double length, int turns, bool right);

} // namespace etero::pages
