#include "resonance.h"

#include <cmath>

namespace etero::resonance {

void ResonantCircuit::inputsAndSchematics(const std::string& initialResistance) {
    field("Label1", "CAPACITA'  IN picoFARAD", "txtC");
    field("Label2", "RESISTENZA IN OHM", "txtR").initial(initialResistance);
    field("Label3", "INDUTTANZA IN microHENRY", "txtL");
    label("Label4", "risonanza serie").as(Role::OnDrawing).font(0, true);
    label("Label5", "risonanza parallelo").as(Role::OnDrawing).font(0, true);

    const double col = 270;
    Drawing& d = drawing(2 * col, 150);
    d.slot("Label4", 5, 2, col - 10, 18, SlotAlign::Centre);
    d.slot("Label5", col + 5, 2, col - 10, 18, SlotAlign::Centre);
    d.line(col, 0, col, 150).dashed = true;

    // Series: R, L and C end to end between two terminals.
    const double sy = 85, sx = 30, step = 70;
    d.terminal(sx - 3, sy);
    d.resistor(sx, sy, step, Dir::Right);
    d.inductor(sx + step, sy, step, Dir::Right);
    d.capacitor(sx + 2 * step, sy, step, Dir::Right);
    d.terminal(sx + 3 * step + 3, sy);
    d.text(sx + step / 2, sy - 24, "R", 9);
    d.text(sx + 1.5 * step, sy - 24, "L", 9);
    d.text(sx + 2.5 * step, sy - 24, "C", 9);

    // Parallel: R, L and C across two rails fed from two terminals.
    const double top = 50, bottom = 130, xin = col + 40;
    const double xr = col + 110, xl = col + 170, xc = col + 230;
    d.terminal(xin - 3, top);
    d.terminal(xin - 3, bottom);
    d.line(xin, top, xc, top);
    d.line(xin, bottom, xc, bottom);
    d.resistor(xr, top, bottom - top, Dir::Down);
    d.inductor(xl, top, bottom - top, Dir::Down);
    d.capacitor(xc, top, bottom - top, Dir::Down);
    for (double x : {xr, xl}) {
        d.dot(x, top);
        d.dot(x, bottom);
    }
    d.text(xr - 18, (top + bottom) / 2, "R", 9);
    d.text(xl - 18, (top + bottom) / 2, "L", 9);
    d.text(xc - 22, (top + bottom) / 2, "C", 9);
}

bool ResonantCircuit::figures(Figures& out) {
    out.R = num("txtR");
    out.L = num("txtL");
    out.C = num("txtC");
    const double product = out.R * out.L * out.C;
    if (product == 0) {
        missingData("txtC");
        return false;
    }
    if (product < 0) return false;
    if (out.R < 0.05) {
        warn("RESISTENZA TROPPO PICCOLA", "MESSAGGIO DI AVVISO");
        focus("txtR");
        return false;
    }
    out.fr = 159.155 / std::sqrt(out.C * out.L);
    out.XL = 6.28 * out.fr * out.L;
    out.Qs = out.XL / out.R;
    out.BWs = out.fr / out.Qs * 1000;
    out.Zp = out.L * 1e6 / (out.C * out.R);
    return true;
}

} // namespace etero::resonance
