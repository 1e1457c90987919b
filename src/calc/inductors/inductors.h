// What the air inductors that are not single-layer solenoids share: Wheeler's
// multilayer formula and the way both circular multilayer coils show its
// result, and the cross-section of a multilayer winding with its four
// dimension labels.
#pragma once

#include "calc/coils/coils.h"
#include "shell/form/form.h"
#include "shell/number/number.h"

#include <string>

namespace etero::inductors {

// Wheeler's multilayer coil, in microhenry: N turns of mean radius a, winding
// width b and depth c, all in centimetres.
inline double wheelerMultilayer(double N, double a, double b, double c) {
    return 0.315 * N * N * a * a / (9 * b + 10 * c + 6 * a);
}

// The inductance as the circular multilayer coils show it, after the prefix
// of their result label: microhenry with two decimals up to 1000 µH, above
// that millihenry (the two-decimal value divided by 1000).
inline std::string multilayerInductance(double L) {
    const std::string text = formatFixed(L, 2);
    const double value = parseLocale(text);
    if (value <= 1000) return std::string(kMicro) + "Henry :   " + text;
    return "milli Henry :   " + formatLocale(value / 1000);
}

// A circular multilayer coil, both circular designers: the four labels on the
// cross-section (inner and outer radius, winding width and depth) and the
// command that opens the wire-gauge converter beside the window.
class MultilayerCoil : public coils::CoilDesigner {
  public:
    using CoilDesigner::CoilDesigner;

  protected:
    // The labels that the drawing shows, with their design captions.
    void drawingLabels() {
        label("lblr1", "r").as(Role::OnDrawing);
        label("lblr2", "R").as(Role::OnDrawing);
        label("lbllarg", "larghezza").as(Role::OnDrawing);
        label("lblspessore", "Spessore").as(Role::OnDrawing);
    }

    void wireGaugeCommand() {
        command("cmdchiamaawg", "CONVERSIONI AWG", [this] { openWireGauges(); });
    }

    // The drawing shows the letters again; the depth label only when
    // `depth` is given (its text depends on the field that changed).
    void resetDrawing(const char* depth = nullptr) {
        caption("lblr1", "r");
        caption("lblr2", " R ");
        caption("lbllarg", "larghezza");
        if (depth) caption("lblspessore", depth);
    }

    // A bobbin cut along its axis, on a 420 x 250 canvas: the former, the
    // two cheeks and the winding above and below the axis, drawn as layers
    // of wire; the radii measured from the axis at the left (the outer one
    // above it, the inner one below), the width above and the depth at the
    // right.
    void crossSection() {
        using coils::extension;
        Drawing& d = drawing(420, 250);
        const double axis = 130, x0 = 165, x1 = 285; // winding from x0 to x1
        const double inner = 38, outer = 98;         // radii in pixels
        Shape& centre = d.line(70, axis, 365, axis);
        centre.dashed = true;
        centre.penWidth = 0.8;
        // the former, a tube through the coil
        for (const double sign : {-1.0, 1.0}) {
            Shape& tube =
                d.rect(x0 - 30, sign < 0 ? axis - inner - 8 : axis + inner, x1 - x0 + 60, 8);
            tube.filled = true;
            tube.fill = 0xEFE4CC;
            tube.pen = 0x7A6A50;
            tube.penWidth = 1;
        }
        // the cheeks, rings around the former
        for (const double x : {x0 - 8, x1})
            for (const double y : {axis - outer - 10, axis + inner + 8}) {
                Shape& cheek = d.rect(x, y, 8, outer - inner + 2);
                cheek.filled = true;
                cheek.fill = 0xE2D4B4;
                cheek.pen = 0x7A6A50;
                cheek.penWidth = 1;
            }
        // the winding: layers of round wire between the cheeks
        const double wire = 12;
        for (const double sign : {-1.0, 1.0})
            for (double rad = inner + wire / 2; rad < outer; rad += wire)
                for (double x = x0 + wire / 2; x < x1; x += wire) {
                    Shape& turn = d.ellipse(x - wire / 2 + 1, axis + sign * rad - wire / 2 + 1,
                                            wire - 2, wire - 2);
                    turn.filled = true;
                    turn.fill = coils::kCopper;
                    turn.pen = coils::kCopperBack;
                    turn.penWidth = 0.8;
                }
        // the outer radius measured above the axis, the inner one below
        extension(d, x0 - 12, axis - outer, 92, axis - outer);
        extension(d, x0 - 34, axis + inner, 92, axis + inner);
        d.arrowLine(100, axis, 100, axis - outer);
        d.arrowLine(100, axis, 100, axis + inner);
        d.slot("lblr2", 0, axis - outer / 2 - 8, 96, 16, SlotAlign::Right);
        d.slot("lblr1", 0, axis + inner / 2 - 8, 96, 16, SlotAlign::Right);
        // width above
        extension(d, x0, axis - outer - 14, x0, 10);
        extension(d, x1, axis - outer - 14, x1, 10);
        d.arrowLine(x0, 16, x1, 16);
        d.slot("lbllarg", x0 - 20, 0, x1 - x0 + 40, 14, SlotAlign::Centre);
        // depth at the right
        extension(d, x1 + 10, axis - outer, 335, axis - outer);
        extension(d, x1 + 10, axis - inner, 335, axis - inner);
        d.arrowLine(328, axis - outer, 328, axis - inner);
        d.slot("lblspessore", 334, axis - (outer + inner) / 2 - 8, 86, 16, SlotAlign::Left);
    }

    // The sizes on the drawing after a result.
    void showSizes(const std::string& r, const std::string& R, const std::string& b,
                   const std::string& c) {
        caption("lblr1", r);
        caption("lblr2", R);
        caption("lbllarg", b);
        caption("lblspessore", c);
    }
};

} // namespace etero::inductors
