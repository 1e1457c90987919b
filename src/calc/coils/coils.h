// What the two two-way coil designers (the HF coil and the small VHF coil)
// share: the captions of the mode options and of the input they relabel, the
// command that opens the wire-gauge converter beside them, and the side view
// of a helical winding their schematics are drawn from.
#pragma once

#include "shell/form/form.h"

#include <cmath>
#include <string>
#include <vector>

namespace etero::coils {

inline constexpr const char* kMicro = "µ";
inline constexpr const char* kFindTurns = "Trovare il numero delle spire";
inline constexpr const char* kFindInductance = "Trovare il valore dell'Induttanza";
inline constexpr const char* kDecimalsHint = "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO";

inline constexpr Rgb kCopper = 0xB8732E;
inline constexpr Rgb kHidden = 0x8C8C8C;     // the back of the turns, hidden by a former
inline constexpr Rgb kCopperBack = 0x7E4E22; // the back of the turns of an air-wound coil

// A coil designer that works both ways: Option1(0) finds the turns from the
// inductance, Option1(1) the inductance from the turns; both open the AWG
// converter beside themselves.
class CoilDesigner : public Form {
  public:
    using Form::Form;

  protected:
    // The caption of lblinput for the chosen mode.
    static std::string inputCaption(int mode) {
        return mode == 0 ? std::string("induttanza in ") + kMicro + "H :" : "numero di spire :";
    }

    // cmdchiamaawg: this window to the top left corner, the AWG converter
    // beside it, shown modeless.
    void openWireGauges() { openBeside("frmawg", 180, 180, 4100, 3000); }
};

// Side view of a helical winding of `turns` turns between x0 and x0 + length,
// its axis horizontal, the turns reaching from `top` to `bottom`: the
// projection of a helix, a sine wave whose half-waves are alternately the
// front of a turn (rising from the bottom to the top edge) and its back. The
// back halves are dashed when a former hides them, darker and thinner when
// the coil is self-supporting. `wire` is the pen width of the wire.
inline void helix(Drawing& d, double x0, double length, double top, double bottom, int turns,
                  double wire, bool onFormer) {
    const double pitch = length / turns, mid = (top + bottom) / 2, r = (bottom - top) / 2;
    const double pi = std::acos(-1.0);
    const int steps = 12; // points along each half turn
    auto half = [&](double from) {
        std::vector<double> pts;
        for (int k = 0; k <= steps; ++k) {
            const double t = from + 0.5 * k / steps; // in turns
            pts.push_back(x0 + t * pitch);
            pts.push_back(mid + r * std::cos(2 * pi * t));
        }
        return pts;
    };
    for (int i = 0; i < turns; ++i) {
        Shape& back = d.polyline(half(i + 0.5));
        back.pen = onFormer ? kHidden : kCopperBack;
        back.penWidth = onFormer ? 1 : wire * 0.6;
        back.dashed = onFormer;
    }
    for (int i = 0; i < turns; ++i) {
        Shape& front = d.polyline(half(i));
        front.pen = kCopper;
        front.penWidth = wire;
    }
}

// A dashed extension line of a dimension.
inline void extension(Drawing& d, double x1, double y1, double x2, double y2) {
    Shape& s = d.line(x1, y1, x2, y2);
    s.penWidth = 0.8;
    s.dashed = true;
}

} // namespace etero::coils
