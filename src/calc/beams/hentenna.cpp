// The HEN loop: width and height of the rectangle and the position of its
// tuning bar from the working frequency, recomputed as it is typed.
#include "beams.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::beams {

namespace {

class Hentenna : public LiveForm {
  public:
    Hentenna() : LiveForm("frmhentenna") {}

  protected:
    void design() override {
        window("LOOP GIAPPONESE     ANTENNA HEN");
        field("Label1", "FREQUENZA IN MHz", "txtfrequenza");
        label("lbllarghezza").as(Role::OnDrawing).hidden();
        label("lblaltezza").as(Role::OnDrawing).hidden();
        label("lblaccordo").as(Role::OnDrawing).hidden();
        closeCommand("cmdchiudi", "C H I U D I");
        schematic();

        followFrequency({"lbllarghezza", "lblaltezza", "lblaccordo"}, [this] { compute(); });
    }

  private:
    // The tall rectangle, a sixth of a wave wide and half a wave high, with
    // the sliding tuning bar a ninth of a wave above its lower side, fed at
    // the middle of the bar.
    void schematic() {
        Drawing& d = drawing(420, 350);
        const double left = 170, right = 260, top = 40, bottom = 310, bar = 250;
        const double mid = (left + right) / 2;
        conductor(d, {left, top, right, top, right, bottom, left, bottom, left, top});
        conductor(d, {left, bar, mid - 6, bar});
        conductor(d, {mid + 6, bar, right, bar});
        for (double x : {left, right})
            d.rect(x - 4, bar - 4, 8, 8).penWidth = 1; // the sliding clamps
        d.dot(mid - 6, bar);
        d.dot(mid + 6, bar);
        Shape& coax = d.polyline({mid, bar + 2, mid, bar + 30});
        coax.pen = kCable;
        coax.penWidth = 2.5;
        d.terminal(mid, bar + 33);
        widthAbove(d, left, right, top, top - 16, "lbllarghezza");
        heightBeside(d, right, top, bottom, right + 28, "lblaltezza", 420);
        extension(d, left - 8, bar, left - 34, bar);
        extension(d, left - 3, bottom, left - 34, bottom);
        measure(d, left - 28, bar, left - 28, bottom, "lblaccordo", 4, (bar + bottom) / 2 - 9,
                left - 38, 18, SlotAlign::Right);
    }

    void compute() {
        lambda = 30000 / f;
        larghezza = formatFixed(lambda / 6, 1);
        altezza = formatFixed(lambda / 2, 1);
        accordo = roundThroughFixed(lambda / 9, 1);
        caption("lbllarghezza", larghezza + " cm");
        caption("lblaltezza", altezza + " cm");
        caption("lblaccordo", formatLocale(accordo) + " cm");
    }

    double lambda = 0;              // cm
    std::string larghezza, altezza; // as shown, cm
    double accordo = 0;             // cm
};

ETERO_FORM(Hentenna, "frmhentenna");

} // namespace

} // namespace etero::beams
