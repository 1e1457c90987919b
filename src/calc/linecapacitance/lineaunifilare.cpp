// The capacitance and inductance per metre of a single overhead wire, the
// ground acting as the other conductor.
#include "linecapacitance.h"
#include "shell/app/registry.h"

namespace etero::linecapacitance {

namespace {

class LineaUnifilare : public LineForm {
  public:
    LineaUnifilare() : LineForm("frmlineaunifilare") {}

  protected:
    void design() override {
        window("CAPACITA' E INDUTTANZA DI UNA LINEA AEREA UNIFILARE");
        field("Label1", "DIAMETRO DEL FILO IN MILLIMETRI", "txtd");
        field("Label2", "ALTEZZA DAL SUOLO IN METRI", "txth");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblcap");
        result("lblind");
        label("Label3", "NELL'IPOTESI CHE L'ALTRO CONDUTTORE SIA COSTITUITO DALLA TERRA")
            .as(Role::Hint);
        schematic();
        closeCommand("cmdesci", "E S C I");

        blankOnInputChange({"lblcap", "lblind"});
    }

  private:
    // The wire seen end-on, d across, h above the ground.
    void schematic() {
        using namespace lineimpedance;
        Drawing& d = drawing(300, 230);
        const double x = 170, y = 80, r = 12, ground = 200;
        conductor(d, x, y, r);
        diameterAbove(d, x, y, r, 40, "d");
        plane(d, 20, 280, ground, true);
        heightOverGround(d, x - r, y, ground);
    }

    void compute() {
        d = num("txtd");
        h = num("txth");
        if (d <= 0 || h <= 0) {
            warn("DATI MANCANTI O NEGATIVI", kErrorTitle);
            return focus("txtd");
        }
        h = h * 1000;
        if (tooThick(4 * h / d, "DIAMETRO DEL FILO TROPPO GRANDE RISPETTO ALL'ALTEZZA DAL SUOLO"))
            return;
        const double x = log10Ln(4 * h / d);
        C = formatFixed(0.0242 / x * 1000, 1);
        L = roundThroughFixed((9.21 * x + 1) / 10, 1);
        caption("lblcap", "LA CAPACITA' DELLA LINEA E'  " + C + " pF PER METRO");
        caption("lblind", "L'INDUTTANZA DELLA LINEA E'  " + perMetre(L));
    }

    double d = 0;  // wire diameter, mm
    double h = 0;  // height over the ground, typed in m, then mm
    std::string C; // pF per metre, as shown
    double L = 0;  // µH per metre, rounded to one decimal
};

ETERO_FORM(LineaUnifilare, "frmlineaunifilare");

} // namespace

} // namespace etero::linecapacitance
