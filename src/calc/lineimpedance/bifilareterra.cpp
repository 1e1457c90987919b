// The two-wire line above a ground plane: its characteristic impedance from
// the diameter of the wires, their spacing and their height over the plane.
#include "lineimpedance.h"
#include "shell/app/registry.h"

namespace etero::lineimpedance {

namespace {

class BifilareTerra : public GeometryForm {
  public:
    BifilareTerra() : GeometryForm("frmbifilareterra") {}

  protected:
    void describe() override {
        window(" IMPEDENZA DI UNA LINEA BIFILARE CON PIANO DI TERRA");
        field("Label1", "DIAMETRO  DEI CONDUTTORI  in mm. :", "txtd");
        field("Label2", "DISTANZA  TRA I CONDUTTORI in mm :", "txts");
        field("Label3", "DISTANZA  DAL PIANO DI TERRA in mm :", "txth");
    }

    // Two wires s apart, both h above the plane.
    void sketch(Drawing& d) override {
        const double y = 100, r = 14, x1 = 130, x2 = 260, yPlane = 190;
        conductor(d, x1, y, r);
        conductor(d, x2, y, r);
        plane(d, 30, 330, yPlane, true);
        diameterAbove(d, x1, y, r, 56, "d");
        guide(d, x1, y, x1, 150);
        guide(d, x2, y, x2, 150);
        d.arrowLine(x1, 146, x2, 146);
        letter(d, (x1 + x2) / 2, 134, "s");
        guide(d, x1, y, 64, y);
        d.arrowLine(70, y, 70, yPlane);
        letter(d, 56, (y + yPlane) / 2, "h");
    }

    void compute() override {
        d = num("txtd");
        s = num("txts");
        h = static_cast<float>(num("txth"));
        if (d * s * h <= 0) return missingData("txtd");
        if (d > s || d > h) return refuse("d < s   -   d < h");
        const double Z = 276 * log10Ln(2 * s / d) / std::sqrt(1 + std::pow(s / (2 * h), 2));
        showImpedance(Z, "#,##0.##");
    }

  private:
    double d = 0, s = 0;
    float h = 0;
};

ETERO_FORM(BifilareTerra, "frmbifilareterra");

} // namespace

} // namespace etero::lineimpedance
