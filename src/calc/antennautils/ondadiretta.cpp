// The line-of-sight range of an antenna from its height above sea level,
// recomputed at every change of the height.
#include "antennautils.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>
#include <vector>

namespace etero::antennautils {

namespace {

class OndaDiretta : public UtilityForm {
  public:
    OndaDiretta() : UtilityForm("frmondadiretta") {}

  protected:
    void design() override {
        window("DISTANZA DI COLLEGAMENTO PER ONDA DIRETTA");
        field("Label1", "ALTEZZA IN MT. SUL LIVELLO DEL MARE", "txtaltezza");
        result("lbldistanza");
        schematic();
        closeButton();

        onChange("txtaltezza", [this] { compute(); });
        // The distance belongs to the height that produced it only.
        blankOnInputChange({"lbldistanza"});
    }

  private:
    // The antenna on the curved earth and its line of sight, which grazes
    // the surface at the horizon.
    void schematic() {
        Drawing& d = drawing(320, 170);
        const double cx = 160, cy = 640, R = 520;
        std::vector<double> surface;
        for (double x = 0; x <= 320; x += 10) {
            surface.push_back(x);
            surface.push_back(cy - std::sqrt(R * R - (x - cx) * (x - cx)));
        }
        Shape& s = d.polyline(std::move(surface));
        s.pen = 0x2E6B30;
        s.penWidth = 2.5;
        // The mast at x = 50, 60 high.
        const double mx = 50, foot = cy - std::sqrt(R * R - (mx - cx) * (mx - cx)), top = foot - 60;
        Shape& mast = d.line(mx, foot, mx, top);
        mast.penWidth = 3;
        d.antenna(mx, top, 14);
        // The tangent from the mast top touches the circle where the radius
        // to it is square to the line of sight.
        const double dx = mx - cx, dy = top - cy, dist = std::hypot(dx, dy);
        const double toward = std::atan2(dy, dx) + std::acos(R / dist);
        const double tx = cx + R * std::cos(toward), ty = cy + R * std::sin(toward);
        Shape& ray = d.line(mx, top, tx, ty);
        ray.pen = 0xC03020;
        ray.dashed = true;
        d.dot(tx, ty);
        note(d, mx - 8, (foot + top) / 2, "h", Anchor::EndsAt);
        note(d, tx - 4, ty + 14, "orizzonte", Anchor::EndsAt);
    }

    void compute() {
        h = num("txtaltezza");
        if (h == 0) return;
        if (h < 0) return refuse("MANCA DATO", kErrorTitle, "txtaltezza");
        if (h > 5000) return refuse("ALTEZZA ECCESSIVA", kErrorTitle, "txtaltezza");
        D = static_cast<float>(roundHalfEven(std::sqrt(h) * 4.124));
        caption("lbldistanza", "LA POSSIBILE DISTANZA E' DI KM: " + formatLocale(D));
    }

    double h = 0; // height above sea level, m
    float D = 0;  // distance, km, a whole number
};

ETERO_FORM(OndaDiretta, "frmondadiretta");

} // namespace

} // namespace etero::antennautils
