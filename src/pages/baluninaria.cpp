// The 4:1 air-wound balun for 3.5 to 28 MHz: its winding diagram and the
// bifilar winding itself on a 40 mm PVC tube. The two windings A and B are
// in series (A2 joined to B1, the common point at ground): the unbalanced
// side feeds one winding, between A1 and that point; the balanced side,
// four times the impedance, is taken across both, between A1 and B2.
#include "pages.h"
#include "shell/app/registry.h"

namespace etero::pages {

namespace {

class BalunInAria : public Page {
  public:
    BalunInAria() : Page("frmbaluninaria") {}

  protected:
    void design() override {
        window("BALUN IN ARIA SU SUPPORTO IN PVC    RAPPORTO  4:1  A LARGA BANDA  3.5 - 28 MHz");
        Drawing& d = drawing(1140, 380);
        diagram(d);
        tube(d);
        closeCommand("cmdesci", "E S C I");
    }

  private:
    // The winding diagram, on the left.
    void diagram(Drawing& d) {
        const double a = 220, b = 300, top = 90, bottom = 270, left = 120, right = 420;
        const double hot = 150, cold = 210;
        on(d, "Label1", "A1", 188, 66, 28, 18, SlotAlign::Right);
        on(d, "Label2", "A2", 188, 276, 28, 18, SlotAlign::Right);
        on(d, "Label3", "B1", 306, 70, 28, 18);
        on(d, "Label4", "B2", 306, 276, 28, 18);
        on(d, "Label5", "4 Z   BILANCIATA", right + 10, hot + 14, 144, 34);
        on(d, "Label6", "SBILANCIATA  Z", 4, hot + 14, left - 10, 34, SlotAlign::Right);
        on(d, "Label7", "BAL - UN", 20, 8, 540, 30, SlotAlign::Centre).font(12, true);
        on(d, "Label8", "14 - 16 SPIRE IN BIFILARE", 20, 340, 540, 22, SlotAlign::Centre);

        for (double x : {a, b}) {
            winding(d, x, top, bottom - top, 8, x == b);
            d.dot(x + (x == a ? 8 : -8), top + 4); // the start of each winding
        }
        // A1: the unbalanced side's hot lead and one balanced terminal.
        d.line(a, top, a, 60);
        d.line(left, 60, right, 60);
        d.line(left, 60, left, hot - 3);
        d.line(right, 60, right, hot - 3);
        // A2 joined to B1: the common point, to the unbalanced side's ground.
        d.line(a, bottom, a, 304);
        d.line(left, 304, 260, 304);
        d.dot(a, 304);
        d.line(260, 304, 260, 76);
        d.line(260, 76, b, 76);
        d.line(b, 76, b, top);
        d.line(left, cold + 3, left, 304);
        d.ground(180, 304);
        // B2: the other balanced terminal.
        d.line(b, bottom, b, 324);
        d.line(b, 324, right, 324);
        d.line(right, 324, right, cold + 3);
        for (double x : {left, right})
            for (double y : {hot, cold})
                d.terminal(x, y);
    }

    // The bifilar winding on its tube, on the right: the A wire in copper,
    // the B wire in blue, side by side.
    void tube(Drawing& d) {
        const double x0 = 730, x1 = 1000, top = 170, height = 56, pitch = 16;
        const double in = 700, out = 1030, hot = 120, cold = 250;
        filled(d.rect(x0, top, x1 - x0, height), 0xD9DDE3, 0x8A95A3);
        filled(d.ellipse(x0 - 7, top, 14, height), 0xC4CAD2, 0x8A95A3);
        const double firstA = x0 + 15, lastA = firstA + 14 * pitch;
        const double firstB = firstA + 7, lastB = lastA + 7;
        // A2 to B1 through the inside of the tube, hidden by the turns.
        Shape& inside =
            d.polyline({lastA + 2.5, top - 6, lastA + 2.5, top + height / 2, firstB + 2.5,
                        top + height / 2, firstB + 2.5, top + height + 6});
        inside.dashed = true;
        inside.pen = 0x555555;
        inside.penWidth = 1;
        for (int k = 0; k < 15; ++k) {
            for (const auto& [dx, colour] : {std::pair{0.0, Rgb{0xB87333}}, {7.0, Rgb{0x3C78C8}}}) {
                filled(d.rect(firstA + k * pitch + dx, top - 6, 5, height + 12), colour, colour)
                    .penWidth = 0.5;
            }
        }
        // A1 to the unbalanced hot terminal and, over the tube, to the
        // balanced side; B1 to ground; B2 to the balanced side.
        d.line(firstA + 2.5, top - 6, firstA + 2.5, hot);
        d.line(in, hot, out, hot);
        d.line(out, hot, out, 147);
        d.line(firstB + 2.5, top + height + 6, firstB + 2.5, cold);
        d.line(in, cold, firstB + 2.5, cold);
        d.line(lastB + 2.5, top + height + 6, lastB + 2.5, cold);
        d.line(lastB + 2.5, cold, out, cold);
        d.line(out, cold, out, 223);
        for (const auto& [x, y] : {std::pair{in, hot}, {in, cold}, {out, 150.0}, {out, 220.0}})
            d.terminal(x, y);
        on(d, "Label9", "A1", firstA + 8, hot + 18, 28, 18);
        on(d, "Label10", "B1", firstB + 8, cold - 20, 28, 18);
        on(d, "Label11", "A2", lastA - 30, hot + 18, 28, 18, SlotAlign::Right);
        on(d, "Label12", "B2", lastB - 30, cold - 20, 28, 18, SlotAlign::Right);
        on(d, "Label13", "BILANCIATA  4 Z", out + 8, 164, 100, 44);
        on(d, "Label14", "SBILANCIATA  Z", 596, 164, in - 604, 44, SlotAlign::Right);
        on(d, "Label15", "40 mm PVC", 800, 268, 130, 20, SlotAlign::Centre);
    }
};

ETERO_FORM(BalunInAria, "frmbaluninaria");

} // namespace

} // namespace etero::pages
