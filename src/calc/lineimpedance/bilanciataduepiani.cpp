// The balanced two-wire line between two ground planes: its characteristic
// impedance from the diameter of the wires and the distance of the planes.
#include "lineimpedance.h"
#include "shell/app/registry.h"

namespace etero::lineimpedance {

namespace {

class BilanciataDuePiani : public GeometryForm {
  public:
    BilanciataDuePiani() : GeometryForm("frmbilanciataduepiani") {}

  protected:
    void describe() override {
        window(" IMPEDENZA DI UNA LINEA BILANCIATA TRA DUE PIANI DI TERRA");
        field("Label1", "DIAMETRO  DEI CONDUTTORI  in mm. :", "txtd");
        field("Label2", "DISTANZA  TRA I DUE PIANI DI TERRA  :", "txth");
    }

    // The planes h apart, the two wires half-way between them, each h/4
    // from the middle of the line.
    void sketch(Drawing& d) override {
        const double top = 30, bottom = 190, y = (top + bottom) / 2, r = 10;
        const double mid = 200, x1 = 150, x2 = 250;
        plane(d, 20, 340, top, false);
        plane(d, 20, 340, bottom, true);
        conductor(d, x1, y, r);
        conductor(d, x2, y, r);
        diameterAbove(d, x2, y, r, y - 34, "d");
        d.arrowLine(40, top, 40, bottom);
        letter(d, 30, y, "h", Anchor::StartsAt);
        guide(d, x1, y, 80, y);
        d.arrowLine(86, y, 86, bottom);
        letter(d, 92, (y + bottom) / 2, "h/2", Anchor::EndsAt);
        guide(d, mid, top, mid, bottom);
        guide(d, x1, y, x1, y + 44);
        guide(d, x2, y, x2, y + 44);
        d.arrowLine(x1, y + 40, mid, y + 40);
        d.arrowLine(mid, y + 40, x2, y + 40);
        letter(d, (x1 + mid) / 2, y + 28, "h/4");
        letter(d, (mid + x2) / 2, y + 28, "h/4");
    }

    void compute() override {
        d = num("txtd");
        h = num("txth");
        if (d * h <= 0) return missingData("txtd");
        if (h < 4 * d) return refuse("deve essere : h > 4 d");
        const float Z = 276 * log10Ln(2 * h / (3.1415 * d));
        showImpedance(Z, "#,##0.##");
    }

  private:
    double d = 0, h = 0;
};

ETERO_FORM(BilanciataDuePiani, "frmbilanciataduepiani");

} // namespace

} // namespace etero::lineimpedance
