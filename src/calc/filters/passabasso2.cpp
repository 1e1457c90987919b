// A further low-pass section: a shunt capacitor at each end, the series
// inductor between them bridged by a capacitor, from the impedance (the same
// at input and output) and the cut-off frequency. The window can be printed.
#include "filters.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::filters {

namespace {

class PassaBasso2 : public Form {
  public:
    PassaBasso2() : Form("frmpassabasso2") {}

  protected:
    void design() override {
        window("ALTRO FILTRO \"  L C  \" PASSA BASSO");
        field("Label2", "IMPEDENZA INPUT = OUTPUT in OHM", "txtimpedenza").initial("50");
        field("Label3", "FREQUENZA DI TAGLIO in MHz", "txtf");
        label("lblzin", "INPUT").as(Role::OnDrawing);
        label("lbll").as(Role::OnDrawing);
        label("lblzout", "OUTPUT").as(Role::OnDrawing);
        label("lblc2a").as(Role::OnDrawing);
        label("lblc1").as(Role::OnDrawing);
        label("lblc2b").as(Role::OnDrawing);
        schematic();
        label("Label1", "ARROTONDARE I CONDENSATORI SEMPRE PER DIFETTO").as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        command("cmdchiamabobine", "COSTRUZIONE BOBINE",
                [this] { openForm("frmbobine", Mode::Modeless); });
        printCommand("cmdstampa", "STAMPA SCHEDA").tip("IMPOSTA STAMPANTE IN ORIZZONTALE");
        closeCommand("cmdchiudi", "CHIUDI");
    }

  private:
    // The section between its input and output terminals, each value written
    // at its component.
    void schematic() {
        Drawing& d = drawing(540, 200);
        const double top = 70, bottom = 180, in = 20, out = 520;
        const double c2a = 150, c2b = 390, l1 = 210, l2 = 330, bridge = 118;
        d.wire(in, top, l1, top);
        d.inductor(l1, top, l2 - l1, Dir::Right, 5);
        d.wire(l2, top, out, top);
        d.wire(l1, top, l1, bridge);
        d.capacitor(l1, bridge, l2 - l1, Dir::Right);
        d.wire(l2, bridge, l2, top);
        for (double x : {c2a, c2b}) {
            d.capacitor(x, top, bottom - top, Dir::Down);
            d.dot(x, top);
            d.dot(x, bottom);
        }
        d.dot(l1, top);
        d.dot(l2, top);
        d.wire(in, bottom, out, bottom);
        for (double x : {in, out}) {
            d.terminal(x, top);
            d.terminal(x, bottom);
        }
        d.slot("lblzin", 6, 30, 150, 22);
        d.slot("lbll", 190, 30, 160, 22, SlotAlign::Centre);
        d.slot("lblzout", 384, 30, 150, 22, SlotAlign::Right);
        d.slot("lblc2a", 4, 114, 128, 22, SlotAlign::Right);
        d.slot("lblc1", 190, 142, 160, 22, SlotAlign::Centre);
        d.slot("lblc2b", 408, 114, 128, 22);
    }

    void compute() {
        Z = num("txtimpedenza");
        f = num("txtf");
        const double product = Z * f;
        if (product == 0) return missingData("txtimpedenza");
        if (product < 0) return;
        l = formatFixed(Z * 0.6 / (6.28 * f), 3);
        c1 = formatFixed(270000 / (3.14 * Z * f), 1);
        C2 = roundThroughFixed(600000 / (6.28 * Z * f), 1);
        caption("lbll", l + " µH");
        caption("lblc1", c1 + " pF");
        caption("lblc2a", formatLocale(C2) + " pF");
        caption("lblc2b", caption("lblc2a"));
        caption("lblzin", formatLocale(Z) + " OHM");
        caption("lblzout", caption("lblzin"));
    }

    double Z = 0, f = 0;
    std::string l, c1; // µH and pF, held as shown
    double C2 = 0;     // pF, rounded through the text
};

ETERO_FORM(PassaBasso2, "frmpassabasso2");

} // namespace

} // namespace etero::filters
