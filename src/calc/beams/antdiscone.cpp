// The discone: diameters of the disc and of the cone's base, the side of the
// cone and the spacing at the insulator, from the working frequency,
// recomputed as it is typed.
#include "beams.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::beams {

namespace {

class AntDiscone : public LiveForm {
  public:
    AntDiscone() : LiveForm("frmantdiscone") {}

  protected:
    void design() override {
        window("ANTENNA DISCONE");
        field("Label1", "FREQUENZA IN MHz", "txtfrequenza");
        label("lblbase").as(Role::OnDrawing).hidden();
        label("lbllato").as(Role::OnDrawing).hidden();
        label("lbldisco").as(Role::OnDrawing).hidden();
        label("lblspaziatura").as(Role::OnDrawing).hidden();
        closeCommand("cmdesci", "E S C I");
        schematic();

        followFrequency({"lblbase", "lbllato", "lbldisco", "lblspaziatura"}, [this] { compute(); });
    }

  private:
    // Disc and cone seen from the side, the coaxial line rising inside the
    // cone to the insulator between them.
    void schematic() {
        Drawing& d = drawing(460, 310);
        const double cx = 220, discTop = 40, discBottom = 46, apex = 66, base = 247;
        const double discHalf = 70, baseHalf = 84;
        Shape& disc = d.rect(cx - discHalf, discTop, 2 * discHalf, discBottom - discTop);
        disc.filled = true;
        disc.fill = kElement;
        disc.pen = kElement;
        conductor(d, {cx - baseHalf, base, cx, apex, cx + baseHalf, base});
        Shape& coax = d.line(cx, base, cx, discBottom + 2);
        coax.pen = kCable;
        coax.penWidth = 2.5;
        coax.dashed = true;
        d.rect(cx - 5, apex - 14, 10, 10).penWidth = 1; // the insulator
        d.terminal(cx, base + 3);
        // the disc above
        widthAbove(d, cx - discHalf, cx + discHalf, discTop, discTop - 16, "lbldisco");
        // the spacing at the insulator, on the right
        const double xs = cx + discHalf + 40;
        extension(d, cx + 6, apex, xs + 6, apex);
        heightBeside(d, cx + discHalf, discBottom, apex, xs, "lblspaziatura", 460);
        // the side of the cone, on the left
        alongside(d, cx, apex, cx - baseHalf, base, -14);
        d.slot("lbllato", 4, (apex + base) / 2 - 9, cx - baseHalf / 2 - 36, 18, SlotAlign::Right);
        // the base below
        extension(d, cx - baseHalf, base + 3, cx - baseHalf, base + 24);
        extension(d, cx + baseHalf, base + 3, cx + baseHalf, base + 24);
        measure(d, cx - baseHalf, base + 18, cx + baseHalf, base + 18, "lblbase", cx - 80,
                base + 34, 160, 18);
    }

    void compute() {
        quarto = 7500 / f;
        base = intFloor(quarto * 0.84) + 1;
        lato = intFloor(quarto) + 1;
        disco = intFloor(quarto * 0.7) + 1;
        spaziatura = roundThroughFixed(quarto * 0.084, 1);
        caption("lblbase", formatLocale(base) + " cm");
        caption("lbllato", formatLocale(lato) + " cm di lato");
        caption("lbldisco", formatLocale(disco) + " cm");
        caption("lblspaziatura", formatLocale(spaziatura) + " cm");
    }

    double quarto = 0;                                    // a quarter wave, cm
    double base = 0, lato = 0, disco = 0, spaziatura = 0; // cm
};

ETERO_FORM(AntDiscone, "frmantdiscone");

} // namespace

} // namespace etero::beams
