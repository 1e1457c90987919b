// The off-centre-fed (Windom) antenna: the radiator, half a wave or a whole
// wave long, and the distance of its feed point from one end, recomputed at
// every change of the frequency.
#include "dipoles.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::dipoles {

namespace {

class AntPresaCalcolata : public DipoleForm {
  public:
    AntPresaCalcolata() : DipoleForm("frmantpresacalcolata") {}

  protected:
    void design() override {
        window("ANTENNA A PRESA CALCOLATA   -   WINDOM");
        frame("Frame1", "LUNGHEZZA RADIATORE");
        options("Option1", 0, {"A MEZZO LAMBDA", "A LAMBDA INTERO"});
        endFrame();
        field("Label1", "FREQUENZA IN MHz :", "txtfrequenza");
        label("lblm").as(Role::OnDrawing).hidden();
        label("lblpresa").as(Role::OnDrawing).hidden();
        label("Label2", "DISCESA  AL RxTx").as(Role::OnDrawing);
        label("Label3", "BALUN").as(Role::OnDrawing);
        label("Label4", "SI TRATTA DI UN SISTEMA RADIANTE ORMAI IN DISUSO NELLA VERSIONE ORIGINALE "
                        "ALIMENTATA CON UN SOLO FILO PERCORSO DA ALTA TENSIONE.   ADOTTANDO UN "
                        "BALUN CON RAPPORTO OPPORTUNO SI PUO'  UTILIZZARE IL NORMALE CAVO "
                        "COASSIALE.")
            .as(Role::Hint);
        label("Label5", "SE REALIZZATA ORIZZONTALMENTE L'IMPEDENZA E' CIRCA 300 OHM E RICHIEDE UN "
                        "BALUN 6:1, NELLA CONFIGURAZIONE A INVERTED V DIMINUISCE L'IMPEDENZA E "
                        "PUO' ESSERE CONVENIENTE UN RAPPORTO 4:1. LA LUNGHEZZA DEI SEMIBRACCI "
                        "RISENTE MOLTO DELL'ALTEZZA DAL SUOLO E SOLITAMENTE OCCORRE ACCORCIARE. "
                        "QUINDI LE MISURE SONO INDICATIVE")
            .as(Role::Hint);
        closeCommand("cmdesci", "C H I U D I");
        schematic();

        onOption("Option1", [this](int i) { choose(i); });
        onChange("txtfrequenza", [this] { compute(); });
    }

  private:
    // The radiator with its whole length marked above, the feed point a
    // third of the way along with its distance from the end marked below,
    // the balun there and the cable down to the station.
    void schematic() {
        Drawing& d = drawing(520, 210);
        const double y = 60, x1 = 30, x2 = 490, feed = x1 + 0.33 * (x2 - x1);
        wire(d, x1, feed - 6, y);
        wire(d, feed + 6, x2, y);
        insulator(d, x1, y, -14);
        insulator(d, x2, y, 14);
        insulator(d, feed, y);
        dimension(d, x1, x2, 24, 56, "lblm", 120);
        d.arrowLine(x1, y + 22, feed, y + 22);
        d.slot("lblpresa", x1 + 10, y + 26, feed - x1 - 20, 17, SlotAlign::Centre);
        for (double side : {-4.0, 4.0})
            d.line(feed + side, y + 4, feed + side, 120).pen = kFeeder;
        Shape& balun = d.rect(feed - 30, 120, 60, 26);
        balun.filled = true;
        balun.fill = 0xF0F0F0;
        d.slot("Label3", feed - 28, 124, 56, 18, SlotAlign::Centre);
        Shape& coax = d.line(feed, 146, feed, 206);
        coax.pen = kFeeder;
        coax.penWidth = 3;
        d.slot("Label2", feed + 10, 178, 150, 18);
    }

    void choose(int index) {
        switch (index) {
        case 0:
            K = 144;
            break;
        case 1:
            K = 288;
            break;
        }
        showAll({"lblm", "lblpresa"}, false);
        text("txtfrequenza", "");
    }

    void compute() {
        f = num("txtfrequenza");
        if (f <= 0) return showAll({"lblm", "lblpresa"}, false);
        const double M = K / f;
        const double P = roundThroughFixed(0.33 * M, 2);
        caption("lblm", formatFixed(M, 2) + " mt.");
        caption("lblpresa", formatLocale(P) + " mt.");
        showAll({"lblm", "lblpresa"});
    }

    float K = 0; // the radiator factor, single precision
    double f = 0;
};

ETERO_FORM(AntPresaCalcolata, "frmantpresacalcolata");

} // namespace

} // namespace etero::dipoles
