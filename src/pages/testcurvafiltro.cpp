// Checking the response of any passive filter with a signal generator, two
// terminating resistors and a diode detector driving a milliammeter.
#include "pages.h"
#include "shell/app/registry.h"

namespace etero::pages {

namespace {

class TestCurvaFiltro : public Page {
  public:
    TestCurvaFiltro() : Page("frmtestcurvafiltro") {}

  protected:
    void design() override {
        window("CONTROLLO DELLA CURVA DI UN FILTRO");
        Drawing& d = drawing(840, 360);
        on(d, "Label1",
           "E' POSSIBILE VERIFICARE IN MODO SEMPLICE LA CURVA DI QUALSIASI TIPO DI FILTRO PASSIVO",
           8, 6, 824, 30, SlotAlign::Centre)
            .font(12, true);
        circuit(d);
        on(d, "Label12", "R1 = R2   STESSA IMPEDENZA DEL FILTRO (300 OHM per filtri  10.7 MHz)", 20,
           252, 800, 20);
        on(d, "Label13",
           "IN CORRISPONDENZA DELLA FREQUENZA DI TAGLIO SI AVRA' UNA SENSIBILE VARIAZIONE DELLA "
           "LETTURA",
           20, 276, 800, 20);
        on(d, "Label14", "L'USO DI UN OSCILLOSCOPIO AGEVOLA LA VERIFICA", 20, 300, 800, 20);
        on(d, "Label15", "TRATTO DALL' HANDBOOK INGLESE", 520, 330, 300, 20, SlotAlign::Right);
        closeCommand("cmdchiudi", "E S C I");
    }

  private:
    // The generator's signal through R1 into the filter, R2 terminating its
    // output, then the diode detector: DG, two 82 pF bypass capacitors at
    // either end of the lead and the 1 mA meter.
    void circuit(Drawing& d) {
        const double y = 110, ground = 214;
        on(d, "Label2", "AL GENERATORE DI SEGNALI ", 4, y - 4, 150, 44, SlotAlign::Right);
        d.terminal(162, y);
        d.terminal(162, ground);
        d.line(165, ground, 790, ground);
        d.resistor(165, y, 90, Dir::Right);
        on(d, "Label3", "R1", 190, y - 34, 40, 18, SlotAlign::Centre);
        d.line(255, y, 280, y);
        filled(d.rect(280, y - 26, 140, ground - y + 46), 0xEEF2F7, kBlack).penWidth = 2;
        on(d, "Label4", "F I L T R O", 284, y + 30, 132, 20, SlotAlign::Centre);
        d.line(420, y, 480, y);
        d.dot(470, y);
        d.resistor(470, y, ground - y, Dir::Down);
        d.dot(470, ground);
        on(d, "Label5", "R2", 432, y + 42, 32, 18, SlotAlign::Right);
        diode(d, 480, y, 100, Dir::Right);
        on(d, "Label6", "DG", 510, y - 34, 40, 18, SlotAlign::Centre);
        d.line(580, y, 790, y);
        for (const auto& [x, name] : {std::pair{590.0, "Label7"}, std::pair{680.0, "Label8"}}) {
            d.dot(x, y);
            d.capacitor(x, y, ground - y, Dir::Down);
            d.dot(x, ground);
            on(d, name, "82 pF", x + 14, y + 42, 60, 18);
        }
        d.line(790, y, 790, y + 22);
        meter(d, 790, y + 52, 30, "mA");
        d.line(790, y + 82, 790, ground);
        on(d, "Label9", "1 mA", 760, y - 30, 60, 18, SlotAlign::Centre);
    }
};

ETERO_FORM(TestCurvaFiltro, "frmtestcurvafiltro");

} // namespace

} // namespace etero::pages
