// The constant-k LC band-pass filter for radio frequencies, from the
// impedance and the two cut-off frequencies: the full-section values, shown
// split into a π and a T section side by side, with the centre frequency,
// the bandwidth and the Q. The sheet can be printed.
#include "bandfilters.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::bandfilters {

namespace {

const std::vector<std::string> kElements{"lbll1",  "lblc1",  "lbll2",  "lblc2",  "lblc2a",
                                         "lblc2b", "lbll2a", "lblc1a", "lblc1b", "lbll1a"};

class PassaBandaKCostante : public Form {
  public:
    PassaBandaKCostante() : Form("frmpassabandakcostante") {}

  protected:
    void design() override {
        window("FILTRO L C PASSA BANDA  A K COSTANTE   -   3  POLI  BUTTERWORTH");
        field("Label1", "IMPEDENZA INPUT = OUTPUT in OHM", "txtimpedenza");
        field("Label2", "FREQUENZA DI TAGLIO INFERIORE in MHz", "txtf1");
        field("Label3", "FREQUENZA DI TAGLIO SUPERIORE in MHz", "txtf2");
        schematic();
        frame("Frame1").hidden();
        result("lblfc", ".");
        result("lblbw", ".");
        result("lblq", ".");
        endFrame();
        result("lblfattoreq").color(kRed);
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        command("cmdchiamabobine", "COSTRUZIONE BOBINE",
                [this] { openForm("frmbobine", Mode::Modeless); });
        printCommand("Command1", "STAMPA SCHEDA").tip("IMPOSTA STAMPANTE IN ORIZZONTALE");
        closeCommand("cmdchiudi", "CHIUDI");
    }

  private:
    // The π section on the left (series L1 and C1, shunt tanks of 2 L2 and
    // C2 / 2), the T section on the right (series L1 / 2 and 2 C1 on each
    // side, shunt tank of L2 and C2), each value written at its element.
    void schematic() {
        label("lblzin", "INPUT").as(Role::OnDrawing);
        label("lblc1").as(Role::OnDrawing);
        label("lbll1").as(Role::OnDrawing);
        label("lblzout", "OUTPUT").as(Role::OnDrawing);
        label("lblc2a").as(Role::OnDrawing);
        label("lbll2a").as(Role::OnDrawing);
        label("lblc2b").as(Role::OnDrawing);
        label("lblzin2", "INPUT").as(Role::OnDrawing);
        label("lblc1a").as(Role::OnDrawing);
        label("lbll1a").as(Role::OnDrawing);
        label("lblc1b").as(Role::OnDrawing);
        label("lblzout2", "OUTPUT").as(Role::OnDrawing);
        label("lblc2").as(Role::OnDrawing);
        label("lbll2").as(Role::OnDrawing);

        Drawing& d = drawing(820, 230);
        const double top = 80, bottom = 220;
        d.line(410, 10, 410, bottom).dashed = true;

        // π
        d.wire(15, top, 140, top);
        d.inductor(140, top, 60, Dir::Right);
        d.capacitor(200, top, 60, Dir::Right);
        d.wire(260, top, 385, top);
        shuntTank(d, 120, top, bottom, true);
        shuntTank(d, 280, top, bottom, false);
        rails(d, 15, 385, top, bottom);
        d.slot("lblzin", 0, 46, 110, 18);
        d.slot("lbll1", 120, 46, 100, 18, SlotAlign::Centre);
        d.slot("lblzout", 290, 46, 110, 18, SlotAlign::Right);
        d.slot("lblc1", 180, 92, 100, 18, SlotAlign::Centre);
        d.slot("lblc2a", 0, 141, 90, 18, SlotAlign::Right);
        d.slot("lbll2a", 125, 141, 150, 18, SlotAlign::Centre);
        d.slot("lblc2b", 310, 141, 90, 18);

        // T
        const double x = 420;
        d.wire(x + 15, top, x + 35, top);
        d.capacitor(x + 35, top, 50, Dir::Right);
        d.wire(x + 85, top, x + 95, top);
        d.inductor(x + 95, top, 70, Dir::Right);
        d.wire(x + 165, top, x + 235, top);
        d.inductor(x + 235, top, 70, Dir::Right);
        d.wire(x + 305, top, x + 315, top);
        d.capacitor(x + 315, top, 50, Dir::Right);
        d.wire(x + 365, top, x + 385, top);
        shuntTank(d, x + 200, top, bottom, true);
        rails(d, x + 15, x + 385, top, bottom);
        d.slot("lblzin2", x, 46, 95, 18);
        d.slot("lbll1a", x + 100, 46, 200, 18, SlotAlign::Centre);
        d.slot("lblzout2", x + 305, 46, 95, 18, SlotAlign::Right);
        d.slot("lblc1a", x + 10, 92, 100, 18, SlotAlign::Centre);
        d.slot("lblc1b", x + 290, 92, 100, 18, SlotAlign::Centre);
        d.slot("lblc2", x + 70, 141, 100, 18, SlotAlign::Right);
        d.slot("lbll2", x + 230, 141, 100, 18);
    }

