// The ground plane with its base at earth potential, fed by a gamma match:
// the lengths of the whip, the radials and the gamma rod, with the spacing
// of the rod and the gamma capacitor for the band, from the working
// frequency as it is typed.
#include "fullverticals.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::fullverticals {

namespace {

const std::vector<std::string> kResults{"lblstilo", "lblradiali", "lblgamma", "lbldistanza",
                                        "lblvariabile"};

class GpGamma : public Form {
  public:
    GpGamma() : Form("frmgpgamma") {}

  protected:
    void design() override {
        window("GROUD PLANE CON GAMMA MATCH E BASE A TERRA");
        field("Label1", "FREQUENZA in MHz :", "txtf");
        for (const std::string& name : kResults)
            result(name);
        label("lbletichetta", "IL GAMMA E' COSTITUITO DA UN TUBO DI 12 mm   IL VARIABILE PUO' "
                              "ESSERE REALIZZATO CON CAVO COASSIALE SENZA CALZA INSERITO NEL TUBO "
                              "PER UNA LUNGHEZZA OPPORTUNA")
            .as(Role::Hint)
            .hidden();
        schematic();
        closeCommand("cmdesci", kClose);

        onChange("txtf", [this] { compute(); });
    }

  private:
    // The whip standing on the earthed mast over four radials; the gamma
    // rod beside its foot, strapped to it at the top, reaches the cable
    // through the variable capacitor at the bottom.
    void schematic() {
        Drawing& d = drawing(360, 340);
        const double x = 180, top = 20, base = 250;
        Shape& mast = d.line(x, base, x, 306);
        mast.pen = 0x606060;
        mast.penWidth = 5;
        d.ground(x, 306);
        conductor(d, {x, top, x, base});
        for (double dx : {-150.0, -60.0, 60.0, 150.0})
            conductor(d, {x, base, x + dx, base + (dx < -100 || dx > 100 ? 26 : 44)}).penWidth = 2;
        d.dot(x, base);
        const double rod = x + 22, rodTop = base - 110, rodEnd = base - 24;
        conductor(d, {x, rodTop, rod, rodTop, rod, rodEnd}).penWidth = 2;
        d.variableCapacitor(rod, rodEnd, 44, Dir::Right);
        cable(d, {rod + 44, rodEnd, rod + 90, rodEnd});
        d.terminal(rod + 93, rodEnd);
        d.text(rod + 8, rodTop + 40, "GAMMA", 7, Anchor::StartsAt);
        d.text(rod + 22, rodEnd - 24, "C", 8, Anchor::CentredOn);
    }

    void compute() {
        f = num("txtf");
        if (f <= 1 || f > 1000) {
            focus("txtf");
            return blank(kResults);
        }
        S = 7210 / f;
        Gm = 3450 / f;
        Rd = 7300 / f;
        if (f > 140) {
            spacing = 5;
            capacitor = 30;
        } else if (f > 50) {
            spacing = 8;
            capacitor = 35;
        } else if (f > 20) {
            spacing = 10;
            capacitor = 50;
        } else {
            spacing = 15;
            capacitor = 100;
        }
        caption("lblstilo", "LO STILO VERTICALE E' LUNGO cm. : " + formatLocale(intFloor(S)));
        caption("lblradiali", "OGNI RADIALE E' LUNGO cm. : " + formatLocale(intFloor(Rd)));
        caption("lblgamma", "IL GAMMA-MATCH E' LUNGO cm. : " + formatLocale(intFloor(Gm)));
        caption("lbldistanza", "IL GAMMA - MATCH E'  DISTANTE cm. : " + formatLocale(spacing));
        caption("lblvariabile", "IL CONDENSATORE VARIABILE E ' pF : " + formatLocale(capacitor));
        show("lbletichetta");
    }

    double f = 0;
    double S = 0, Gm = 0, Rd = 0;   // whip, gamma rod, radial: cm
    int spacing = 0, capacitor = 0; // cm, pF
};

ETERO_FORM(GpGamma, "frmgpgamma");

} // namespace

} // namespace etero::fullverticals
