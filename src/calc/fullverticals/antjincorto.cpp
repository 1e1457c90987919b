// The J antenna with short-circuited base: the radiator, the quarter-wave
// matching line shorted at its foot, the spacing of the two conductors and
// the height of the feed point, from the working frequency as it is typed,
// with an advice on the elements' diameter.
#include "fullverticals.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cstdint>

namespace etero::fullverticals {

namespace {

class AntJinCorto : public JForm {
  public:
    AntJinCorto() : JForm("frmantJincorto") {}

  protected:
    void design() override {
        window("ANTENNA VERTICALE J  CON BASE IN CORTO CIRCUITO");
        field("Label1", "INSERISCI LA FREQUENZA IN MHz.", "txtfrequenza");
        result("lbldiametro");
        label("Label2", "LE MISURE SONO OVVIAMENTE INDICATIVE (IN ECCESSO) PER IL MINIMO ROS "
                        "SPOSTARE IL PUNTO DI ALIMENTAZIONE E AGIRE SULLA LUNGHEZZA DEGLI ELEMENTI")
            .as(Role::Hint);
        label("lblaltezza").as(Role::OnDrawing);
        label("lbllinea").as(Role::OnDrawing);
        label("lbldist").as(Role::OnDrawing);
        label("lbld1").as(Role::OnDrawing);
        schematic();
        closeCommand("cmdesci", kClose);

        followFrequency({"lblaltezza", "lbllinea", "lbldist", "lbld1"}, [this] { compute(); });
    }

  private:
    // The radiator and the matching line joined by a bar at the base; the
    // coaxial cable is tapped across them a little above it.
    void schematic() {
        Drawing& d = drawing(330, 400);
        const double left = 150, right = 190, top = 30, base = 320;
        const double lineTop = base - (base - top) * 7490 / 22000;
        const double tap = base - (base - top) * 740 / 22000 * 2; // drawn twice as high
        conductor(d, {left, top, left, base, right, base, right, lineTop});
        tappedFeed(d, left, right, tap, base);
        heightMeasure(d, left - 40, top, base, "lblaltezza", left - 48, 100);
        heightMeasure(d, left - 20, tap, base, "lbld1", left - 48, 100);
        heightMeasure(d, right + 40, lineTop, base, "lbllinea", right + 48, 90);
        widthMeasure(d, left, right, lineTop - 16);
        d.slot("lbldist", right + 8, lineTop - 34, 100, 18);
    }

    void compute() {
        Ln = toInt16(7490 / f);
        R = toInt16(22000 / f);
        P = formatFixed(460 / f, 1);
        advice(30);
        showLengths(R, Ln);
        caption("lbldist", P + " cm.");
        caption("lbld1", formatLocale(roundThroughFixed(740 / f, 1)));
    }

    std::int16_t Ln = 0, R = 0; // whole centimetres
    std::string P;              // cm, as shown
};

ETERO_FORM(AntJinCorto, "frmantJincorto");

} // namespace

} // namespace etero::fullverticals
