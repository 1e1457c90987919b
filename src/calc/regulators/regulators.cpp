#include "regulators.h"

#include "shell/number/number.h"

namespace etero::regulators {

Pins regulatorBox(Drawing& d, double x, double y, const char* in, const char* common,
                  const char* out) {
    d.rect(x, y, 90, 60).penWidth = 2;
    d.text(x + 9, y + 20, in, 8, Anchor::CentredOn);
    d.text(x + 45, y + 50, common, 8, Anchor::CentredOn);
    d.text(x + 81, y + 20, out, 8, Anchor::CentredOn);
    return {x, y + 20, x + 90, y + 20, x + 45, y + 60};
}

void capacitorDown(Drawing& d, double x, double top, double bottom, const std::string& value,
                   int side) {
    d.capacitor(x, top, bottom - top, Dir::Down);
    d.text(x + side * 16, (top + bottom) / 2, value, 8, static_cast<Anchor>(side));
    d.dot(x, top);
    d.dot(x, bottom);
}

void diode(Drawing& d, double x1, double y1, double x2, double y2) {
    const double mx = (x1 + x2) / 2, my = (y1 + y2) / 2, half = 8;
    // Unit steps along the run (ax, ay) and across it (bx, by).
    const double length = (x2 - x1) + (y2 - y1) >= 0 ? 1 : -1;
    const double ax = x1 == x2 ? 0 : length, ay = x1 == x2 ? length : 0;
    const double bx = ay, by = ax;
    d.line(x1, y1, mx - ax * half, my - ay * half);
    Shape& body = d.polyline({mx - ax * half + bx * half, my - ay * half + by * half,
                              mx - ax * half - bx * half, my - ay * half - by * half,
                              mx + ax * half, my + ay * half});
    body.filled = true;
    d.line(mx + ax * half + bx * half, my + ay * half + by * half, mx + ax * half - bx * half,
           my + ay * half - by * half)
        .penWidth = 2;
    d.line(mx + ax * half, my + ay * half, x2, y2);
}

// ------------------------------------------------------------------ 78xx --

void Form78xx::design78xx(const char* extraNote) {
    window("INTEGRATI STABILIZZATORI DELLA SERIE 78xx");
    frame("Frame1", "SIGLA ");
    options("Option1", 0, {"7805", "7808", "7812", "7815", "7818", "7824"});
    endFrame();
    field("Label1", "TENSIONE DESIDERATA IN USCITA :", "txtvu");
    command("cmdcalcola", "CALCOLA", [this] { compute(); });

    label("lblvin", "V. In").as(Role::OnDrawing);
    label("lbl78xx", "78xx").as(Role::OnDrawing);
    label("lblr1", "R1").as(Role::OnDrawing);
    label("lblr2", "R2").as(Role::OnDrawing);
    label("Label7", "10 microF").as(Role::OnDrawing).hidden();
    label("lblvout", "V. Out").as(Role::OnDrawing);
    // Input capacitors, the regulator, R1 from its output to its common pin
    // and R2 from there to ground (with 10 µF across R2 once computed), the
    // output capacitors.
    const double rail = 60, node = 130, ground = 200;
    Drawing& d = drawing(640, 230);
    d.terminal(17, rail);
    d.line(20, rail, 210, rail);
    d.terminal(17, ground);
    d.line(20, ground, 620, ground);
    d.terminal(623, ground);
    d.ground(330, ground);
    capacitorDown(d, 60, rail, ground, "2.000 uF");
    capacitorDown(d, 160, rail, ground, "100 nF");
    const Pins p = regulatorBox(d, 210, 40, "E", "M", "U");
    d.line(p.outX, p.outY, 620, rail);
    d.terminal(623, rail);
    d.resistor(350, rail, node - rail, Dir::Down);
    d.resistor(350, node, ground - node, Dir::Down);
    d.dot(350, rail);
    d.dot(350, node);
    d.dot(350, ground);
    d.line(p.commonX, p.commonY, p.commonX, node);
    d.line(p.commonX, node, 350, node);
    capacitorDown(d, 500, rail, ground, "200 uF");
    capacitorDown(d, 570, rail, ground, "100 nF");
    d.shownWith("Label7");
    d.line(350, node, 420, node);
    capacitorDown(d, 420, node, ground, "");
    d.shownWith({});
    d.slot("lblvin", 4, 24, 160, 18);
    d.slot("lbl78xx", p.inX + 17, p.inY + 8, 56, 16, SlotAlign::Centre);
    d.slot("lblr1", 364, 86, 90, 18);
    d.slot("lblr2", 262, 156, 78, 18, SlotAlign::Right);
    d.slot("Label7", 434, 156, 60, 18);
    d.slot("lblvout", 460, 24, 170, 18, SlotAlign::Right);

    label("Label2", "ANCHE SE GLI INTEGRATI STABILIZZATORI DELLA SERIE 78xx SONO PREDISPOSTI PER "
                    "FORNIRE IN USCITA VALORI STANDARD DI TENSIONE E' POSSIBILE OTTENERE VALORI  "
                    "MAGGIORI DI QUELLI PREFISSATI")
        .as(Role::Hint);
    label("Label3", "IN PRATICA CONVIENE EVITARE VARIAZIONI ECCESSIVAMENTE AMPIE RIMANENDO "
                    "NELL'AMBITO DI UNA TENSIONE STANDARD E L'ALTRA. INOLTRE IL VALORE DI R2 NON "
                    "DOVREBBE SUPERARE QUELLO DI R1")
        .as(Role::Hint);
    if (extraNote) label("Label4", extraNote).as(Role::Hint);
    closeCommand("cmdesci", "E S C I");

    onOption("Option1", [this](int index) { choose(index); });
}

void Form78xx::choose(int index) {
    static constexpr float kVolts[] = {5, 8, 12, 15, 18, 24};
    static constexpr const char* kTypes[] = {"7805", "7808", "7812", "7815", "7818", "7824"};
    if (index < 0 || index > 5) return;
    V0 = kVolts[index];
    caption("lbl78xx", kTypes[index]);
    // The divider and the voltages on the schematic belonged to the other
    // regulator: all of them go back to their names, not R1 and R2 alone.
    schematicAsDesigned();
    text("txtvu", "");
}

void Form78xx::compute() {
    const double Vu = num("txtvu");
    // A refused voltage leaves no result of an earlier one on the schematic.
    schematicAsDesigned();
    if (Vu <= V0 || Vu > 35) {
        warn(kNotCongruous, kErrorTitle);
        return focus("txtvu");
    }
    const Divider r = divider(Vu);
    caption("lblr1", r.R1 + " Ohm");
    caption("lblr2", formatLocale(r.R2) + " Ohm");
    caption("lblvout", formatLocale(Vu) + " Volt Out");
    caption("lblvin", formatLocale(1.4 * Vu) + " Volt Input");
    show("Label7");
}

void Form78xx::schematicAsDesigned() {
    caption("lblr1", "R1");
    caption("lblr2", "R2");
    caption("lblvin", "V. In");
    caption("lblvout", "V. Out");
    hide("Label7");
}

// ----------------------------------------------------------------- LM317 --

void FormLm317::lm317Schematic(bool trimmer) {
    label("lblvin", "V. In").as(Role::OnDrawing);
    label("lblr1", "R1").as(Role::OnDrawing);
    label("lblr2", "R2").as(Role::OnDrawing);
    if (trimmer) label("lbltrimmer", "TRIMMER").as(Role::OnDrawing);
    label("lblvout", "V. Out").as(Role::OnDrawing);
    // Input capacitors, the regulator with its protection diodes (output to
    // input, adjust to output), R1 from the output to the adjust pin, R2
    // (and the trimmer) from there to ground with the adjust capacitor
    // across, the output capacitors.
    const double rail = 60, node = 150, ground = 230;
    Drawing& d = drawing(720, 260);
    d.terminal(17, rail);
    d.line(20, rail, 240, rail);
    d.terminal(17, ground);
    d.line(20, ground, 700, ground);
    d.terminal(703, ground);
    d.ground(300, ground);
    capacitorDown(d, 60, rail, ground, "2.200 microF");
    capacitorDown(d, 170, rail, ground, "100 nF");
    const Pins p = regulatorBox(d, 240, 40, "E", "R", "U");
    d.line(p.outX, p.outY, 700, rail);
    d.terminal(703, rail);
    d.line(220, rail, 220, 20);
    diode(d, 360, 20, 220, 20);
    d.line(360, 20, 360, rail);
    d.dot(220, rail);
    d.dot(360, rail);
    d.resistor(390, rail, node - rail, Dir::Down);
    d.dot(390, rail);
    d.line(p.commonX, p.commonY, p.commonX, node);
    d.line(p.commonX, node, 500, node);
    d.dot(390, node);
    if (trimmer) {
        const double mid = (node + ground) / 2;
        d.resistor(390, node, mid - node, Dir::Down);
        d.resistor(390, mid, ground - mid, Dir::Down);
        // The trimmer's wiper: an arrow across its body.
        d.line(376, mid + 30, 404, mid + 10).penWidth = 1;
        Shape& head = d.polyline({404, mid + 10, 395, mid + 12, 400, mid + 18});
        head.filled = true;
        head.penWidth = 1;
        d.slot("lblr2", 296, (node + mid) / 2 - 9, 80, 18, SlotAlign::Right);
        d.slot("lbltrimmer", 296, (mid + ground) / 2 - 9, 80, 18, SlotAlign::Right);
    } else {
        d.resistor(390, node, ground - node, Dir::Down);
        d.slot("lblr2", 296, (node + ground) / 2 - 9, 80, 18, SlotAlign::Right);
    }
    d.dot(390, ground);
    diode(d, 440, node, 440, rail);
    d.dot(440, node);
    d.dot(440, rail);
    capacitorDown(d, 500, node, ground, "220 microF", -1);
    capacitorDown(d, 560, rail, ground, "220 microF");
    capacitorDown(d, 650, rail, ground, "100 nF");
    d.slot("lblvin", 4, 30, 160, 18);
    d.slot("lblr1", 296, 112, 80, 18, SlotAlign::Right);
    d.slot("lblvout", 540, 24, 170, 18, SlotAlign::Right);
}

void FormLm317::showInputs(double optimal, double highest) {
    caption("lblvmax", "LA TENSIONE OTTIMALE IN ENTRATA E' " + formatLocale(optimal) +
                           " VOLT   -  LA MASSIMA APPLICABILE E' " + formatLocale(highest) +
                           " VOLT");
    show("lblvmax");
}

void FormLm317::schematicAsDesigned() {
    caption("lblr1", "R1");
    caption("lblr2", "R2");
    if (hasControl("lbltrimmer")) caption("lbltrimmer", "TRIMMER");
    caption("lblvin", "V. In");
    caption("lblvout", "V. Out");
    caption("lblvmax", "");
    hide("lblvmax");
}

} // namespace etero::regulators
