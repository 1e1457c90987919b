// The single wire in a closed square duct: its characteristic impedance from
// the diameter of the wire and the width of the duct.
#include "lineimpedance.h"
#include "shell/app/registry.h"

namespace etero::lineimpedance {

namespace {

class GuidaChiusa : public GeometryForm {
  public:
    GuidaChiusa() : GeometryForm("frmguidachiusa") {}

  protected:
    void describe() override {
        window(" IMPEDENZA DI UNA LINEA SINGOLA IN GUIDA QUADRATA CHIUSA");
        field("Label1", "DIAMETRO  DEL CONDUTTORE  in mm. :", "txtd");
        field("Label2", "LARGHEZZA \" S \" DELLA GUIDA in mm :", "txts");
    }

    // The square duct of side S, the wire at its centre.
    void sketch(Drawing& d) override {
        const double cx = 180, cy = 125, half = 75, r = 14;
        Shape& wall = d.rect(cx - half - 6, cy - half - 6, 2 * half + 12, 2 * half + 12);
        wall.filled = true;
        wall.fill = kMetal;
        Shape& inside = d.rect(cx - half, cy - half, 2 * half, 2 * half);
        inside.filled = true;
        inside.fill = kWhite;
        conductor(d, cx, cy, r);
        diameterAbove(d, cx, cy, r, cy - 34, "d");
        guide(d, cx - half, cy - half, cx - half, 24);
        guide(d, cx + half, cy - half, cx + half, 24);
        d.arrowLine(cx - half, 28, cx + half, 28);
        letter(d, cx, 16, "S");
    }

    void compute() override {
        d = num("txtd");
        S = num("txts");
        if (d * S <= 0) return missingData("txtd");
        if (S < 2 * d) return refuse("d è sempre < di S/2");
        const double rho = S / d;
        const double A = (1 + 0.405 * std::pow(rho, -4)) / (1 - 0.405 * std::pow(rho, -4));
        const double B = (1 + 0.163 * std::pow(rho, -8)) / (1 - 0.163 * std::pow(rho, -8));
        const double C = (1 + 0.067 * std::pow(rho, -12)) / (1 - 0.067 * std::pow(rho, -12));
        const float Z = 138 * log10Ln(rho) + 6.48 - 2.34 * A - 0.48 * B - 0.12 * C;
        showImpedance(Z, "#,##0.##");
    }

  private:
    double d = 0, S = 0;
};

ETERO_FORM(GuidaChiusa, "frmguidachiusa");

} // namespace

} // namespace etero::lineimpedance
