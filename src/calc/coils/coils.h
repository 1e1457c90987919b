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

inline constexpr const char* kFindTurns = "Trovare il numero delle spire";
inline constexpr const char* kFindInductance = "Trovare il valore dell'Induttanza";

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

// A close-wound coil of `turns` turns on its former, on a 400 x 175 canvas:
// its ends brought out below to two terminals, its length marked above (the
// label lbll) and its diameter at the left (the label lbld).
inline void coilOnFormer(Drawing& d, int turns) {
    const double x0 = 140, x1 = 300, top = 45, bottom = 145;
    Shape& former = d.rect(x0 - 14, top, x1 - x0 + 28, bottom - top);
    former.filled = true;
    former.fill = 0xEFE4CC;
    former.pen = 0x7A6A50;
    former.penWidth = 1;
    Shape& end = d.ellipse(x1 + 6, top, 16, bottom - top);
    end.filled = true;
    end.fill = 0xE2D4B4;
    end.pen = 0x7A6A50;
    end.penWidth = 1;
    helix(d, x0, x1 - x0, top, bottom, turns, 3, true);
    // the two ends of the winding, brought out below
    Shape& a = d.polyline({x0, bottom, x0, bottom + 14, x0 - 40, bottom + 14});
    a.pen = kCopper;
    a.penWidth = 2;
    Shape& b = d.polyline({x1, bottom, x1, bottom + 14, x1 + 40, bottom + 14});
    b.pen = kCopper;
    b.penWidth = 2;
    d.terminal(x0 - 43, bottom + 14);
    d.terminal(x1 + 43, bottom + 14);
    // length above the coil
    extension(d, x0, top - 3, x0, 14);
    extension(d, x1, top - 3, x1, 14);
    d.arrowLine(x0, 20, x1, 20);
    d.slot("lbll", x0 + 10, 1, x1 - x0 - 20, 17, SlotAlign::Centre);
    // diameter on the left
    extension(d, x0 - 17, top, 70, top);
    extension(d, x0 - 17, bottom, 70, bottom);
    d.arrowLine(78, top, 78, bottom);
    d.slot("lbld", 0, (top + bottom) / 2 - 9, 74, 18, SlotAlign::Right);
}

} // namespace etero::coils
