#include "bandfilters.h"

#include "shell/number/number.h"

namespace etero::bandfilters {

// ---------------------------------------------------------- drawing arms --

namespace {

constexpr double kTankHalf = 16; // half the distance between the two branches of a tank
constexpr double kTankLead = 20; // the lead from a rail to where a tank splits

} // namespace

void shuntTank(Drawing& d, double x, double top, double bottom, bool capacitorLeft) {
    const double a = top + kTankLead, b = bottom - kTankLead;
    const double xc = capacitorLeft ? x - kTankHalf : x + kTankHalf;
    const double xl = capacitorLeft ? x + kTankHalf : x - kTankHalf;
    d.wire(x, top, x, a);
    d.wire(x - kTankHalf, a, x + kTankHalf, a);
    d.capacitor(xc, a, b - a, Dir::Down);
    d.inductor(xl, a, b - a, Dir::Down);
    d.wire(x - kTankHalf, b, x + kTankHalf, b);
    d.wire(x, b, x, bottom);
    d.dot(x, top);
    d.dot(x, bottom);
}

void seriesTank(Drawing& d, double x1, double x2, double y) {
    const double up = y - 20, down = y + 20, lead = 20;
    d.wire(x1, up, x1, down);
    d.wire(x2, up, x2, down);
    d.wire(x1, up, x1 + lead, up);
    d.inductor(x1 + lead, up, x2 - x1 - 2 * lead, Dir::Right);
    d.wire(x2 - lead, up, x2, up);
    d.wire(x1, down, x1 + lead, down);
    d.capacitor(x1 + lead, down, x2 - x1 - 2 * lead, Dir::Right);
    d.wire(x2 - lead, down, x2, down);
    d.dot(x1, y);
    d.dot(x2, y);
}

void shuntSeries(Drawing& d, double x, double top, double bottom) {
    const double length = bottom - top;
    const double a = top + 0.2 * length, m = top + 0.55 * length, b = top + 0.9 * length;
    d.wire(x, top, x, a);
    d.inductor(x, a, m - a, Dir::Down);
    d.capacitor(x, m, b - m, Dir::Down);
    d.wire(x, b, x, bottom);
    d.dot(x, top);
    d.dot(x, bottom);
}

void rails(Drawing& d, double in, double out, double top, double bottom) {
    d.wire(in, bottom, out, bottom);
    for (double x : {in, out}) {
        d.terminal(x, top);
        d.terminal(x, bottom);
    }
}

// ------------------------------------------------------- notch designers --

void NotchDesigner::design() {
    const NotchTexts& t = texts_;
    window(t.window);
    field("Label1", t.impedanceCaption, "txtr", "MAX 600 OHMS").initial("50");
    field("Label2", t.lowerCaption, "txtf1");
    field("Label3", t.upperCaption, "txtf2", "MAX 600 KHz");
    if (t.notes) {
        label("Label6", "TIPICAMENTE IL CAMPO DI UTILIZZO NON SUPERA I 500 kHz").as(Role::Hint);
        label("Label7", kDecimalsHint).as(Role::Hint);
    }
    schematic();
    command("cmdcalcola", "C A L C O L A", [this] { compute(); });
    command("cmdchiamabobine", "COSTRUZIONE BOBINE",
            [this] { openBeside("frmbobine", 180, 250, 8000, 6250); });
    closeCommand("cmdchiudi", "C H I U D I");
}

std::vector<std::string> NotchDesigner::elementLabels() const {
    return {"lbltl1", "lbltl2",   "lbltc1(0)", "lbltc1(1)", "lbltc2",
            "lblpl1", texts_.pl2, "lblpc1",    texts_.pc2};
}

// The T section on the left, the π section on the right, each value written
// at its element; the labels of a pair of equal elements stand between them.
void NotchDesigner::schematic() {
    label("Label4", "FILTRO NOTCH TIPO T").as(Role::OnDrawing).font(0, true);
    label("Label5", "FILTRO NOTCH TIPO PI GRECO").as(Role::OnDrawing).font(0, true);
    for (const std::string& name : elementLabels())
        label(name).as(Role::OnDrawing);

    Drawing& d = drawing(820, 310);
    const double top = 100, bottom = 300;
    d.line(410, 0, 410, bottom).dashed = true;

    // T: two series tanks, the series inductor and capacitor to the common rail.
    d.slot("Label4", 0, 4, 400, 20, SlotAlign::Centre);
    d.wire(15, top, 40, top);
    seriesTank(d, 40, 160, top);
    d.wire(160, top, 240, top);
    seriesTank(d, 240, 360, top);
    d.wire(360, top, 385, top);
    shuntSeries(d, 200, top, bottom);
    rails(d, 15, 385, top, bottom);
    d.slot("lbltl1", 110, 46, 180, 18, SlotAlign::Centre);
    d.slot("lbltc1(0)", 30, 130, 140, 18, SlotAlign::Centre);
    d.slot("lbltc1(1)", 230, 130, 140, 18, SlotAlign::Centre);
    d.slot("lbltl2", 216, 166, 180, 18);
    d.slot("lbltc2", 216, 236, 180, 18);

    // π: one series tank between two shunt arms of an inductor and a capacitor.
    const double x = 420;
    d.slot("Label5", x, 4, 400, 20, SlotAlign::Centre);
    d.wire(x + 15, top, x + 140, top);
    seriesTank(d, x + 140, x + 260, top);
    d.wire(x + 260, top, x + 385, top);
    shuntSeries(d, x + 70, top, bottom);
    shuntSeries(d, x + 330, top, bottom);
    rails(d, x + 15, x + 385, top, bottom);
    d.slot("lblpl1", x + 110, 46, 180, 18, SlotAlign::Centre);
    d.slot("lblpc1", x + 110, 130, 180, 18, SlotAlign::Centre);
    d.slot(texts_.pl2, x + 85, 166, 230, 18, SlotAlign::Centre);
    d.slot(texts_.pc2, x + 85, 236, 230, 18, SlotAlign::Centre);
}

void NotchDesigner::compute() {
    // The values stay while the inputs change; a refused or failed
    // computation takes away those of the previous one, which no longer
    // belong to the inputs shown.
    blank(elementLabels());
    R = num("txtr");
    f1 = frequency(num("txtf1"));
    f2 = frequency(num("txtf2"));
    if (R * f1 * f2 <= 0) return missingData("txtf1");
    if (f1 >= f2) {
        warn(kInverted, kErrorTitle);
        return focus("txtf1");
    }
    results(f2 - f1);
}

// ---------------------------------------------------- audio RC filters --

void AudioRcFilter::inputs(const char* frequencyCaption, const char* note) {
    field("Label1", frequencyCaption, "txtfrequenza");
    label("Label2", note).as(Role::Hint);
}

void AudioRcFilter::commandsFor(const std::vector<std::string>& capacitors,
                                const std::vector<std::string>& resistors) {
    capacitors_ = capacitors;
    resistors_ = resistors;
    command("cmdcalcola", "CALCOLA", [this] { compute(); });
    closeCommand("cmdesci", "E S C I");
    std::vector<std::string> all = capacitors;
    all.insert(all.end(), resistors.begin(), resistors.end());
    blankOnInputChange(all);
}

void AudioRcFilter::compute() {
    f = num("txtfrequenza");
    // The standard capacitor for the frequency, in pF; a frequency out of
    // range is replaced in the field by the limit it is computed with.
    double Cs = 0;
    if (f > 100000) {
        Cs = 660;
        text("txtfrequenza", "100000");
        f = 100000;
    } else if (f >= 50000) {
        Cs = 660;
    } else if (f >= 10000) {
        Cs = 800;
    } else if (f >= 5000) {
        Cs = 1500;
    } else if (f >= 1000) {
        Cs = 4700;
    } else if (f >= 500) {
        Cs = 15000;
    } else if (f >= 100) {
        Cs = 56000;
    } else if (f >= 10) {
        Cs = 220000;
    } else {
        Cs = 220000;
        text("txtfrequenza", "10");
        f = 10;
    }
    C = Cs / 1000;
    R = formatPattern(1000000 / (6.28 * f * C), "#,##0.#");
    for (const std::string& name : capacitors_)
        caption(name, formatLocale(C) + " nF");
    for (const std::string& name : resistors_)
        caption(name, R + " Kohm");
}

} // namespace etero::bandfilters
