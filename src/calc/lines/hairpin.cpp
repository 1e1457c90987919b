// The hairpin match of a dipole whose halves are insulated from the boom:
// the reactance the hairpin must have, the impedance of the hairpin line
// from its spacing and conductor diameter, and its length.
#include "lines.h"
#include "shell/app/registry.h"
#include "shell/form/form.h"

#include <cmath>
#include <string>

namespace etero::lines {

namespace {

class Hairpin : public Form {
  public:
    Hairpin() : Form("frmhairpin") {}

  protected:
    void design() override {
        window("CALCOLO DELLE DIMENSIONI DELL'HAIRPIN PER DIPOLI CON ELEMENTI ISOLATI  DAL BOOM");
        field("Label1", "FREQUENZA DI LAVORO IN MHZ", "txtfrequenza");
        field("Label2", "RESISTENZA DI RADIAZIONE ANTENNA in OHM", "txtRA",
              "SOLITAMENTE DA 25 A 35 OHM")
            .initial("30");
        field("Label3", "IMPEDENZA DELLA LINEA COASSIALE in OHM", "txtRS");
        field("Label4", "DISTANZA FRA I CONDUTTORI HAIRPIN in mm  (distanza centro-centro)",
              "txtdistanza")
            .initial("37");
        field("Label5", "DIAMETRO CONDUTTORI DELL' HAIRPIN in mm", "txtdiametro").initial("6");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        frame("Frame1").hidden();
        result("lblxl");
        result("lblz");
        result("lbllunghezza");
        label("Label6", "OCCORRE UN BALUN SIMMETRIZZATORE").as(Role::Hint);
        endFrame();
        label("lbld", "d").as(Role::OnDrawing);
        label("lbls", "dist").as(Role::OnDrawing);
        label("lbllung", "lunghezza").as(Role::OnDrawing);
        schematic();
        label("Label7", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO").as(Role::Hint);
        closeCommand("cmdesci", "E S C I");

        hideOnInputChange({"Frame1"});
        blankOnInputChange({"lbld", "lbls", "lbllung"});
    }

  private:
    // The two halves of the radiator, the hairpin hanging from their inner
    // ends and shorted at the bottom, and its two conductors in section.
    void schematic() {
        Drawing& d = drawing(470, 205);
        const double y = 40, a = 215, b = 245, end = 160;
        d.line(20, y, a + 4, y).penWidth = 4;
        d.line(b - 4, y, 440, y).penWidth = 4;
        d.rect(a - 4, y, 8, end - y);
        d.rect(b - 4, y, 8, end - y);
        d.rect(a - 4, end, b - a + 8, 8);
        d.arrowLine(275, y, 275, end + 8);
        d.slot("lbllung", 282, 92, 120, 16);
        // In section: the diameter of one conductor, the centre spacing.
        const double cy = 150, c1 = 360, c2 = 420, r = 11;
        d.ellipse(c1 - r, cy - r, 2 * r, 2 * r);
        d.ellipse(c2 - r, cy - r, 2 * r, 2 * r);
        d.arrowLine(c1 - r, cy - r - 8, c1 + r, cy - r - 8);
        d.slot("lbld", c1 - 60, cy - r - 28, 120, 16, SlotAlign::Centre);
        d.line(c1, cy, c1, cy + 26);
        d.line(c2, cy, c2, cy + 26);
        d.arrowLine(c1, cy + 22, c2, cy + 22);
        d.slot("lbls", c1 - 20, cy + 30, c2 - c1 + 40, 16, SlotAlign::Centre);
    }

    void compute() {
        f = num("txtfrequenza");
        RA = num("txtRA");
        RS = num("txtRS");
        s = num("txtdistanza");
        d = num("txtdiametro");
        if (f * RA * RS * d * s <= 0) return missingData("txtfrequenza");
        if (RA >= RS) {
            warn("RES.RADIAZIONE SEMPRE < IMP.LINEA", kErrorTitle);
            return focus("txtRA");
        }
        XL = RS / std::sqrt(RS / RA - 1);
        Z0 = 276 * std::log10(2 * s / d);
        // Electrical length in degrees with the factor 55, no arctangent.
        theta = 55 * XL / Z0;
        // Velocity factor 0.97; 1.2 = 360 / 300.
        L = theta * 0.97 / (1.2 * f);
        caption("lbld", formatLocale(d) + " mm");
        caption("lbls", formatLocale(s));
        caption("lbllung", formatFixed(L * 1000, 1) + " mm");
        show("Frame1");
        caption("lblxl", "L'HAIRPIN DOVRA' AVERE UNA REATTANZA DI OHM " + formatFixed(XL, 1));
        caption("lblz", "L'HAIRPIN HA UNA IMPEDENZA DI OHM " + formatFixed(Z0, 1));
        caption("lbllunghezza",
                "L'HAIRPIN DOVRA' AVERE UNA LUNGHEZZA DI cm " + formatFixed(L * 100, 2));
    }

    double f = 0, RA = 0, RS = 0, s = 0, d = 0;
    double XL = 0, Z0 = 0, theta = 0, L = 0; // ohm, ohm, degrees, metres
};

ETERO_FORM(Hairpin, "frmhairpin");

} // namespace

} // namespace etero::lines
