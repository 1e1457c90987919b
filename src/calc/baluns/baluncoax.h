// The 1:1 coaxial balun: two sections of cable hang from the two halves of
// the dipole and join the feed line below, where their outputs meet in
// phase. Both sections are a quarter wave long, or one of them three
// quarters. The lengths follow every change of the frequency.
#pragma once

#include "calc/lines/lines.h"

#include "shell/form/form.h"
#include "shell/number/number.h"

namespace etero::baluns {

class CoaxBalun : public Form {
  public:
    // threeQuarter: the second section is three quarter waves long.
    CoaxBalun(std::string name, bool threeQuarter)
        : Form(std::move(name)), threeQuarter_(threeQuarter) {}

  protected:
    void design() override {
        window(threeQuarter_ ? "BALUN FORMATO DA SPEZZONI DI CAVO COASSIALE DA 1/4 E DA 3/4 LAMBDA"
                             : "BALUN FORMATO DA DUE SPEZZONI DI CAVO COASSIALE DA 1/4 LAMBDA");
        frame("Frame1", " TIPO DI SPEZZONE");
        options("Option1", 0, {"50 OHM fatt.vel. 0.66", "75 OHM fatt.vel. 0.8"});
        endFrame();
        field("Label1", "FREQUENZA in MHz", "txtfrequenza");
        label("Label2", "D I P O L O").as(Role::OnDrawing);
        label("Label3", "BILANCIATO").as(Role::OnDrawing);
        label("Label4", "CAVO DISCESA").as(Role::OnDrawing);
        label("Label5", "SBILANCIATO").as(Role::OnDrawing);
        result("lbllunghezza", "1/4 LAMBDA").as(Role::OnDrawing);
        if (threeQuarter_) result("lbllunghezza1", "3/4 LAMBDA").as(Role::OnDrawing);
        schematic();
        label("Label6", threeQuarter_
                            ? "SIMMETRIZZATORE RAPPORTO 1 : 1   CAVO DI DISCESA E ANTENNA "
                              "DEVONO AVERE LA STESSA IMPEDENZAI"
                            : "SIMMETRIZZATORE RAPPORTO 1 : 1    CAVO DI DISCESA E "
                              "ANTENNA DEVONO AVERE LA STESSA IMPEDENZA")
            .as(Role::Hint);
        command("cmdchiamacavi", "CAVI COASSIALI",
                [this] { openForm("frmcaviRG", Mode::Modeless); });
        closeCommand("cdmesci", "C H I U D I");

        onOption("Option1", [this](int i) {
            text("txtfrequenza", "");
            v = i == 0 ? 0.66 : 0.8;
        });
        onChange("txtfrequenza", [this] { lengths(); });
    }

  private:
    std::vector<std::string> lengthLabels() const {
        if (threeQuarter_) return {"lbllunghezza", "lbllunghezza1"};
        return {"lbllunghezza"};
    }

    void lengths() {
        // Hidden first, so that a fault leaves no length of an earlier frequency in view.
        showAll(lengthLabels(), false);
        f = num("txtfrequenza");
        if (f <= 0) return;
        L = lines::quarterWave(f, v);
        caption("lbllunghezza", formatLocale(L) + " mt.");
        // three times the rounded quarter wave, not rounded again
        if (threeQuarter_) caption("lbllunghezza1", formatLocale(3 * L) + " mt.");
        showAll(lengthLabels());
    }

    // The dipole on top; the sections hang from its two halves, their
    // shields joined at both ends; below, their inner conductors meet the
    // feed line, which leaves to the right.
    void schematic() {
        const double a = 190, b = 230, top = 70;
        const double shortEnd = threeQuarter_ ? 150 : 190, longEnd = threeQuarter_ ? 290 : 190;
        const double feed = longEnd + 24;
        Drawing& d = drawing(420, feed + 44);
        d.line(30, 30, a, 30).penWidth = 4;
        d.line(b, 30, 390, 30).penWidth = 4;
        d.slot("Label2", 110, 4, 200, 16, SlotAlign::Centre);
        d.line(a, 30, a, top - 8);
        d.line(b, 30, b, top - 8);
        d.slot("Label3", 40, 40, 140, 16, SlotAlign::Right);

        lines::coaxDown(d, a, top, shortEnd);
        lines::coaxDown(d, b, top, longEnd);
        d.line(a + 7, top + 4, b - 7, top + 4);
        d.arrowLine(a - 40, top, a - 40, shortEnd);
        d.slot("lbllunghezza", 30, (top + shortEnd) / 2 - 8, 114, 16, SlotAlign::Right);
        if (threeQuarter_) {
            d.arrowLine(b + 52, top, b + 52, longEnd);
            d.slot("lbllunghezza1", b + 58, (top + longEnd) / 2 - 8, 130, 16, SlotAlign::Left);
        }

        // the inner conductors join the feed's; the shields join the feed's shield
        d.line(a, shortEnd + 8, a, feed);
        d.line(b, longEnd + 8, b, feed);
        d.line(a, feed, b + 22, feed);
        d.dot(b, feed);
        d.line(a + 7, shortEnd - 4, b - 7, shortEnd - 4);
        d.polyline({b + 7, longEnd - 4, b + 36, longEnd - 4, b + 36, feed - 9});
        lines::coaxAcross(d, b + 30, 380, feed);
        d.terminal(391, feed);
        // in the three-quarter form, clear of the long section's dimension line
        d.slot("Label4", threeQuarter_ ? b + 60 : b + 30, feed - 30, threeQuarter_ ? 130 : 150, 16,
               SlotAlign::Centre);
        d.slot("Label5", b + 30, feed + 12, 150, 16, SlotAlign::Centre);
    }

    bool threeQuarter_;
    double f = 0, v = 0, L = 0; // MHz, velocity factor, metres
};

} // namespace etero::baluns
