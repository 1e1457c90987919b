// The two-band arm with a trap made of a linear element: a short wire run
// beside the radiator and tuned by a sliding coaxial capacitor. From the two
// bands: the two sections of the arm, the length of the trap and the
// capacitance of the coaxial capacitor.
#include "dipoles.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::dipoles {

namespace {

class TrappolaLineare : public DipoleForm {
  public:
    TrappolaLineare() : DipoleForm("frmtrappolalineare") {}

  protected:
    void design() override {
        window("ANTENNA CON TRAPPOLA AD ELEMENTI LINEARI");
        field("Label1", "FREQUENZA  PIU'  ALTA in MHz", "txtf1");
        field("Label2", "FREQUENZA PIU'  BASSA IN MHz", "txtf2");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lbllambda1").hidden();
        result("lbllambda2").hidden();
        result("lbll").hidden();
        result("lblc").hidden();
        label("lbla").as(Role::OnDrawing).hidden();
        label("lblb").as(Role::OnDrawing).hidden();
        label("lblll").as(Role::OnDrawing).hidden();
        label("lbls", "5 cm.").as(Role::OnDrawing).hidden();
        label("lbldistanza", "LA DISTANZA DAL RADIATORE E'  50 mm.   -  LA SEZIONE DELL' ELEMENTO "
                             "LINEARE E' 2-3 mm-  IL CONDENSATORE  DI TIPO COASSIALE DOVE DEVE "
                             "POTER SCORRERE PER LA TARATURA")
            .as(Role::Hint)
            .hidden();
        label("lblavviso", "LE RISULTANZE SONO DA INTENDERSI INDICATIVE").as(Role::Hint);
        warningCommand();
        closeCommand("cmdesci", "E S C I");
        schematic();

        hideOnInputChange({"lbllambda1", "lbllambda2", "lblc", "lbla", "lbll", "lblll", "lblb"});
    }

  private:
    // One arm from the feed point: the first section A, the trap (the linear
    // element beside the wire, with the coaxial capacitor at its far end),
    // the second section B.
    void schematic() {
        Drawing& d = drawing(540, 170);
        const double y = 80, x0 = 30, t1 = 220, t2 = 340, x1 = 510, gap = 22;
        centreFeed(d, x0, y, 50);
        wire(d, x0 + 7, x1, y);
        insulator(d, t1, y);
        insulator(d, x1, y, 14);
        // the linear element: from the radiator before the insulator, along
        // it and back to the capacitor
        Shape& element = d.polyline({t1 - 12, y, t1 - 12, y + gap, t2, y + gap});
        element.pen = kWire;
        element.penWidth = 1.5;
        d.capacitor(t2, y + gap, 30, Dir::Right);
        Shape& up = d.polyline({t2 + 30, y + gap, t2 + 40, y + gap, t2 + 40, y});
        up.pen = kWire;
        up.penWidth = 1.5;
        dimension(d, x0, t1, 40, 76, "lbla", 100);
        dimension(d, t1, x1, 40, 76, "lblb", 100);
        // the trap's length below, the spacing at its left end
        for (double x : {t1 - 12, t2 + 40}) {
            Shape& tick = d.line(x, y + gap + 4, x, y + gap + 46);
            tick.penWidth = 0.8;
            tick.dashed = true;
        }
        d.arrowLine(t1 - 12, y + gap + 40, t2 + 40, y + gap + 40);
        d.slot("lblll", t1 + 10, y + gap + 43, t2 - t1 + 10, 17, SlotAlign::Centre);
        d.arrowLine(t1 - 30, y, t1 - 30, y + gap);
        d.slot("lbls", t1 - 110, y + 3, 76, 17, SlotAlign::Right);
    }

    void compute() {
        F1 = num("txtf1");
        F2 = num("txtf2");
        if (F1 * F2 <= 0) return missingData("txtf1");
        if (bandsTooClose(F1, F2, "txtf1")) return;
        lambda1 = formatFixed(300 / F1, 2);
        A = formatFixed(72 / F1, 2);
        B = formatFixed(72 / F2 * 0.83 - parseLocale(A), 2);
        T = formatFixed(parseLocale(lambda1) / 0.28, 1);
        C = roundThroughFixed(parseLocale(lambda1) / 0.2, 0);
        caption("lbllambda1", "IL PRIMO TRATTO E' LUNGO CIRCA mt.  " + A);
        caption("lbllambda2", "IL SECONDO TRATTO E' LUNGO CIRCA mt.  " + B);
        caption("lbll", "LA TRAPPOLA E'  LUNGA CIRCA cm.  " + T);
        caption("lblll", T + " cm.");
        caption("lblc", "LA CAPACITA'  COASSIALE E' CIRCA pF " + formatLocale(C));
        caption("lbla", A + " mt.");
        caption("lblb", B + " mt.");
        showAll({"lbllambda1", "lbllambda2", "lbll", "lblll", "lblc", "lbla", "lblb", "lbls",
                 "lbldistanza"});
    }

    double F1 = 0, F2 = 0, C = 0;
    std::string lambda1, A, B, T; // held as their texts
};

ETERO_FORM(TrappolaLineare, "frmtrappolalineare");

} // namespace

} // namespace etero::dipoles
