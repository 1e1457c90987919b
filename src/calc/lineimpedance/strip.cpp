// The line of two parallel strips: its characteristic impedance from the
// distance between the strips and their width.
#include "lineimpedance.h"
#include "shell/app/registry.h"

namespace etero::lineimpedance {

namespace {

class Strip : public GeometryForm {
  public:
    Strip() : GeometryForm("frmstrip") {}

  protected:
    void describe() override {
        window(" IMPEDENZA DI UNA LINEA  A STRIP PARALLELI");
        field("Label1", "DISTANZA DEGLI STRIP  in mm. :", "txtd");
        field("Label2", "LUNGHEZZA DEGLI STRIP  in mm :", "txts");
    }

    // The formula holds for strips much wider than their distance: that note
    // stands where the other forms remind how to type decimals.
    void notes() override { label("Label4", "\" S \"  >  10 volte  \" d \"").as(Role::Hint); }

    // Two strips S wide, one above the other, d apart.
    void sketch(Drawing& d) override {
        const double x1 = 70, x2 = 300, y1 = 90, y2 = 150, t = 8;
        for (double y : {y1 - t, y2}) {
            Shape& s = d.rect(x1, y, x2 - x1, t);
            s.filled = true;
            s.fill = kMetal;
        }
        guide(d, x1, y1 - t, x1, 40);
        guide(d, x2, y1 - t, x2, 40);
        d.arrowLine(x1, 44, x2, 44);
        letter(d, (x1 + x2) / 2, 32, "S");
        guide(d, x2, y1, x2 + 30, y1);
        guide(d, x2, y2, x2 + 30, y2);
        d.arrowLine(x2 + 24, y1, x2 + 24, y2);
        letter(d, x2 + 36, (y1 + y2) / 2, "d", Anchor::EndsAt);
    }

    void compute() override {
        d = num("txtd");
        S = num("txts");
        if (d * S <= 0) return missingData("txtd");
        if (S < 10 * d) return refuse("S > =  10 d ");
        const float Z = 377 * d / S;
        showImpedance(Z, "#,##0.##");
    }

  private:
    double d = 0, S = 0;
};

ETERO_FORM(Strip, "frmstrip");

} // namespace

} // namespace etero::lineimpedance
