#include "filters.h"

namespace etero::filters {

void drawElement(Drawing& d, Element e, double x, double y, double length, Dir dir) {
    if (e == Element::Capacitor)
        d.capacitor(x, y, length, dir);
    else
        d.inductor(x, y, length, dir);
}

namespace {

const char* letter(Element e) {
    return e == Element::Capacitor ? "C" : "L";
}

} // namespace

Drawing section(bool pi, Element series, Element shunt) {
    Drawing d(240, 130);
    const double top = 35, bottom = 110, in = 14, out = 226;
    auto shuntAt = [&](double x, int side) {
        drawElement(d, shunt, x, top, bottom - top, Dir::Down);
        d.dot(x, top);
        d.dot(x, bottom);
        d.text(x + side * 16, (top + bottom) / 2, letter(shunt), 10, static_cast<Anchor>(side))
            .bold = true;
    };
    auto seriesAt = [&](double x1, double x2) {
        drawElement(d, series, x1, top, x2 - x1, Dir::Right);
        d.text((x1 + x2) / 2, top - 22, letter(series), 10, Anchor::CentredOn).bold = true;
    };
    if (pi) {
        // shunt - series - shunt
        const double a = 62, b = 178;
        d.wire(in, top, a + 18, top);
        seriesAt(a + 18, b - 18);
        d.wire(b - 18, top, out, top);
        shuntAt(a, -1);
        shuntAt(b, 1);
    } else {
        // series - shunt - series
        const double mid = 120;
        d.wire(in, top, in + 16, top);
        seriesAt(in + 16, mid - 16);
        d.wire(mid - 16, top, mid + 16, top);
        seriesAt(mid + 16, out - 16);
        d.wire(out - 16, top, out, top);
        shuntAt(mid, 1);
    }
    d.wire(in, bottom, out, bottom);
    for (double x : {in, out}) {
        d.terminal(x, top);
        d.terminal(x, bottom);
    }
    return d;
}

// ------------------------------------------------- the section designer --

namespace {

// Where the pictures and their captions stand, in twips: the π section on the
// left, the T section on the right. The chosen T section moves into the place
// of the π section; the inputs then take the right part of the window.
constexpr int kPictureLeft = 240, kPictureTop = 840, kPictureWidth = 3600, kPictureHeight = 1950;
constexpr int kRightPictureLeft = 5160;
constexpr int kCaptionTop = 540, kCaptionHeight = 255;

} // namespace

void SectionDesigner::design() {
    const SectionTexts& t = texts_;
    window(t.window);
    layoutInTwips();
    windowSize(9360, 6000);

    picture("Image1", section(true, t.series, t.shunt))
        .tip("clicca su di me")
        .at(kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);
    picture("Image2", section(false, t.series, t.shunt))
        .tip("clicca su di me")
        .at(kRightPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);
    label("lblpigreco", t.piCaption)
        .tip("clicca sul circuito")
        .font(0, true)
        .at(kPictureLeft, kCaptionTop, kPictureWidth, kCaptionHeight);
    label("lblT", t.tCaption)
        .tip("clicca sul circuito")
        .font(0, true)
        .at(kRightPictureLeft, kCaptionTop, kPictureWidth, kCaptionHeight);
    label("lblistruzione", "PER I CALCOLI CLICCA SUL TIPO DI FILTRO PRESCELTO")
        .as(Role::Title)
        .at(240, 120, 8760, 315);

    // The inputs and the commands in the right part of the window, shown once
    // a section is chosen.
    field("lblfrequenza", t.frequencyCaption, "txtfrequenza").at(7560, 1020, 1440, 315);
    control("lblfrequenza").at(4320, 1080, 3180, 255);
    field("lblimpedenza", t.impedanceCaption, "txtimpedenza")
        .initial("50")
        .at(7560, 1500, 1440, 315);
    control("lblimpedenza").at(4320, 1560, 3180, 255);

    // The results below the picture, one above the other.
    result("lblinduttanza").at(kPictureLeft, 3000, 6000, 330);
    result("lblcapacità").at(kPictureLeft, 3420, 6000, 330);
    label("lblnota", t.note).as(Role::Hint).at(kPictureLeft, 3900, 8760, 480);

    command("cmdcalcola", "CALCOLA", [this] { compute(); }).at(4320, 2100, 1680, 450);
    command("cmdbobine", "DATI COSTRUZIONE BOBINE", [this] {
        coilDesigner();
    }).at(6120, 2100, 2880, 450);
    Control& exit = closeCommand("cmdesci", t.exitCaption);
    if (*t.exitCaption)
        exit.at(7560, 4620, 1440, 495);
    else
        exit.at(8280, 4560, 720, 615).picture = "exit";

    onClick("Image1", [this] { choosePi(); });
    onClick("Image2", [this] { chooseT(); });
}

void SectionDesigner::load() {
    show("lblistruzione");
    hide("lblfrequenza");
    hide("txtfrequenza");
    hide("lblimpedenza");
    hide("txtimpedenza");
    hide("lblinduttanza");
    hide("lblcapacità");
    hide("cmdcalcola");
    hide("cmdbobine");
    hide("lblnota");
}

void SectionDesigner::choosePi() {
    show("Image1");
    hide("Image2");
    show("lblpigreco");
    hide("lblT");
    hide("lblistruzione");
    inputsShown();
}

void SectionDesigner::chooseT() {
    hide("Image1");
    show("Image2");
    control("Image2").at(kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);
    control("lblT").at(kPictureLeft, kCaptionTop, kPictureWidth, kCaptionHeight);
    show("lblT");
    hide("lblpigreco");
    hide("lblistruzione");
    inputsShown();
}

// The inputs are designed in the right part of the window, where they are
// shown; the picture left standing is the section chosen.
void SectionDesigner::inputsShown() {
    show("lblfrequenza");
    show("txtfrequenza");
    show("lblimpedenza");
    show("txtimpedenza");
    show("cmdcalcola");
    show("cmdbobine");
    tooltip("Image1", "");
    focus("txtfrequenza");
}

void SectionDesigner::compute() {
    f = num("txtfrequenza");
    Z = num("txtimpedenza");
    const double product = f * Z;
    if (product == 0) return missingData("txtfrequenza");
    if (product < 0) return;
    show("lblinduttanza");
    show("lblcapacità");
    results(visible("Image1"));
    show("lblnota");
}

// This window to the top left corner, the coil designer beside it.
void SectionDesigner::coilDesigner() {
    openBeside("frmbobine", 180, 180, 4100, 2800);
}

} // namespace etero::filters
