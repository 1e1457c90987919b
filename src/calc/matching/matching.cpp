#include "matching.h"

#include "shell/number/number.h"

#include <cmath>

namespace etero::matching {

void drawPart(Drawing& d, Part p, double x, double y, double length, Dir dir) {
    if (p == Part::Capacitor)
        d.capacitor(x, y, length, dir);
    else
        d.inductor(x, y, length, dir);
}

void MatchingForm::openFromCorner(const std::string& companion) {
    openBeside(companion, 180, 180);
}

void MatchingForm::piInputs(const char* qCaption, std::function<void()> compute) {
    field("Label1", "IMPEDENZA IN ENTRATA in OHM", "txtinput", "Zin > Zout  e < 6000");
    field("Label2", " IMPEDENZA D'USCITA  in OHM", "txtout", "Zin > Zout").initial("50");
    field("Label3", qCaption, "txtq").initial("12.3");
    field("Label4", "FREQUENZA DI LAVORO in MHz", "txtfrequenza");
    command("cmdcalcola", "CALCOLA", std::move(compute));
}

void MatchingForm::piSchematic() {
    label("lblzin", "INPUT").as(Role::OnDrawing);
    label("lblc1", "C1").as(Role::OnDrawing);
    label("lbll", "INDUTTANZA").as(Role::OnDrawing);
    label("lblc2", "C2").as(Role::OnDrawing);
    label("lblzout", "OUTPUT").as(Role::OnDrawing);
    // Shunt C1 at the input, the series inductor, shunt C2 at the output.
    const double top = 50, bottom = 150, in = 20, x1 = 130, x2 = 410, out = 520;
    Drawing& d = drawing(540, 170);
    d.terminal(in - 3, top);
    d.terminal(in - 3, bottom);
    d.line(in, top, 200, top);
    d.inductor(200, top, 140, Dir::Right);
    d.line(340, top, out, top);
    d.line(in, bottom, out, bottom);
    d.capacitor(x1, top, bottom - top, Dir::Down);
    d.capacitor(x2, top, bottom - top, Dir::Down);
    d.terminal(out + 3, top);
    d.terminal(out + 3, bottom);
    for (double x : {x1, x2}) {
        d.dot(x, top);
        d.dot(x, bottom);
    }
    d.slot("lblzin", in + 6, 91, 96, 18);
    d.slot("lblc1", x1 + 14, 91, 110, 18);
    d.slot("lbll", 170, 12, 200, 18, SlotAlign::Centre);
    d.slot("lblc2", x2 - 124, 91, 110, 18, SlotAlign::Right);
    d.slot("lblzout", x2 + 14, 91, 96, 18, SlotAlign::Right);
}

std::optional<MatchingForm::PiReactances> MatchingForm::piReactances(double Zin, double Zout,
                                                                     double Q, double f) {
    if (Zin * Zout * Q * f <= 0) {
        missingData("txtinput");
        return std::nullopt;
    }
    if (Zin <= Zout) {
        warn("IMPEDENZA INPUT SEMPRE > IMPEDENZA OUT", kErrorTitle);
        focus("txtinput");
        return std::nullopt;
    }
    const double Qmin = std::sqrt(Zin / Zout - 1);
    if (Q < Qmin) {
        warn("FATTORE DI MERITO Q TROPPO BASSO", kErrorTitle);
        focus("txtq");
        return std::nullopt;
    }
    // At exactly the lowest Q the network degenerates (X2 would divide by
    // zero): nothing is computed and nothing is said.
    if (Q == Qmin) return std::nullopt;

    PiReactances x;
    x.X1 = Zin / Q;
    x.X2 = Zout / std::sqrt((Zout / Zin) * (1 + Q * Q) - 1);
    x.XL = Zin * (Q + Zout / x.X2) / (Q * Q + 1);
    return x;
}

void MatchingForm::showPiInductance(const std::string& L) {
    if (parseLocale(L) < 1) {
        const double nano = parseLocale(L) * 1000;
        caption("lblbobina", "L'INDUTTANZA E' " + formatLocale(nano) + " nanoHENRY");
        caption("lbll", formatLocale(nano) + " nanoH");
    } else {
        caption("lblbobina", "L'INDUTTANZA E' " + L + "  " + kMicro + "HENRY");
        caption("lbll", L + kMicro + "H");
    }
}

void MatchingForm::showPiCapacitors(const std::string& C1, const std::string& C2, double Zin,
                                    double Zout) {
    show("Frame1");
    caption("lblprimoc", "IL PRIMO CONDENSATORE E' pF " + C1);
    caption("lblsecondoc", "IL SECONDO CONDENSATORE E' pF " + C2);
    caption("lblc1", C1 + " pF");
    caption("lblc2", C2 + " pF");
    caption("lblzin", formatLocale(Zin) + " OHM");
    caption("lblzout", formatLocale(Zout) + " OHM");
}

void TappedForm::designTapped(const Layout& layout) {
    layout_ = layout;
    window(layout.window);
    field("Label1", "IMPEDENZA INPUT in OHM", "txtin", "IMPEDENZA INPUT < OUTPUT");
    field("Label2", "IMPEDENZA OUTPUT in OHM", "txtout", "IMPEDENZA OUTPUT > INPUT");
    field("Label3", "FREQUENZA in MHz", "txtfrequenza", "IMPEDENZA INPUT < OUTPUT");
    field("Label4", layout.qCaption, "txtq", "Q=Fcb/Bw   Q=Fcb/(F2 - F1)");
    command("cmdcalcola", "C A L C O L A", [this] { compute(); });

    label("lblz1").as(Role::OnDrawing);
    label("lblz2").as(Role::OnDrawing);
    label(layout.upper).as(Role::OnDrawing);
    label(layout.lower).as(Role::OnDrawing);
    label(layout.singleLabel).as(Role::OnDrawing);

    // The input across the single element and the whole divided one, the
    // output from the tap to the common rail.
    const double top = 30, tap = 110, bottom = 190, in = 20, xs = 128, xd = 330, out = 520;
    Drawing& d = drawing(540, 210);
    d.terminal(in - 3, top);
    d.terminal(in - 3, bottom);
    d.line(in, top, xd, top);
    d.line(in, bottom, out, bottom);
    drawPart(d, layout.single, xs, top, bottom - top, Dir::Down);
    drawPart(d, layout.divided, xd, top, tap - top, Dir::Down);
    drawPart(d, layout.divided, xd, tap, bottom - tap, Dir::Down);
    d.line(xd, tap, out, tap);
    d.terminal(out + 3, tap);
    d.terminal(out + 3, bottom);
    d.dot(xs, top);
    d.dot(xs, bottom);
    d.dot(xd, tap);
    d.dot(xd, bottom);
    // The single element's label has the room up to the divided element:
    // the tapped capacitor writes its inductance with a long prefix.
    d.slot("lblz1", in + 8, 101, 92, 18);
    d.slot(layout.singleLabel, xs + 14, 101, xd - xs - 22, 18);
    d.slot(layout.upper, xd + 14, 61, 90, 18);
    d.slot(layout.lower, xd + 14, 141, 90, 18);
    d.slot("lblz2", 436, 141, 78, 18, SlotAlign::Right);

    label("Label5", "FORMULE UTILI :   Q=Fo/Bw   Q=Fo/(F2 - F1)").as(Role::Hint);
    label("Label6", "FORMULE EMPIRICHE APPROSSIMATE").as(Role::Hint);
    label("Label7", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO").as(Role::Hint);
    label("Label8", layout.note).as(Role::Hint);
    command("cmdchiamabobine", "APRE COSTRUZIONE BOBINE",
            [this] { openForm("frmbobine", Mode::Modeless); });
    closeCommand("cmdesci", "E S C I");

    // Only a new frequency blanks the elements; the impedances stay.
    onChange("txtfrequenza", [this] {
        blank({layout_.upper, layout_.lower, layout_.singleLabel});
    });
}

void TappedForm::compute() {
    Zin = num("txtin");
    Zout = num("txtout");
    f = num("txtfrequenza");
    Q = num("txtq");
    if (Zin * Zout * f * Q <= 0) {
        message(kMissingData, kErrorTitle);
        return focus("txtin");
    }
    if (Zin <= Zout) {
        message("Impedenza input sempre > impedenza output", kErrorTitle);
        return focus("txtin");
    }
    if (Q < 10) {
        message("FATTORE DI MERITO TROPPO BASSO", kErrorTitle);
        return focus("txtq");
    }
    B = f / Q;
    C = 1 / (6.28 * B * Zin);
    L = 1 / ((6.28 * f) * (6.28 * f) * C);
    N = std::sqrt(Zin / Zout);
    Qr = Q / N;
    divide();
}

double TappedForm::tapQ() const {
    return std::sqrt((Q * Q + 1) / (N * N) - 1);
}

void TappedForm::showImpedances() {
    caption("lblz1", formatLocale(Zin) + " Ohm");
    caption("lblz2", formatLocale(Zout) + " Ohm");
}

} // namespace etero::matching
