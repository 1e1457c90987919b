// The half-wave folded dipole: its length for the centre frequency
// (recomputed at every change of the frequency), and the impedance step-up
// given by the diameters of its two conductors and their spacing.
#include "dipoles.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::dipoles {

namespace {

class DipoloRipiegato : public DipoleForm {
  public:
    DipoloRipiegato() : DipoleForm("frmdipoloripiegato") {}

  protected:
    void design() override {
        window("DIPOLO RIPIEGATO MEZZO LAMBDA   -   FOLDED DIPOLE");
        field("Label1", "FREQUENZA DI CENTRO BANDA IN MHz  :", "txtfrequenza");
        result("lbllunghezza").hidden();
        field("Label2", "DIAMETRO BRACCIO SUPERIORE in mm", "txtd2");
        field("Label3", "DIAMETRO BRACCIO INFERIORE in mm", "txtd1");
        field("Label4", "DISTANZA TRA I BRACCI in mm  misurata dal centro dei tubi", "txts");
        command("cmdcalcola", "CALCOLA", [this] { stepUp(); });
        result("lblrapporto");
        result("lbloutputimpedenza");
        label("lbllung").as(Role::OnDrawing).hidden();
        label("lbld2").as(Role::OnDrawing);
        label("lbld1").as(Role::OnDrawing);
        label("lbls").as(Role::OnDrawing);
        label("lblimpedenza").as(Role::OnDrawing);
        label("Label5", "SE I TUBI HANNO IL MEDESIMO DIAMETRO L'IMPEDENZA E' SEMPRE 300 OHM "
                        "INDIPENDENTEMENTE DALLA DISTANZA")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
        schematic();

        onChange("txtfrequenza", [this] { length(); });
    }

  private:
    // The folded dipole: the upper conductor whole, the lower one split at
    // the feed point, their ends joined; the length above, the diameters at
    // the conductors, the spacing at the right end, the impedance at the feed.
    void schematic() {
        Drawing& d = drawing(520, 190);
        const double x1 = 60, x2 = 460, top = 70, bottom = 110, c = 260;
        Shape& conductor =
            d.polyline({c - 8,    bottom,      x1 + 14, bottom,  x1,    bottom - 14, x1,
                        top + 14, x1 + 14,     top,     x2 - 14, top,   x2,          top + 14,
                        x2,       bottom - 14, x2 - 14, bottom,  c + 8, bottom});
        conductor.pen = kWire;
        conductor.penWidth = 3;
        for (double side : {-5.0, 5.0}) {
            Shape& feed = d.line(c + side, bottom, c + side, 160);
            feed.pen = kFeeder;
            feed.penWidth = 1.2;
        }
        dimension(d, x1, x2, 30, 66, "lbllung", 120);
        d.slot("lbld2", x1 + 40, top - 20, 90, 17);
        d.slot("lbld1", x1 + 40, bottom + 4, 90, 17);
        d.arrowLine(x2 + 22, top, x2 + 22, bottom);
        d.slot("lbls", x2 - 70, (top + bottom) / 2 - 9, 64, 18, SlotAlign::Right);
        d.slot("lblimpedenza", c + 14, 152, 150, 18);
    }

    void length() {
        f = num("txtfrequenza");
        if (f <= 0) return showAll({"lbllung", "lbllunghezza"}, false);
        D = static_cast<float>(roundThroughFixed(142.5 / f, 2));
        caption("lbllung", formatLocale(D) + " mt.");
        caption("lbllunghezza", "LUNGHEZZA DEL DIPOLO mt : " + formatLocale(D));
        showAll({"lbllung", "lbllunghezza"});
    }

    void stepUp() {
        d1 = num("txtd1");
        d2 = num("txtd2");
        S = num("txts");
        caption("lbld1", formatLocale(d1));
        caption("lbld2", formatLocale(d2));
        caption("lbls", formatLocale(S));
        if (d1 * d2 * S == 0) {
            warn("mancano dati", "messaggio di errore");
            return focus("txtd2");
        }
        if (d1 * d2 * S < 0) return;
        if (d2 < d1 || S < d2) {
            warn("MISURE NON COMPATIBILI", kErrorTitle);
            return focus("txtd2");
        }
        const std::string R =
            formatFixed(std::pow(std::log(2 * S / d1) / std::log(2 * S / d2) + 1, 2), 1);
        const double Z = 75 * parseLocale(R);
        caption("lblrapporto", "RAPPORTO DI TRASFORMAZIONE = " + R);
        caption("lbloutputimpedenza", "IMPEDENZA RISULTANTE OHM : " + formatLocale(Z));
        caption("lblimpedenza", "Ohm " + formatLocale(Z));
    }

    double f = 0, d1 = 0, d2 = 0, S = 0;
    float D = 0; // the length of the dipole, single precision
};

ETERO_FORM(DipoloRipiegato, "frmdipoloripiegato");

} // namespace

} // namespace etero::dipoles
