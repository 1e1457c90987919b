// The capacitance of a vertical conductor whose lower end stands close to
// the ground.
#include "linecapacitance.h"
#include "shell/app/registry.h"

namespace etero::linecapacitance {

namespace {

class FiloVerticale : public LineForm {
  public:
    FiloVerticale() : LineForm("frmfiloverticale") {}

  protected:
    void design() override {
        window("CAPACITA' DI UN CONDUTTORE VERTICALE");
        field("Label1", "DIAMETRO DEL CONDUTTORE IN MILLIMETRI", "txtd");
        field("Label2", "LUNGHEZZA DEL CONDUTTORE IN METRI", "txtl");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblc");
        label("Label3", "QUANDO LA DISTANZA DALLA TERRA DELL'ESTREMO INFERIORE E'  PICCOLA IN "
                        "PROPORZIONE ALLA LUNGHEZZA DEL CONDUTTORE  ")
            .as(Role::Hint);
        schematic();
        closeCommand("cmdesci", "E S C I");

        blankOnInputChange({"lblc"});
    }

  private:
    // The conductor standing just above the ground, l long and d across.
    void schematic() {
        using namespace lineimpedance;
        Drawing& d = drawing(220, 290);
        const double x = 120, half = 6, top = 50, bottom = 246, ground = 262;
        Shape& rod = d.rect(x - half, top, 2 * half, bottom - top);
        rod.filled = true;
        rod.fill = kMetal;
        guide(d, x - half, top, x - half, 18);
        guide(d, x + half, top, x + half, 18);
        d.arrowLine(x - half - 14, 24, x - half, 24);
        d.arrowLine(x + half + 14, 24, x + half, 24);
        letter(d, x + half + 26, 24, "d");
        guide(d, x - half, top, 56, top);
        guide(d, x - half, bottom, 56, bottom);
        d.arrowLine(62, top, 62, bottom);
        letter(d, 48, (top + bottom) / 2, "l");
        plane(d, 20, 200, ground, true);
    }

    void compute() {
        d = num("txtd");
        l = num("txtl");
        l = l * 1000;
        if (d <= 0 || l <= 0) return missingData("txtd");
        if (tooThick(2 * l / (1.732051 * d),
                     "DIAMETRO DEL CONDUTTORE TROPPO GRANDE RISPETTO ALLA LUNGHEZZA"))
            return;
        const double c = 12.1 / log10Ln(2 * l / (1.732051 * d));
        C = roundThroughPattern(c * l / 1000, "##0.##");
        caption("lblc", "LA CAPACITA' DEL CONDUTTORE E'  " + formatLocale(C) + " pF");
    }

    double d = 0; // diameter, mm
    double l = 0; // length, typed in m, then mm
    double C = 0; // pF, rounded to two decimals
};

ETERO_FORM(FiloVerticale, "frmfiloverticale");

} // namespace

} // namespace etero::linecapacitance
