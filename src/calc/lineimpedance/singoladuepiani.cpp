// The single wire between two ground planes: its characteristic impedance
// from the diameter of the wire and the distance of the planes.
#include "lineimpedance.h"
#include "shell/app/registry.h"

namespace etero::lineimpedance {

namespace {

class SingolaDuePiani : public GeometryForm {
  public:
    SingolaDuePiani() : GeometryForm("frmsingoladuepiani") {}

  protected:
    void describe() override {
        window(" IMPEDENZA DI UNA LINEA SINGOLA TRA DUE PIANI DI TERRA");
        field("Label1", "DIAMETRO  DEL CONDUTTORE  in mm. :", "txtd");
        field("Label2", "DISTANZA  TRA I DUE PIANI DI TERRA  :", "txth");
    }

    // The planes h apart, the wire half-way, h/2 from each.
    void sketch(Drawing& d) override {
        const double top = 30, bottom = 190, y = (top + bottom) / 2, r = 12, x = 200;
        plane(d, 20, 340, top, false);
        plane(d, 20, 340, bottom, true);
        conductor(d, x, y, r);
        diameterAbove(d, x, y, r, y - 34, "d");
        d.arrowLine(40, top, 40, bottom);
        letter(d, 30, y, "h", Anchor::StartsAt);
        guide(d, x, y, 100, y);
        d.arrowLine(106, top, 106, y);
        d.arrowLine(106, y, 106, bottom);
        letter(d, 112, (top + y) / 2, "h/2", Anchor::EndsAt);
        letter(d, 112, (y + bottom) / 2, "h/2", Anchor::EndsAt);
    }

    void compute() override {
        d = num("txtd");
        h = num("txth");
        if (d * h < 1) {
            warn("DATI NON VALIDI", kErrorTitle);
            return focus("txtd");
        }
        if (h <= 4.0 / 3 * d) return refuse("h deve essere > 4/3 d");
        const float Z = 138 * log10Ln(4 * h / (3.14 * d));
        showImpedance(Z, "#,##0.##");
    }

  private:
    double d = 0, h = 0;
};

ETERO_FORM(SingolaDuePiani, "frmsingoladuepiani");

} // namespace

} // namespace etero::lineimpedance
