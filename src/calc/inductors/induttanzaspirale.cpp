// Flat spiral air coil: its inductance from the turns and the inner and
// outer radius, L = (N·a)² / ((2a + 2.8c)·100) µH with a the mean radius and
// c the radial width of the winding, in millimetres.
#include "inductors.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>
#include <vector>

namespace etero::inductors {

namespace {

using coils::extension;

class InduttanzaSpirale : public Form {
  public:
    InduttanzaSpirale() : Form("frminduttanzaspirale") {}

  protected:
    void design() override {
        window("CALCOLO INDUTTANZA DI  UNA BOBINA A SPIRALE");
        label("Label1", "BOBINA A SPIRALE SENZA NUCLEO                                FORMULA  "
                        "APPROSSIMATIVA")
            .as(Role::Title);
        field("Label2", "numero di spire", "txtnr");
        field("Label3", "raggio interno in millimetri (r)", "txtr1", "diametro del supporto");
        field("Label4", "raggio esterno in millimetri (R)", "txtr2");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblinduttanza").hidden();
        label("lblmedio", "RAGGIO MEDIO").as(Role::OnDrawing);
        label("lblspessore", "SPESSORE").as(Role::OnDrawing);
        label("lblraggioesterno", "raggio esterno").as(Role::OnDrawing);
        closeCommand("cmdesci", "E S C I");
        schematic();

        // Only the turns take the result away; the radii leave it in view
        // until the next computation.
        onChange("txtnr", [this] { clear(); });
    }

  private:
    // The spiral seen from above, from the inner to the outer radius, with
    // the outer radius, the mean radius and the width measured below it
    // from the centre.
    void schematic() {
        Drawing& d = drawing(420, 300);
        const double cx = 130, cy = 112, inner = 26, outer = 96;
        const double pi = std::acos(-1.0);
        const int turns = 5, steps = 72;
        std::vector<double> pts;
        for (int k = 0; k <= turns * steps; ++k) {
            const double t = static_cast<double>(k) / steps; // in turns
            const double rad = inner + (outer - inner) * t / turns;
            pts.push_back(cx + rad * std::cos(2 * pi * t));
            pts.push_back(cy - rad * std::sin(2 * pi * t));
        }
        Shape& spiral = d.polyline(pts);
        spiral.pen = coils::kCopper;
        spiral.penWidth = 3;
        // the centre
        d.line(cx - 8, cy, cx + 8, cy).penWidth = 0.8;
        d.line(cx, cy - 8, cx, cy + 8).penWidth = 0.8;
        // the three measures, from the centre line down
        const double mean = (inner + outer) / 2;
        extension(d, cx, cy + 10, cx, 270);
        extension(d, cx + inner, cy, cx + inner, 286);
        extension(d, cx + mean, cy + mean - 6, cx + mean, 254);
        extension(d, cx + outer, cy + 2, cx + outer, 286);
        d.arrowLine(cx, 220, cx + outer, 220);
        d.slot("lblraggioesterno", cx + outer + 8, 212, 180, 16, SlotAlign::Left);
        d.arrowLine(cx, 248, cx + mean, 248);
        d.slot("lblmedio", cx + mean + 8, 240, 180, 16, SlotAlign::Left);
        d.arrowLine(cx + inner, 280, cx + outer, 280);
        d.slot("lblspessore", cx + outer + 8, 272, 180, 16, SlotAlign::Left);
    }

    void clear() {
        hide("lblinduttanza");
        caption("lblmedio", "RAGGIO MEDIO");
        caption("lblspessore", "SPESSORE");
    }

    void compute() {
        // The earlier result and the sizes on the drawing go first: a
        // computation that is refused or abandoned must not leave them
        // standing beside inputs that did not produce them.
        clear();
        caption("lblraggioesterno", "raggio esterno");
        const double N = num("txtnr");
        const double r = num("txtr1");
        const double R = num("txtr2");
        if (N * r * R <= 0) return missingData("txtnr");
        if (r > R) {
            warn("IL RAGGIO ESTERNO E' SEMPRE MAGGIORE", kErrorTitle);
            return focus("txtr1");
        }
        const double a = (r + R) / 2; // mean radius
        const double c = R - r;       // width of the winding
        const double L = roundThroughFixed((N * a) * (N * a) / ((2 * a + 2.8 * c) * 100), -1);
        caption("lblinduttanza",
                "l'induttanza è " + std::string(kMicro) + "Henry    " + formatLocale(L));
        caption("lblmedio", formatLocale(a) + " mm");
        caption("lblspessore", formatLocale(c) + " mm");
        caption("lblraggioesterno", formatLocale(R) + " mm");
        show("lblinduttanza");
    }
};

ETERO_FORM(InduttanzaSpirale, "frminduttanzaspirale");

} // namespace

} // namespace etero::inductors