    // What the window shows before its first computation. A computation that
    // is refused or fails puts it back: the results stay while the inputs
    // change, and would otherwise stand beside inputs that did not give them.
    void noResults() {
        blank(kElements);
        for (const char* name : {"lblzin", "lblzin2"})
            caption(name, "INPUT");
        for (const char* name : {"lblzout", "lblzout2"})
            caption(name, "OUTPUT");
        for (const char* name : {"lblfc", "lblbw", "lblq"})
            caption(name, ".");
        caption("lblfattoreq", "");
        hide("Frame1");
    }

    void compute() {
        noResults();
        Z = num("txtimpedenza");
        f1 = num("txtf1");
        f2 = num("txtf2");
        const double product = Z * f1 * f2;
        if (product == 0) return missingData("txtimpedenza");
        if (product < 0) return;
        // Crossed frequencies would give a negative bandwidth and negative
        // components. Equal ones pass: the bandwidth of zero is an arithmetic
        // fault at the Q, before any caption is written.
        if (f1 > f2) {
            warn(kInverted, kErrorTitle);
            return focus("txtf1");
        }
        fc = (f1 + f2) / 2;
        B = f2 - f1;
        Q = fc / B;

        // The full section, each value held as shown.
        L1 = formatFixed(Z / (3.14 * B), 1);
        C1 = formatFixed(B * 1000000 / (12.56 * Z * f1 * f2), 1);
        L2 = formatFixed(Z * B / (12.56 * f1 * f2), 3);
        C2 = formatFixed(1000000 / (3.14 * Z * B), 1);
        caption("lbll1", L1 + kMicroHenry);
        caption("lblc1", C1 + " pF");
        caption("lbll2", L2 + kMicroHenry);
        caption("lblc2", C2 + " pF");

        // The split values, from the values as shown.
        caption("lblc2a", formatLocale(parseLocale(C2) / 2) + " pF");
        caption("lblc2b", caption("lblc2a"));
        caption("lbll2a", "2 x " + formatLocale(2 * parseLocale(L2)) + kMicroHenry);
        caption("lblc1a", formatLocale(2 * parseLocale(C1)) + " pF");
        caption("lblc1b", caption("lblc1a"));
        caption("lbll1a", "2 x " + formatLocale(parseLocale(L1) / 2) + kMicroHenry);

        caption("lblzin", formatLocale(Z) + " OHM");
        caption("lblzout", caption("lblzin"));
        caption("lblzin2", caption("lblzin"));
        caption("lblzout2", caption("lblzin"));

        caption("lblfc", "LA FREQUENZA DI CENTRO BANDA E' " + formatLocale(fc) + " MHz");
        caption("lblbw", "LA BANDA PASSANTE E' " + formatFixed(B, 3) + " MHz");
        caption("lblq", "IL FATTORE DI MERITO TEORICO E' " + formatFixed(Q, 3));
        caption("lblfattoreq", Q > 10 ? "Q ECCESSIVO (MAX 10)     BANDA PASSANTE TROPPO STRETTA "
                                        "IN RELAZIONE ALLA FREQUENZA"
                                      : "");
        show("Frame1");
    }

    double Z = 0, f1 = 0, f2 = 0, fc = 0, B = 0, Q = 0;
    std::string L1, C1, L2, C2; // µH and pF, held as shown
};

ETERO_FORM(PassaBandaKCostante, "frmpassabandakcostante");

} // namespace

} // namespace etero::bandfilters
