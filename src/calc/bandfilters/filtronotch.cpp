// A passive twin-T notch for audio frequencies: a standard capacitor for the
// frequency to remove, and the resistor that goes with it; the three
// capacitors and the three resistors take the same values.
#include "bandfilters.h"
#include "shell/app/registry.h"

namespace etero::bandfilters {

namespace {

class FiltroNotch : public AudioRcFilter {
  public:
    FiltroNotch() : AudioRcFilter("frmfiltronotch") {}

  protected:
    void design() override {
        window("FILTRO NOTCH PASSIVO PER BASSA FREQUENZA");
        inputs("FREQUENZA DA ELIMINARE in Hz", " FREQUENZE  AMMISSIBILI : da 10 Hz a 100 kHz");
        schematic();
        commandsFor({"lblc1", "lblc2", "lblc3"}, {"lblr1", "lblr2", "lblr3"});
    }

  private:
    // Two T paths between INPUT and OUTPUT: above, r2 and r3 in series with
    // c1 from their junction to ground; below, c2 and c3 in series with r1
    // from theirs.
    void schematic() {
        label("Label3", "INPUT").as(Role::OnDrawing);
        label("Label4", "OUTPUT").as(Role::OnDrawing);
        label("lblr2", "R").as(Role::OnDrawing);
        label("lblr3", "R").as(Role::OnDrawing);
        label("lblc1", "C").as(Role::OnDrawing);
        label("lblc2", "C").as(Role::OnDrawing);
        label("lblc3", "C").as(Role::OnDrawing);
        label("lblr1", "R").as(Role::OnDrawing);

        // As wide as twice its height, so that it stands under the field.
        Drawing& d = drawing(540, 260);
        const double upper = 50, lower = 170, mid = 110, left = 120, right = 420, node = 270;
        d.terminal(70, mid);
        d.wire(73, mid, left, mid);
        d.terminal(470, mid);
        d.wire(right, mid, 467, mid);
        d.wire(left, upper, left, lower);
        d.wire(right, upper, right, lower);
        d.dot(left, mid);
        d.dot(right, mid);
        // Upper path: resistor, junction, resistor; the capacitor to ground.
        d.resistor(left, upper, node - left, Dir::Right);
        d.resistor(node, upper, right - node, Dir::Right);
        d.capacitor(node, upper, 50, Dir::Down);
        d.ground(node, upper + 50);
        d.dot(node, upper);
        // Lower path: capacitor, junction, capacitor; the resistor to ground.
        d.capacitor(left, lower, node - left, Dir::Right);
        d.capacitor(node, lower, right - node, Dir::Right);
        d.resistor(node, lower, 60, Dir::Down);
        d.ground(node, lower + 60);
        d.dot(node, lower);

        d.slot("Label3", 40, 82, 76, 18);
        d.slot("Label4", 424, 82, 76, 18, SlotAlign::Right);
        d.slot("lblr2", 135, 18, 120, 18, SlotAlign::Centre);
        d.slot("lblr3", 285, 18, 120, 18, SlotAlign::Centre);
        d.slot("lblc1", 286, 66, 130, 18);
        d.slot("lblc2", 135, 136, 120, 18, SlotAlign::Centre);
        d.slot("lblc3", 285, 136, 120, 18, SlotAlign::Centre);
        d.slot("lblr1", 286, 191, 130, 18);
    }
};

ETERO_FORM(FiltroNotch, "frmfiltronotch");

} // namespace

} // namespace etero::bandfilters
