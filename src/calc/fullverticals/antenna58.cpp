// The 5/8-wave vertical for three fixed bands: the radiator, its four
// radials and the base coil, as fixed figures for the chosen band.
#include "fullverticals.h"
#include "shell/app/registry.h"

namespace etero::fullverticals {

namespace {

struct Band {
    const char* altezza;
    const char* radiale;
    const char* radiatore;
    const char* radiali;
    const char* bobina;
    const char* carico;
};

const Band kBands[] = {
    {"340 cm.", "143 cm.", "RADIATORE cm. 340     DIAMETRO 20 mm.",
     "N. 4 RADIALI cm. 143     DIAMETRO 5 mm.",
     "BOBINA n.9 spire 2 mm. su diametro 3 cm. lunga 3 cm.", "9 sp."},
    {"120 cm.", "50 cm.", "RADIATORE cm. 120     DIAMETRO 10 mm.",
     "N. 4 RADIALI cm. 50     DIAMETRO 5 mm.",
     "BOBINA n.5 spire 2 mm. su diametro 2 cm. lunga 2 cm.", "5 sp."},
    {"42 cm.", "17 cm.", "RADIATORE cm. 42     DIAMETRO 6 mm.",
     "N. 4 RADIALI cm. 17     DIAMETRO 5 mm.",
     "BOBINA n.2 spire 2 mm. su diametro 1.5 cm. lunga 2 cm.", "2 sp."},
};

class Antenna58 : public Form {
  public:
    Antenna58() : Form("frmantenna58") {}

  protected:
    void design() override {
        window("  ANTENNA VERTICALE 5/8 LAMBDA");
        frame("Frame1", "Banda");
        options("Option1", 0, {"50 Mcs", "145 Mcs", "433 Mcs"});
        endFrame();
        result("lblradiatore");
        result("lblradiali");
        result("lblbobina");
        label("Label1", "IN  FASE  DI  REALIZZAZIONE  AGIRE SULLA LUNGHEZZA DEL RADIATORE PER  IL  "
                        "MIGLIOR  ADATTAMENTO")
            .as(Role::Hint);
        // The drawing names its parts until the band's figures replace them.
        label("lblaltezza", "radiatore").as(Role::OnDrawing);
        label("lblradiale", "radiali").as(Role::OnDrawing);
        label("lblcarico", "bobina").as(Role::OnDrawing);
        schematic();
        closeCommand("cmdesci", kClose);

        onOption("Option1", [this](int index) { choose(index); });
    }

  private:
    // The radiator on its base coil over four sloping radials; the height,
    // a radial and the coil's turns marked on it.
    void schematic() {
        Drawing& d = drawing(380, 360);
        const double x = 190, top = 24, coilTop = 232, feed = 280;
        conductor(d, {x, top, x, coilTop});
        d.inductor(x, coilTop, feed - coilTop, Dir::Down, 5);
        d.dot(x, feed);
        for (double dx : {-150.0, -60.0, 60.0, 150.0})
            conductor(d, {x, feed, x + dx, feed + (dx < -100 || dx > 100 ? 30 : 50)}).penWidth = 2;
        cable(d, {x, feed, x, feed + 50});
        d.terminal(x, feed + 53);
        heightMeasure(d, x - 40, top, coilTop, "lblaltezza", x - 48, 110);
        d.slot("lblcarico", x + 16, (coilTop + feed) / 2 - 9, 80, 18);
        // along the right-hand outer radial
        widthMeasure(d, x + 8, x + 150, feed + 48);
        d.slot("lblradiale", x + 30, feed + 54, 110, 18, SlotAlign::Centre);
    }

    void choose(int index) {
        if (index < 0 || index > 2) return;
        const Band& b = kBands[index];
        caption("lblaltezza", b.altezza);
        caption("lblradiale", b.radiale);
        caption("lblradiatore", b.radiatore);
        caption("lblradiali", b.radiali);
        caption("lblbobina", b.bobina);
        caption("lblcarico", b.carico);
    }
};

ETERO_FORM(Antenna58, "frmantenna58");

} // namespace

} // namespace etero::fullverticals
