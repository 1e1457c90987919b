// The open two-wire line: its characteristic impedance from the diameter of
// the wires and their spacing.
#include "lineimpedance.h"
#include "shell/app/registry.h"

namespace etero::lineimpedance {

namespace {

class BifilareAperta : public GeometryForm {
  public:
    BifilareAperta() : GeometryForm("frmbifilareaperta") {}

  protected:
    void describe() override {
        window(" IMPEDENZA DI UNA LINEA BIFILARE APERTA");
        field("Label1", "DIAMETRO  CONDUTTORI  in mm. (d) :", "txtd");
        field("Label2", "DISTANZA  in mm (h)  :", "txtdistanza");
    }

    void notes() override {
        label("Label3", "RISULTATI  VALIDI  PER  h >> d").as(Role::Hint);
        GeometryForm::notes();
    }

    // Two wires side by side, h between their centres.
    void sketch(Drawing& d) override {
        const double y = 120, r = 16, x1 = 90, x2 = 270;
        conductor(d, x1, y, r);
        conductor(d, x2, y, r);
        diameterAbove(d, x1, y, r, 70, "d");
        guide(d, x1, y, x1, 184);
        guide(d, x2, y, x2, 184);
        d.arrowLine(x1, 180, x2, 180);
        letter(d, (x1 + x2) / 2, 166, "h");
    }

    void compute() override {
        d = num("txtd");
        h = static_cast<float>(num("txtdistanza"));
        if (d * h <= 0) return missingData("txtd");
        const double Z = 276 * log10Ln(2 * h / d);
        showImpedance(Z, "#,##0.#");
    }

  private:
    double d = 0;
    float h = 0;
};

ETERO_FORM(BifilareAperta, "frmbifilareaperta");

} // namespace

} // namespace etero::lineimpedance
