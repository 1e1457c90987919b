// The arm shortened by linear loading: how much shorter than a quarter wave
// the available arm is, and the length of the folded-back wire (the linear
// load) that brings it to resonance.
#include "dipoles.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::dipoles {

namespace {

class CaricoLineare : public DipoleForm {
  public:
    CaricoLineare() : DipoleForm("frmcaricolineare") {}

  protected:
    void design() override {
        window("ANTENNA ACCORCIATA CON ELEMENTI A CARICO LINEARE");
        field("Label1", "LUNGHEZZA DEL BRACCIO A DISPOSIZIONE in mt.", "txtlunghezzabraccio");
        field("Label2", "FREQUENZA IN MHz", "txtfrequenza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblplung").hidden();
        result("lblaccorciamento").hidden();
        result("lblcarico").hidden();
        label("lbll").as(Role::OnDrawing).hidden();
        label("lbllc").as(Role::OnDrawing).hidden();
        label("lbld").as(Role::OnDrawing).hidden();
        label("lblavviso", "LE RISULTANZE SONO DA INTENDERSI INDICATIVE").as(Role::Hint);
        warningCommand();
        closeCommand("cmdesci", "E S C I");
        schematic();

        hideOnInputChange({"lbll", "lbllc", "lbld", "lblplung", "lblaccorciamento", "lblcarico"});
    }

  private:
    // One arm from the feed point: the radiator, and the load wire folded
    // back beside its outer end at a small distance.
    void schematic() {
        Drawing& d = drawing(520, 175);
        const double y = 80, x0 = 40, x1 = 470, fold = 250, gap = 26;
        centreFeed(d, x0, y, 50);
        wire(d, x0 + 7, x1, y);
        Shape& back = d.polyline({x1, y, x1, y + gap, fold, y + gap});
        back.pen = kWire;
        back.penWidth = 2;
        insulator(d, x1, y, 14);
        dimension(d, x0, x1, 40, 74, "lbll", 120);
        Shape& tick = d.line(fold, y + gap + 4, fold, y + gap + 36);
        tick.penWidth = 0.8;
        tick.dashed = true;
        Shape& tick2 = d.line(x1, y + gap + 4, x1, y + gap + 36);
        tick2.penWidth = 0.8;
        tick2.dashed = true;
        d.arrowLine(fold, y + gap + 30, x1, y + gap + 30);
        d.slot("lbllc", fold + 40, y + gap + 33, x1 - fold - 80, 17, SlotAlign::Centre);
        d.arrowLine(x1 + 20, y, x1 + 20, y + gap);
        d.slot("lbld", x1 - 62, y + 4, 56, 17, SlotAlign::Right);
    }

    void compute() {
        L = num("txtlunghezzabraccio");
        f = num("txtfrequenza");
        if (L * f <= 0) return missingData("txtlunghezzabraccio");
        const double q = 72 / f; // the full arm
        G = roundThroughFixed(1.2 * f * L, 1);
        if (G < 55 || G > 90) {
            warn("BRACCIO TROPPO LUNGO O TROPPO CORTO", kErrorTitle);
            return focus("txtlunghezzabraccio");
        }
        const double s = q - L;
        const std::string P = formatFixed(s / q * 100, 1);
        const std::string K = formatFixed(L / q * 100, 1);
        const std::string W = formatFixed(1.2 * s, 2);
        const std::string S = formatFixed(s, 2);
        const std::string Q = formatFixed(q, 2);
        caption("lblplung", "IL BRACCO RISULTA RIDOTTO DA " + Q + " mt A " + formatLocale(L) +
                                " mt PARI AL " + K + " % - CORRISPONDE A " + formatLocale(G) +
                                " GRADI");
        caption("lblaccorciamento", "L'ACCORCIAMENTO E'  DI " + S + " mt. PARI AL " + P + " %");
        caption("lblcarico", "IL CARICO LINEARE E' LUNGO mt. " + W +
                                 " CIRCA - LA DISTANZA DAL RADIATORE NON E' CRITICA");
        caption("lbll", formatLocale(L) + " mt");
        caption("lbllc", W + " mt");
        caption("lbld", formatLocale(intFloor(600 / G)) + " cm.");
        showAll({"lbll", "lbllc", "lbld", "lblplung", "lblaccorciamento", "lblcarico"});
    }

    double L = 0, f = 0, G = 0; // the arm, the frequency, its electrical length in degrees
};

ETERO_FORM(CaricoLineare, "frmcaricolineare");

} // namespace

} // namespace etero::dipoles
