// A first-order high-pass and low-pass RC pair for audio frequencies (6 dB
// per octave): a standard capacitor for the cut-off frequency and the
// resistor that goes with it.
#include "bandfilters.h"
#include "shell/app/registry.h"

namespace etero::bandfilters {

namespace {

class FiltriBF : public AudioRcFilter {
  public:
    FiltriBF() : AudioRcFilter("frmfiltriBF") {}

  protected:
    void design() override {
        window("FILTRI PER BF CON ATTENUAZIONE DI 6 dB PER OTTAVA");
        inputs("FREQUENZA DI TAGLIO in Hz", " VALORI AMMISSIBILI : da 10 Hz A 100 kHz");
        schematic();
        commandsFor({"lblC1", "lblC2"}, {"lblR1", "lblR2"});
    }

  private:
    // High-pass on the left (series C, shunt R), low-pass on the right
    // (series R, shunt C), each value written at its element.
    void schematic() {
        label("Label3", "PASSA - ALTO").as(Role::OnDrawing).font(0, true);
        label("Label4", "PASSA - BASSO").as(Role::OnDrawing).font(0, true);
        label("Label5", "Input").as(Role::OnDrawing);
        label("Label6", "Input").as(Role::OnDrawing);
        label("lblC1", "C").as(Role::OnDrawing);
        label("lblR1", "R").as(Role::OnDrawing);
        label("lblR2", "R").as(Role::OnDrawing);
        label("lblC2", "C").as(Role::OnDrawing);

        Drawing& d = drawing(580, 190);
        const double top = 70, bottom = 170;
        d.line(290, 0, 290, bottom).dashed = true;
        auto half = [&](double x, bool highPass, const char* heading, const char* input,
                        const char* series, const char* shunt) {
            d.slot(heading, x, 4, 280, 20, SlotAlign::Centre);
            d.wire(x + 20, top, x + 50, top);
            if (highPass)
                d.capacitor(x + 50, top, 100, Dir::Right);
            else
                d.resistor(x + 50, top, 100, Dir::Right);
            d.wire(x + 150, top, x + 260, top);
            if (highPass)
                d.resistor(x + 180, top, bottom - top, Dir::Down);
            else
                d.capacitor(x + 180, top, bottom - top, Dir::Down);
            d.dot(x + 180, top);
            d.dot(x + 180, bottom);
            rails(d, x + 20, x + 260, top, bottom);
            d.slot(input, x + 10, 111, 90, 18);
            d.slot(series, x + 40, 36, 120, 18, SlotAlign::Centre);
            d.slot(shunt, x + 196, 111, 84, 18);
        };
        half(0, true, "Label3", "Label5", "lblC1", "lblR1");
        half(290, false, "Label4", "Label6", "lblR2", "lblC2");
    }
};

ETERO_FORM(FiltriBF, "frmfiltriBF");

} // namespace

} // namespace etero::bandfilters
