// The screened balanced line: two wires inside a round screen; its
// characteristic impedance from the screen's inner diameter, the diameter of
// the wires and their spacing.
#include "lineimpedance.h"
#include "shell/app/registry.h"

namespace etero::lineimpedance {

namespace {

class BilanciataSchermata : public GeometryForm {
  public:
    BilanciataSchermata() : GeometryForm("frmbilanciataschermata") {}

  protected:
    void describe() override {
        window(" IMPEDENZA DI UNA LINEA BILANCIATA SCHERMATA");
        field("Label1", "DIAMETRO INTERNO DELLO SCHERMO  ESTERNO in mm. :", "txtd1");
        field("Label2", "DIAMETRO  DEI CONDUTTORI INTERNI in mm. :", "txtd2");
        field("Label3", "DISTANZA  TRA I CONDUTTORI INTERNI in mm", "txtdistanza");
    }

    // The screen (D inside), the two wires (d) h apart across its centre.
    void sketch(Drawing& d) override {
        const double cx = 180, cy = 120, R = 80, r = 10, x1 = cx - 40, x2 = cx + 40;
        Shape& outer = d.ellipse(cx - R - 6, cy - R - 6, 2 * R + 12, 2 * R + 12);
        outer.filled = true;
        outer.fill = kMetal;
        Shape& inner = d.ellipse(cx - R, cy - R, 2 * R, 2 * R);
        inner.filled = true;
        inner.fill = kWhite;
        conductor(d, x1, cy, r);
        conductor(d, x2, cy, r);
        diameterAbove(d, x2, cy, r, cy - 30, "d");
        guide(d, x1, cy, x1, cy + 34);
        guide(d, x2, cy, x2, cy + 34);
        d.arrowLine(x1, cy + 30, x2, cy + 30);
        letter(d, cx, cy + 44, "h");
        guide(d, cx - R, cy, cx - R, 26);
        guide(d, cx + R, cy, cx + R, 26);
        d.arrowLine(cx - R, 22, cx + R, 22);
        letter(d, cx + R + 20, 22, "D");
    }

    void compute() override {
        D = num("txtd1");
        d = num("txtd2");
        h = num("txtdistanza");
        if (D * d * h <= 0) return missingData("txtd1");
        if (h >= D - 2 * d) return refuse("distanza eccessiva", "txtd1");
        if (D <= d || d > h) return refuse("deve essere h > di d  e  D > di  h ", "txtd1");
        const double v = h / d;
        const double sigma = h / D;
        const float twoV = static_cast<float>(2 * v);
        const double Z = 276 * log10Ln(twoV * (1 - sigma) / (1 + sigma));
        showImpedance(Z, "#,##0.##");
    }

  private:
    double D = 0, d = 0, h = 0;
};

ETERO_FORM(BilanciataSchermata, "frmbilanciataschermata");

} // namespace

} // namespace etero::lineimpedance
