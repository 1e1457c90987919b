// The can feed of a dish for 1000 MHz and up: the size of the can and where
// the probe stands in it, and how high.
#include "antennautils.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::antennautils {

namespace {

class Barattolo : public UtilityForm {
  public:
    Barattolo() : UtilityForm("frmbarattolo") {}

  protected:
    void design() override {
        window("ILLUMINATORE A BARATTOLO PER PARABOLE");
        field("Label1", "FREQUENZA IN MHz", "txtfrequenza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        label("lblprofondita").as(Role::OnDrawing).hidden();
        label("lbldiametro").as(Role::OnDrawing).hidden();
        label("lbls").as(Role::OnDrawing);
        label("lblh").as(Role::OnDrawing);
        schematic();
        closeButton();
    }

  private:
    // The can cut along its axis, closed on the left, open on the right,
    // with the probe rising from its wall near the closed end.
    void schematic() {
        Drawing& d = drawing(340, 260);
        const double back = 70, mouth = 220, top = 50, bottom = 200;
        const double probe = back + 56, tip = bottom - 47;
        plate(d, back, top, mouth, top);
        plate(d, back, bottom, mouth, bottom);
        plate(d, back, top, back, bottom);
        Shape& p = d.line(probe, bottom, probe, tip);
        p.pen = kCopper;
        p.penWidth = 3;
        Shape& connector = d.rect(probe - 6, bottom + 2, 12, 12);
        connector.filled = true;
        connector.fill = kMetal;
        // Depth above the can, diameter beside its mouth.
        measure(d, back, 30, mouth, 30);
        d.slot("lblprofondita", back, 8, mouth - back, 18, SlotAlign::Centre);
        extension(d, mouth, top, 256, top);
        extension(d, mouth, bottom, 256, bottom);
        measure(d, 250, top, 250, bottom);
        d.slot("lbldiametro", 256, (top + bottom) / 2 - 9, 84, 18);
        // The probe: its distance from the closed end, below the can, and
        // its height, beside it.
        extension(d, back, bottom, back, 236);
        extension(d, probe, bottom + 14, probe, 236);
        measure(d, back, 230, probe, 230);
        d.slot("lbls", probe + 6, 221, 100, 18);
        extension(d, probe, tip, probe + 30, tip);
        measure(d, probe + 24, tip, probe + 24, bottom);
        d.slot("lblh", probe + 30, (tip + bottom) / 2 - 9, 70, 18);
    }

    void compute() {
        // A refused input leaves no measure of an earlier one in view.
        blank({"lblprofondita", "lbldiametro", "lbls", "lblh"});
        showAll({"lblprofondita", "lbldiametro"}, false);
        f = num("txtfrequenza");
        if (f < 1000) return refuse("FREQUENZA TROPPO BASSA", kNoticeTitle, "txtfrequenza");
        const double q = 28800 / f;
        const std::string Dc = formatFixed(0.7 * q, 1);
        const std::string S = formatFixed(0.26 * q, 2);
        H = roundThroughFixed(0.22 * q, 2);
        caption("lblprofondita", Dc + " cm.circa ");
        caption("lbldiametro", Dc + " cm.circa ");
        showAll({"lblprofondita", "lbldiametro"});
        caption("lbls", S + " cm.");
        caption("lblh", formatLocale(H) + " cm.");
    }

    double f = 0; // MHz
    double H = 0; // probe height, cm, rounded to two decimals
};

ETERO_FORM(Barattolo, "frmbarattolo");

} // namespace

} // namespace etero::antennautils
