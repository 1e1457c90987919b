// Three worked examples of quarter-wave matching sections cut from 52 or
// 75 ohm cable, fed by a 52 ohm line: the length of the sections and the
// load each arrangement matches, recomputed as the frequency is typed.
#include "lines.h"
#include "shell/app/registry.h"
#include "shell/form/form.h"

#include <string>

namespace etero::lines {

namespace {

enum class Load { Unbalanced, Balanced };
enum class Wiring { Joined, Apart };

// One example, 240 x 220: the load at the top, two quarter-wave sections
// below it, the 52 ohm feed at the bottom. The inner conductors meet at
// the top (Joined) or go to the two load terminals (Apart).
Drawing example(Load load, Wiring wiring) {
    const double xa = 95, xb = 145, top = 60, bottom = 150;
    Drawing d(240, 220);
    d.rect(60, 8, 120, 30);
    d.text(120, 23, load == Load::Balanced ? "BILANCIATO" : "SBILANCIATO", 8, Anchor::CentredOn);
    coaxDown(d, xa, top, bottom);
    coaxDown(d, xb, top, bottom);
    d.arrowLine(160, top, 160, bottom);
    if (wiring == Wiring::Apart) {
        d.line(xa, top - 8, xa, 38);
        d.line(xb, top - 8, xb, 38);
        d.line(xa + 7, top, xb - 7, top);
    } else {
        d.line(xa, top - 8, xb, top - 8);
        d.dot(120, top - 8);
        if (load == Load::Balanced) {
            d.line(100, top - 8, 100, 38);
            d.polyline({140, 38, 140, 44, 172, 44, 172, top + 4, xb + 7, top + 4});
        } else {
            d.line(120, top - 8, 120, 38);
            d.polyline({180, 23, 200, 23, 200, 64});
            d.ground(200, 64);
        }
    }
    // The sections meet the feed line: inner to inner, shield to shield.
    d.line(xa, bottom + 8, xb, bottom + 8);
    d.line(120, bottom + 8, 120, 164);
    d.line(xa + 7, bottom, xb - 7, bottom);
    d.line(128, bottom, 128, 172);
    d.dot(120, bottom + 8);
    coaxDown(d, 120, 172, 196);
    d.text(120, 212, "DISCESA SBILANCIATA 52 OHM", 7, Anchor::CentredOn);
    return d;
}

class EsempiAdattatori : public Form {
  public:
    EsempiAdattatori() : Form("frmesempiadattatori") {}

  protected:
    void design() override {
        window("ADATTATORI D'IMPEDENZA IN CAVO COASSIALE DI LUNGHEZZA PARI A 1/4 LAMBDA");
        layoutInTwips();
        windowSize(11880, 7080);
        frame("Frame1", " TIPO DI SPEZZONE").at(240, 120, 3480, 1200);
        option("Option1", 0, "52 OHM fatt.vel. 0.66").at(420, 540, 3120, 255);
        option("Option1", 1, "75 OHM fatt.vel. 0.8").at(420, 900, 3120, 255);
        endFrame();
        field("Label1", "FREQUENZA in MHz", "txtfrequenza");
        control("Label1").at(4080, 390, 1680, 255);
        control("txtfrequenza").at(5820, 330, 1320, 315);
        command("cmdchiamacavi", "CAVI COASSIALI", [this] {
            openForm("frmcaviRG", Mode::Modeless);
        }).at(7800, 270, 1920, 435);
        closeCommand("cdmesci", "C H I U D I").at(9840, 5820, 1800, 435);
        label("Label2", "USARE IL PUNTO PER SEPARARE I DECIMALI")
            .as(Role::Hint)
            .at(4080, 840, 5400, 255);

        // The three examples side by side, each length on its sections.
        picture("Image1", example(Load::Unbalanced, Wiring::Joined)).at(kLeft[0], kTop, 3600, 3300);
        picture("Image2", example(Load::Balanced, Wiring::Apart)).at(kLeft[1], kTop, 3600, 3300);
        picture("Image3", example(Load::Balanced, Wiring::Joined)).at(kLeft[2], kTop, 3600, 3300);
        for (int i = 0; i < 3; ++i)
            label(lengthLabel(i), "1/4 LAMBDA").at(kLeft[i] + 2490, kTop + 1455, 1080, 255);
        frame("Frame2").at(240, 4860, 11400, 720);
        for (int i = 0; i < 3; ++i)
            result(loadLabel(i)).at(kLeft[i] + 600, 5100, 2400, 300);
        endFrame();

        onOption("Option1", [this](int index) { chooseCable(index); });
        onChange("txtfrequenza", [this] { compute(); });
    }

  private:
    static constexpr int kLeft[3] = {240, 4140, 8040};
    static constexpr int kTop = 1440;

    static std::string lengthLabel(int i) { return "lbllunghezza" + std::to_string(i + 1); }
    static std::string loadLabel(int i) { return "lblzant" + std::to_string(i + 1); }

    void chooseCable(int index) {
        text("txtfrequenza", "");
        hide("Frame2");
        if (index == 0) {
            v = 0.66;
            Z = 52;
        } else {
            v = 0.8;
            Z = 75;
        }
    }

    void compute() {
        f = num("txtfrequenza");
        if (f <= 0) {
            hide("Frame2");
            for (int i = 0; i < 3; ++i)
                hide(lengthLabel(i));
            return;
        }
        L = quarterWave(f, v);
        // Two sections in parallel halve the cable's impedance, in series double it.
        Z1 = intFloor((Z / 2) * (Z / 2) / 52);
        Z2 = intFloor((2 * Z) * (2 * Z) / 52);
        Z3 = intFloor((Z / 2) * (Z / 2) / 52);
        const std::string length = formatLocale(L) + " mt.";
        for (int i = 0; i < 3; ++i)
            caption(lengthLabel(i), length);
        for (int i = 0; i < 3; ++i)
            show(lengthLabel(i));
        show("Frame2");
        caption("lblzant1", formatLocale(Z1) + " OHM");
        caption("lblzant2", formatLocale(Z2) + " OHM");
        caption("lblzant3", formatLocale(Z3) + " OHM");
    }

    double v = 0, Z = 0; // the chosen cable: velocity factor, impedance
    double f = 0, L = 0, Z1 = 0, Z2 = 0, Z3 = 0;
};

ETERO_FORM(EsempiAdattatori, "frmesempiadattatori");

} // namespace

} // namespace etero::lines
