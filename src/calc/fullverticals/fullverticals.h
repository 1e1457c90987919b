// What the full-size vertical calculators share: the J antennas and the
// Slim Jim follow their frequency field keystroke by keystroke with whole
// lengths in centimetres and an advice on the elements' diameter; the
// sketches measure the antenna with dimension lines that carry a result
// label.
#pragma once

#include "shell/form/form.h"
#include "shell/number/number.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace etero::fullverticals {

inline constexpr const char* kClose = "E S C I";

inline constexpr Rgb kElement = 0xB87333; // copper-coloured conductors
inline constexpr Rgb kCable = 0x303090;
inline constexpr Rgb kMeasure = 0x1F4E9C;

// The diameter of the elements a J antenna can have at f MHz; below
// `lowest` MHz, and above 435, the antenna is not advised.
const char* diameterAdvice(double f, double lowest);

class JForm : public Form {
  public:
    using Form::Form;

  protected:
    // On every change of txtfrequenza. With no frequency (an empty field,
    // zero, or a negative number) each of `lengths` shows 0 and the advice
    // `lbldiametro` is emptied, so that no advice for an earlier frequency
    // stays in view. Otherwise `lengths` and the advice are emptied and
    // `compute` writes them: a computation that faults part-way leaves no
    // figure of an earlier frequency beside the new one.
    void followFrequency(std::vector<std::string> lengths, std::function<void()> compute) {
        onChange("txtfrequenza",
                 [this, lengths = std::move(lengths), compute = std::move(compute)] {
                     f = num("txtfrequenza");
                     caption("lbldiametro", "");
                     if (f <= 0) {
                         for (const std::string& name : lengths)
                             caption(name, formatLocale(0));
                         return;
                     }
                     blank(lengths);
                     compute();
                 });
    }

    // The advice on the elements' diameter for the working frequency.
    void advice(double lowest) { caption("lbldiametro", diameterAdvice(f, lowest)); }

    // The radiator's height (lblaltezza) and the matching line's length
    // (lbllinea) on the sketch, in whole centimetres.
    void showLengths(std::int16_t radiator, std::int16_t line) {
        caption("lblaltezza", formatLocale(radiator) + " cm.");
        caption("lbllinea", formatLocale(line) + "cm. ");
    }

    double f = 0; // the working frequency, MHz
};

// ---- sketches ----

// A conductor of the antenna through the given points.
Shape& conductor(Drawing& d, std::vector<double> points);
// A feed line through the given points.
Shape& cable(Drawing& d, std::vector<double> points);
// The coaxial cable tapped across the radiator (at x `left`) and the
// matching line (at `right`) at height `tap`, running down past the `base`
// to its connector.
void tappedFeed(Drawing& d, double left, double right, double tap, double base);
// A vertical dimension line at x from y1 to y2 with ticks, and the slot of
// its label: left of the line (ending at `edge`) when `edge` < x, else right
// of it (starting at `edge`), centred on the line's middle.
void heightMeasure(Drawing& d, double x, double y1, double y2, const std::string& label,
                   double edge, double labelWidth);
// A horizontal dimension line at y from x1 to x2 with ticks; the slot of its
// label is given apart.
void widthMeasure(Drawing& d, double x1, double x2, double y);

} // namespace etero::fullverticals
