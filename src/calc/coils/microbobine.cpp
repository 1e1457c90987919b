// Small air-wound VHF coil with spaced turns, both ways: the turns for an
// inductance, or the inductance of a number of turns, with the length of the
// coil and of the wire to cut. The lengths enter the formula in inches.
#include "coils.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero {

namespace {

using namespace coils;

class MicroBobine : public CoilDesigner {
  public:
    MicroBobine() : CoilDesigner("frmmicrobobine") {}

  protected:
    void design() override {
        window("CALCOLO BOBINE   V H F   DI PICCOLE DIMENSIONI IN ARIA");
        options("Option1", 0, {kFindTurns, kFindInductance});
        field("Label1", "diametro bobina in millimetri  (D)", "txtdiametrobobina")
            .tip("diametro del supporto");
        control("Label1").tip("calcolato al centro spira");
        field("Label2", "diametro filo in millimetri", "txtdiametrofilo")
            .tip("digitare un dato compatibile con la sezione del filo");
        field("Label3", "spazio spira/spira in millimetri  (Sp)", "txtspazio");
        field("lblinput", "", "txtinput");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lbloutput").hidden();
        result("lbllungbobina").hidden();
        result("lbllunghezzafilo").hidden();
        label("lbls", "sp").as(Role::OnDrawing);
        label("lbld", " D ").as(Role::OnDrawing);
        command("cmdaprebobineHF", "COSTRUZIONE  BOBINE HF",
                [this] { openForm("frmbobine", Mode::Modeless); });
        command("cmdchiamaawg", "CONVERSIONI AWG", [this] { openWireGauges(); });
        closeCommand("cmdesci", "E X I T");
        schematic();

        onOption("Option1", [this](int i) {
            caption("lblinput", inputCaption(i));
            clear("sp");
        });
        onChange("txtdiametrobobina", [this] { clear("S"); });
        for (const char* f : {"txtdiametrofilo", "txtspazio", "txtinput"})
            onChange(f, [this] { clear("Sp"); });
    }

  private:
    // A self-supporting coil with spaced turns, the gap between two turns and
    // the diameter marked.
    void schematic() {
        Drawing& d = drawing(400, 190);
        const double x0 = 130, length = 180, top = 60, bottom = 150, wire = 5;
        const int turns = 6;
        const double pitch = length / turns;
        helix(d, x0, length, top, bottom, turns, wire, false);
        // the two ends of the winding, brought out below
        Shape& a = d.polyline({x0, bottom, x0, bottom + 22, x0 - 40, bottom + 22});
        a.pen = kCopper;
        a.penWidth = wire;
        Shape& b = d.polyline(
            {x0 + length, bottom, x0 + length, bottom + 22, x0 + length + 40, bottom + 22});
        b.pen = kCopper;
        b.penWidth = wire;
        // the gap between the tops of the third and the fourth turn
        const double g1 = x0 + 2.5 * pitch + wire / 2, g2 = x0 + 3.5 * pitch - wire / 2;
        extension(d, g1, top - 4, g1, 28);
        extension(d, g2, top - 4, g2, 28);
        d.arrowLine(g1, 34, g2, 34);
        d.slot("lbls", (g1 + g2) / 2 - 60, 8, 120, 18, SlotAlign::Centre);
        // diameter on the left
        extension(d, x0 + pitch / 2 - 6, top, 70, top);
        extension(d, x0 - 6, bottom, 70, bottom);
        d.arrowLine(78, top, 78, bottom);
        d.slot("lbld", 0, (top + bottom) / 2 - 9, 74, 18, SlotAlign::Right);
    }

    // An input change or a mode change: the results go, the drawing shows
    // the letters again (the gap letter depends on what changed).
    void clear(const char* gapLetter) {
        hide("lbloutput");
        hide("lbllunghezzafilo");
        hide("lbllungbobina");
        caption("lbls", gapLetter);
        caption("lbld", " D ");
    }

    void compute() {
        const double D = num("txtdiametrobobina");
        const double d = num("txtdiametrofilo");
        const double X = num("txtinput");
        const double s = num("txtspazio");
        if (X * D * d * s <= 0) return missingData("txtinput");
        double N = 0;
        if (isOn("Option1(0)")) {
            const std::string turns =
                formatFixed(std::pow(1000 * X * std::pow(d / 25.4 + s / 25.4, 0.7) /
                                         (17 * std::pow(D / 25.4 + d / 25.4, 1.7)),
                                     1 / 1.3),
                            2);
            N = parseLocale(turns);
            caption("lbloutput", turns + " spire in aria ");
        } else {
            N = X;
            const std::string L =
                formatFixed(17 * std::pow(N, 1.3) * std::pow(D / 25.4 + d / 25.4, 1.7) /
                                (1000 * std::pow(d / 25.4 + s / 25.4, 0.7)),
                            6);
            const double value = parseLocale(L);
            if (value > 1)
                caption("lbloutput", std::string(kMicro) + "Henry :   " + L);
            else
                caption("lbloutput", "nano Henry :   " + formatLocale(value * 1000));
        }
        const double h = roundThroughFixed((d + s) * N - s, 1);
        caption("lbllungbobina", "lunghezza della bobina : " + formatLocale(h) + " mm");
        const double W = D / 10 * 3.14 * N;
        caption("lbllunghezzafilo", "lunghezza del conduttore : " + formatFixed(W, 2) + " cm.");
        caption("lbls", formatLocale(s) + " mm");
        caption("lbld", formatLocale(D) + " mm ");
        show("lbloutput");
        show("lbllunghezzafilo");
        show("lbllungbobina");
    }
};

ETERO_FORM(MicroBobine, "frmmicrobobine");

} // namespace

} // namespace etero
