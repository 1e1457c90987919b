// The Moxon rectangle: the dimensions of the two folded, facing elements
// from the working frequency and the conductor diameter, by the published
// dimensioning polynomials in the logarithm of the diameter in wavelengths.
#include "beams.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::beams {

namespace {

class AntennaMoxon : public Form {
  public:
    AntennaMoxon() : Form("frmantennamoxon") {}

  protected:
    void design() override {
        window("ANTENNA MOXON");
        field("Label1", "FREQUENZA IN MHz", "txtfrequenza");
        field("Label2", "DIAMETRO DEL CONDUTTORE in mm", "txtdiametro");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        label("lbla", "radiatore").as(Role::OnDrawing);
        label("lblb").as(Role::OnDrawing).hidden();
        label("lblc", "separazione").as(Role::OnDrawing);
        label("lbld").as(Role::OnDrawing).hidden();
        label("lble").as(Role::OnDrawing).hidden();
        label("Label3", "RIFLETTORE").as(Role::OnDrawing);
        label("Label4", "ALIM. COASSIALE 50 Ohm").as(Role::OnDrawing);
        label("Label5", "E' UNA YAGI A DUE ELEMENTI, RADIATORE E RIFLETTORE, CON LE ESTREMITA' "
                        "RIPIEGATE L'UNA VERSO L'ALTRA E SEPARATE DA ISOLATORI. LA DIRETTIVITA' E' "
                        "DI CIRCA 25 dB, L'IMPEDENZA TEORICA E' DI 50 OHM E IL GUADAGNO E' DI 5 dB "
                        "RISPETTO AL DIPOLO. NORMALMENTE SI USA IN POSIZIONE ORIZZONTALE; SI "
                        "CONSIGLIA L'USO DI UN BALUN 1:1.")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
        schematic();

        for (const char* input : {"txtfrequenza", "txtdiametro"})
            onChange(input, [this] {
                caption("lbla", "radiatore");
                caption("lblc", "separazione");
                blank({"lblb", "lbld", "lble"});
            });
    }

  private:
    // The rectangle seen from above: the radiator (top, fed at its middle)
    // and the reflector (bottom), their tails bent towards each other and
    // separated by the gap. A: the width; B, C, D: radiator tail, gap,
    // reflector tail; E: the whole depth.
    void schematic() {
        Drawing& d = drawing(520, 270);
        const double left = 120, right = 400, mid = (left + right) / 2;
        const double top = 70, tailB = 112, tailD = 136, bottom = 192;
        conductor(d, {mid - 6, top, left, top, left, tailB});
        conductor(d, {mid + 6, top, right, top, right, tailB});
        conductor(d, {left, tailD, left, bottom, right, bottom, right, tailD});
        for (double x : {left, right}) {
            d.dot(x, tailB);
            d.dot(x, tailD);
            d.line(x, tailB, x, tailD).dashed = true; // the insulator
        }
        d.dot(mid - 6, top);
        d.dot(mid + 6, top);
        Shape& coax = d.line(mid, top - 2, mid, top - 30);
        coax.pen = kCable;
        coax.penWidth = 2.5;
        d.terminal(mid, top - 33);
        d.slot("Label4", mid + 10, top - 42, 180, 18);
        d.slot("Label3", mid - 80, bottom - 20, 160, 18, SlotAlign::Centre);
        // A below the reflector
        extension(d, left, bottom + 3, left, bottom + 34);
        extension(d, right, bottom + 3, right, bottom + 34);
        measure(d, left, bottom + 28, right, bottom + 28, "lbla", mid - 90, bottom + 44, 180, 18);
        // B, C and D on the right, E on the left
        const double xr = right + 24;
        for (double y : {top, tailB, tailD, bottom})
            extension(d, right + 3, y, xr + 6, y);
        measure(d, xr, top, xr, tailB, "lblb", xr + 8, (top + tailB) / 2 - 9, 520 - xr - 8, 18,
                SlotAlign::Left);
        measure(d, xr, tailB, xr, tailD, "lblc", xr + 8, (tailB + tailD) / 2 - 9, 520 - xr - 8, 18,
                SlotAlign::Left);
        measure(d, xr, tailD, xr, bottom, "lbld", xr + 8, (tailD + bottom) / 2 - 9, 520 - xr - 8,
                18, SlotAlign::Left);
        const double xl = left - 24;
        extension(d, left - 3, top, xl - 6, top);
        extension(d, left - 3, bottom, xl - 6, bottom);
        measure(d, xl, top, xl, bottom, "lble", 4, (top + bottom) / 2 - 9, xl - 10, 18,
                SlotAlign::Right);
    }

    void compute() {
        f = num("txtfrequenza");
        diametro = num("txtdiametro");
        if (f * diametro == 0) return missingData("txtfrequenza");
        if (f * diametro < 0) return;
        const double x = diametro / (299792.5 / f); // the diameter in wavelengths
        const double s = std::log(x) * 0.4342945;   // its base-10 logarithm
        if (s < -6) {
            warn("CONDUTTORE TROPPO SOTTILE", kErrorTitle);
            return focus("txtdiametro");
        }
        if (s > -2) {
            warn("CONDUTTORE TROPPO GROSSO", kErrorTitle);
            return focus("txtdiametro");
        }
        // In wavelengths.
        const double A = -0.0008571428571 * s * s - 0.009571428571 * s + 0.3398571429;
        const double B = -0.002142857143 * s * s - 0.02035714286 * s + 0.008285714286;
        const double C = 0.001809523381 * s * s + 0.01780952381 * s + 0.05164285714;
        const double D = 0.001 * s + 0.07178571429;
        const double E = B + C + D;
        const double lambda = 299.7925 / f; // m
        quotaA = formatFixed(A * lambda, 4);
        quotaB = formatFixed(B * lambda, 4);
        quotaC = formatFixed(C * lambda, 4);
        quotaD = formatFixed(D * lambda, 4);
        quotaE = roundThroughFixed(E * lambda, 4);
        caption("lbla", quotaA + " mt");
        caption("lblb", quotaB + " mt");
        caption("lblc", quotaC + " mt");
        caption("lbld", quotaD + " mt");
        caption("lble", formatLocale(quotaE) + "mt");
        showAll({"lblb", "lbld", "lble"});
    }

    double f = 0, diametro = 0; // MHz, mm
    // The dimensions as shown, m.
    std::string quotaA, quotaB, quotaC, quotaD;
    double quotaE = 0;
};

ETERO_FORM(AntennaMoxon, "frmantennamoxon");

} // namespace

} // namespace etero::beams
