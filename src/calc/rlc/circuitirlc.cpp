// Two circuits of the same resistance, inductance and capacitance at one
// frequency: all three in series, and L and C in series with R across them.
// Reactances, total reactance, both impedances and the phase shift, with
// its own constants and the frequency and the angle in single precision.
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "threeelement.h"

#include <cmath>

namespace etero::rlc {

namespace {

const std::vector<std::string> kResults{
    "lblanticipo",       "lblreattanzaInduttiva", "lblreattanzaCapacitiva", "lblreattanzatotale",
    "lblImpedenzaserie", "lblimpedenzaparallelo", "lblsfasamento"};

class FrmCircuitiRLC : public circuits::NetworkForm {
  public:
    FrmCircuitiRLC() : NetworkForm("frmCircuitiRLC") {}

  protected:
    void design() override {
        window("CALCOLO IMPEDENZA DI CIRCUITI CON R L C");
        label("Label5", "CONOSCENDO IL VALORE DELLA RESISTENZA, DELL' INDUTTANZA, DELLA "
                        "CAPACITA' E DELLA FREQUENZA, SI PUO' RICAVARE IL VALORE DELL' "
                        "IMPEDENZA TOTALE DEL CIRCUITO")
            .as(Role::Hint);
        field("Label1", "FREQUENZA in MHz :", "txtF", "campo obbligato");
        field("Label2", "INDUTTANZA in microH :", "txtL");
        field("Label3", "CAPACITA' in pF :", "txtC", "campo obbligato");
        field("Label4", "RESISTENZA in Ohm :", "txtR");
        command("cmdcalcola", "CALCOLA", [this] {
            compute();
        }).tip("CALCOLA IL VALORE DELL'IMPEDENZA");
        for (const std::string& name : kResults)
            result(name);
        schematic();
        closeCommand("cmdesci", "E S C I").tip("ESCE DALL'APPLICAZIONE");
        // The results stay when an input changes, until the next computation.
    }

    // The window's size; left free, its position centres it on the screen.
    void load() override { windowSize(8595, 6840); }

  private:
    // "R L C in serie" on the left, "L C in parallelo a R" on the right.
    void schematic() {
        label("Label6", "R L C in serie").as(Role::OnDrawing).font(0, true);
        label("Label7", "L C in parallelo a R").as(Role::OnDrawing).font(0, true);
        Drawing& d = drawing(640, 160);
        d.line(320, 0, 320, 150).dashed = true;
        auto letter = [&](double x, double y, const char* s) { d.text(x, y, s, 10).bold = true; };

        d.slot("Label6", 0, 4, 310, 20, SlotAlign::Centre);
        const double y = 95;
        leads(d, 60, 260, y);
        d.resistor(60, y, 60, Dir::Right);
        d.inductor(120, y, 80, Dir::Right);
        d.capacitor(200, y, 60, Dir::Right);
        letter(90, y - 25, "R");
        letter(160, y - 25, "L");
        letter(230, y - 25, "C");

        d.slot("Label7", 330, 4, 310, 20, SlotAlign::Centre);
        const double left = 390, right = 570, top = 60, bottom = 130;
        parallelEnds(d, left, right, top, bottom);
        d.inductor(left, top, 90, Dir::Right);
        d.capacitor(left + 90, top, 90, Dir::Right);
        d.resistor(left, bottom, right - left, Dir::Right);
        letter(left + 45, top - 25, "L");
        letter(left + 135, top - 25, "C");
        letter((left + right) / 2, bottom + 20, "R");
    }

    void compute() {
        // The results stay while the inputs change; a refused or failed
        // computation takes away those of the previous one, which no longer
        // belong to the inputs shown.
        blank(kResults);
        f = static_cast<float>(num("txtF"));
        L = num("txtL");
        C = num("txtC");
        R = num("txtR");
        if (!required(f * L * C * R, "txtR")) return;
        xl = formatPattern(f * 6.283184 * L, "#,##0.##");
        xc = formatPattern(159190 / (f * C), "#,##0.##");
        // The total from the two reactances as shown.
        X = parseLocale(xl) - parseLocale(xc);
        zs = formatPattern(std::sqrt(R * R + X * X), "#,##0.##");
        Zp = std::abs(roundThroughPattern(R * X / std::sqrt(R * R + X * X), "#,##0.##"));
        phase = static_cast<float>(std::atan(X / R));
        phase = static_cast<float>(
            roundThroughPattern(static_cast<double>(phase) * 180 / 3.141592, "##0.##"));

        caption("lblanticipo", X > 0    ? "TENSIONE IN ANTICIPO SULLA CORRENTE"
                               : X == 0 ? "CONDIZIONE DI RISONANZA"
                                        : "TENSIONE IN RITARDO SULLA CORRENTE");
        caption("lblreattanzaInduttiva", "REATTANZA INDUTTIVA = " + xl + " OHM");
        caption("lblreattanzaCapacitiva", "REATTANZA CAPACITIVA = " + xc + " OHM");
        caption("lblreattanzatotale", "REATTANZA TOTALE = " + formatPattern(X, "#,##0.#") + " OHM");
        caption("lblImpedenzaserie", "IMPEDENZA TOT. SERIE = " + zs + " OHM");
        caption("lblimpedenzaparallelo", "IMPEDENZA TOT. PARALLELO = " + formatLocale(Zp) + " OHM");
        caption("lblsfasamento", "LO SFASAMENTO E' DI : " + formatLocale(phase) + " gradi");
    }

    float f = 0; // MHz, single precision from the moment it is read
    double L = 0, C = 0, R = 0;
    std::string xl, xc, zs; // the reactances and the series impedance, as shown
    double X = 0, Zp = 0;
    float phase = 0; // degrees, as shown
};

ETERO_FORM(FrmCircuitiRLC, "frmCircuitiRLC");

} // namespace

} // namespace etero::rlc
