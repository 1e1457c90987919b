// What the line-impedance calculators share: the compute steps of the
// seven geometry forms (read, presence check, geometry checks, formula,
// result caption) and the pieces their cross-section drawings are made of.
#pragma once

#include "shell/form/form.h"
#include "shell/number/number.h"

#include <cmath>
#include <string>

namespace etero::lineimpedance {

inline constexpr const char* kDecimalsNote =
    "separare i decimali con il punto del tastierino numerico";

// The common logarithm as the forms compute it: ln(x) / ln 10.
inline double log10Ln(double x) {
    return std::log(x) / std::log(10.0);
}

// A geometry form: its inputs, the compute command, the result, a note, the
// cross-section and the close command. A subclass lists its window caption
// and fields in describe(), draws its cross-section in sketch() and runs its
// checks and formula in compute().
class GeometryForm : public Form {
  public:
    explicit GeometryForm(std::string name) : Form(std::move(name)) {}

  protected:
    void design() override {
        describe();
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblimpedenza");
        notes();
        sketch(drawing(360, 220));
        closeCommand("cmdesci", "E S C I");
        blankOnInputChange({"lblimpedenza"});
    }

    virtual void describe() = 0;
    virtual void notes() { label("Label4", kDecimalsNote).as(Role::Hint); }
    virtual void sketch(Drawing& d) = 0;
    virtual void compute() = 0;

    // A failed geometry check: the message, then the focus back in the first field.
    void refuse(const std::string& text, const std::string& focusField = "txtd") {
        warn(text, kErrorTitle);
        focus(focusField);
    }

    void showImpedance(double Z, const char* pattern) {
        caption("lblimpedenza", "L'IMPEDENZA E' DI  :  " + formatPattern(Z, pattern) + "  OHM");
    }
};

// ---- the pieces of the cross-sections (logical pixels) ----

inline constexpr Rgb kMetal = 0x8C8C8C;

// A round conductor seen end-on, centred on (x, y).
inline void conductor(Drawing& d, double x, double y, double r) {
    Shape& s = d.ellipse(x - r, y - r, 2 * r, 2 * r);
    s.filled = true;
    s.fill = kMetal;
}

// A ground plane seen edge-on from x1 to x2 at height y, hatched on the side
// away from the line (below when `hatchBelow`, else above).
inline void plane(Drawing& d, double x1, double x2, double y, bool hatchBelow) {
    d.line(x1, y, x2, y).penWidth = 3;
    const double k = hatchBelow ? 8 : -8;
    for (double x = x1 + 4; x < x2; x += 12)
        d.line(x, y, x - 8, y + k).penWidth = 1;
}

// A thin extension line for a dimension.
inline void guide(Drawing& d, double x1, double y1, double x2, double y2) {
    Shape& s = d.line(x1, y1, x2, y2);
    s.penWidth = 0.8;
    s.dashed = true;
}

// A dimension letter, in the size the drawings use.
inline void letter(Drawing& d, double x, double y, const std::string& s,
                   Anchor align = Anchor::CentredOn) {
    d.text(x, y, s, 11, align).bold = true;
}

// The diameter of a round conductor marked above it: guides up from its
// sides, an arrow between them, the letter over the arrow.
inline void diameterAbove(Drawing& d, double x, double y, double r, double arrowY,
                          const std::string& name) {
    guide(d, x - r, y, x - r, arrowY - 4);
    guide(d, x + r, y, x + r, arrowY - 4);
    d.arrowLine(x - r, arrowY, x + r, arrowY);
    letter(d, x, arrowY - 12, name);
}

} // namespace etero::lineimpedance
