// The inductance of a straight round conductor: L = 0.002·ℓ·(ln(2ℓ/ρ) − 0.75)
// µH, with the length ℓ and the radius ρ in centimetres.
#include "inductors.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::inductors {

namespace {

using coils::extension;

// The formula holds for a conductor much longer than it is thick; for one
// shorter than about half its diameter it gives a negative inductance.
constexpr const char* kOutOfRange =
    "IL CONDUTTORE E' TROPPO CORTO RISPETTO AL SUO DIAMETRO: LA FORMULA NON E' APPLICABILE";

class InduttanzaFiloDiritto : public Form {
  public:
    InduttanzaFiloDiritto() : Form("frminduttanzafilodiritto") {}

  protected:
    void design() override {
        window("CALCOLO DELL' INDUTTANZA DI UN CONDUTTORE RETTILINEO");
        field("Label1", "DIAMETRO DEL CONDUTTORE IN MILLIMETRI", "txtdiametro");
        field("Label2", "LUNGHEZZA DEL CONDUTTORE IN METRI", "txtlunghezza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblinduttanza", kDecimalsHint);
        closeCommand("cmdesci", "E S C I");
        schematic();

        for (const char* f : {"txtdiametro", "txtlunghezza"})
            onChange(f, [this] { caption("lblinduttanza", kDecimalsHint); });
    }

  private:
    // The conductor, its diameter and its length marked.
    void schematic() {
        Drawing& d = drawing(400, 120);
        const double x0 = 70, x1 = 350, top = 50, bottom = 66;
        Shape& wire = d.rect(x0, top, x1 - x0, bottom - top);
        wire.filled = true;
        wire.fill = coils::kCopper;
        wire.pen = coils::kCopperBack;
        wire.penWidth = 1;
        extension(d, x0, top - 4, x0, 14);
        extension(d, x1, top - 4, x1, 14);
        d.arrowLine(x0, 20, x1, 20);
        d.text((x0 + x1) / 2, 14, "LUNGHEZZA", 8, Anchor::CentredOn);
        extension(d, x0 - 4, top, 30, top);
        extension(d, x0 - 4, bottom, 30, bottom);
        d.line(36, top - 18, 36, top).penWidth = 1;
        d.line(36, bottom, 36, bottom + 18).penWidth = 1;
        d.polyline({33, top - 5, 36, top, 39, top - 5}).penWidth = 1;
        d.polyline({33, bottom + 5, 36, bottom, 39, bottom + 5}).penWidth = 1;
        d.text(36, bottom + 32, "DIAMETRO", 8, Anchor::CentredOn);
    }

    void compute() {
        const double diameter = num("txtdiametro");
        const double length = num("txtlunghezza");
        // Two negative sizes would pass the product test and give a
        // negative inductance: they are missing data as much as a zero.
        if (diameter * length <= 0 || length < 0) return missingData("txtlunghezza");
        const double l = length * 100;        // cm
        const double rho = diameter / 10 / 2; // radius, cm
        const double L = 0.002 * l * (std::log(2 * l / rho) - 0.75);
        if (L <= 0) {
            warn(kOutOfRange, kErrorTitle);
            return focus("txtlunghezza");
        }
        if (L >= 1)
            caption("lblinduttanza", "L'INDUTTANZA DEL FILO E' microHenry " + formatFixed(L, 3));
        else
            caption("lblinduttanza",
                    "L'INDUTTANZA DEL FILO E' nanoHenry " + formatFixed(L * 1000, 3));
    }
};

ETERO_FORM(InduttanzaFiloDiritto, "frminduttanzafilodiritto");

} // namespace

} // namespace etero::inductors
