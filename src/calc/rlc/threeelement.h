// What the three-element network calculators share: the reactances and the
// phase angle in degrees as four of them compute them, the captions of
// impedance and angle, and the four input fields of the R, L, C networks.
#pragma once

#include "calc/circuits/network.h"

#include <string>

namespace etero::rlc {

using circuits::Element;

inline constexpr const char* kImpedance = "L' IMPEDENZA E'  ";
inline constexpr const char* kPhase = "ANGOLO DI FASE   ";
inline constexpr const char* kDegrees = "  GRADI";

// XL = 2 pi f L and XC = 10^6 / (2 pi f C): f in MHz, L in µH, C in pF.
inline double inductiveReactance(double f, double L) {
    return 6.2831852 * f * L;
}
inline double capacitiveReactance(double f, double C) {
    return 159154.976203 / (f * C);
}

// An angle in radians in degrees, rounded through the text to two decimals:
// a number again, so that an integral angle shows no decimal separator.
double degrees(double radians);

// "L' IMPEDENZA E'  " + the impedance as shown + " Ohm".
std::string impedanceCaption(const std::string& shown);

class ThreeElementForm : public circuits::NetworkForm {
  public:
    using NetworkForm::NetworkForm;

  protected:
    // txtr, txtl, txtc and txtf with the labels that name them.
    void rlcFields();
    // Reads the four fields; the product of the four values.
    double readRlc();

    double R = 0, L = 0, C = 0, f = 0, XL = 0, XC = 0;
};

// The two terminals of a network and the two wires from them to its two
// ends, at height y: the left end at x1, the right end at x2.
void leads(Drawing& d, double x1, double x2, double y);

// Two branches in parallel between the terminals: the leads at mid height,
// and the wires at x1 and x2 from `top` to `bottom` that join the branches'
// ends, with a dot where each lead meets them.
void parallelEnds(Drawing& d, double x1, double x2, double top, double bottom);

// A resistor and an inductor in series along the top, from x 70 to 310,
// and `across` (a resistor or a capacitor) below them from end to end,
// with the leads at mid height: a drawing of 380 × 150. The resistor spans
// x 90 to 170 and the inductor 210 to 290 at y 35; `across` lies at y 115.
Drawing& seriesPairWithAcross(Drawing& d, Element across);

} // namespace etero::rlc
