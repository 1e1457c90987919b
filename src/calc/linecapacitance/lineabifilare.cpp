// The capacitance and inductance per metre of an overhead two-wire line:
// between the wires, to the ground, and the two together.
#include "linecapacitance.h"
#include "shell/app/registry.h"

namespace etero::linecapacitance {

namespace {

class LineaBifilare : public LineForm {
  public:
    LineaBifilare() : LineForm("frmlineabifilare") {}

  protected:
    void design() override {
        window("CAPACITA' E INDUTTANZA DI UNA LINEA AEREA BIFILARE");
        field("Label1", "DIAMETRO DEL FILO IN MILLIMETRI", "txtd");
        field("Label2", "DISTANZA TRA I FILI IN MILLIMETRI", "txtdistanza");
        field("Label3", "DISTANZA DAL SUOLO  IN METRI", "txth");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblcd");
        result("lblct");
        result("lblc");
        result("lblind");
        label("Label4", "I DUE FILI DEVONO AVERE DIAMETRO UGUALE E LA DISTANZA DAL SUOLO SI "
                        "SUPPONE TALE  DA NON INFLUENZARE L'INDUTTANZA DELLA LINEA")
            .as(Role::Hint);
        schematic();
        closeCommand("cmdesci", "E S C I");

        blankOnInputChange({"lblcd", "lblct", "lblc", "lblind"});
    }

  private:
    // The two wires end-on, d across and D apart, h above the ground.
    void schematic() {
        using namespace lineimpedance;
        Drawing& d = drawing(340, 230);
        const double x1 = 150, x2 = 270, y = 80, r = 11, ground = 200;
        conductor(d, x1, y, r);
        conductor(d, x2, y, r);
        diameterAbove(d, x1, y, r, 40, "d");
        guide(d, x1, y + r, x1, 134);
        guide(d, x2, y + r, x2, 134);
        d.arrowLine(x1, 128, x2, 128);
        letter(d, (x1 + x2) / 2, 116, "D");
        plane(d, 20, 320, ground, true);
        heightOverGround(d, x1 - r, y, ground);
    }

    void compute() {
        d = num("txtd");
        D = num("txtdistanza");
        h = num("txth");
        h = h * 1000;
        if (d * D * h == 0) return missingData("txtd");
        if (d < 0 || D < 0 || h < 0) return;
        if (tooThick(2 * D / d,
                     "DIAMETRO DEL FILO TROPPO GRANDE RISPETTO ALLA DISTANZA TRA I FILI"))
            return;
        if (tooThick(4 * h / d, "DIAMETRO DEL FILO TROPPO GRANDE RISPETTO ALLA DISTANZA DAL SUOLO"))
            return;
        Cd = formatPattern(0.0121 / log10Ln(2 * D / d) * 1000, "#,##0.#");
        Ct = formatPattern(0.0242 / log10Ln(4 * h / d) * 1000, "#,##0.#");
        C = parseLocale(Cd) + parseLocale(Ct) / 2;
        L = roundThroughPattern((9.21 * log10Ln(2 * D / d) + 1) / 10, "#,##0.##");
        caption("lblcd", "LA CAPACITA' TRA I DUE FILI E'  " + Cd + " pF PER METRO");
        caption("lblct", "LA CAPACITA' VERSO TERRA E'  " + Ct + " pF PER METRO");
        caption("lblc", "LA CAPACITA' RISULTANTE E'  " + formatLocale(C) + " pF PER METRO");
        caption("lblind", "L'INDUTTANZA TRA I FILI E'  " + perMetre(L));
    }

    double d = 0;   // wire diameter, mm
    double D = 0;   // spacing of the wires, mm
    double h = 0;   // height over the ground, typed in m, then mm
    std::string Cd; // between the wires, pF per metre, as shown
    std::string Ct; // to the ground, pF per metre, as shown
    double C = 0;   // the two together, from the rounded values
    double L = 0;   // µH per metre, rounded to two decimals
};

ETERO_FORM(LineaBifilare, "frmlineabifilare");

} // namespace

} // namespace etero::linecapacitance
