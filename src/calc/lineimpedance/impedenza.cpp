// The coaxial line: its characteristic impedance and its capacitance per
// metre from the two diameters and the dielectric between them.
#include "lineimpedance.h"
#include "shell/app/registry.h"

#include <array>

namespace etero::lineimpedance {

namespace {

// Relative permittivity of each dielectric, in the order of the options.
inline constexpr std::array<double, 7> kPermittivity = {1.00059, 1.65, 2.29, 1.42, 1.58, 2.0408, 3};

class Impedenza : public Form {
  public:
    Impedenza() : Form("frmimpedenza") {}

  protected:
    void design() override {
        window("CAPACITA'  E IMPEDENZA DI UNA LINEA COASSIALE");
        frame("Frame1", "DIELETTRICO");
        options("Option1", 0,
                {"Aria", "Politene", "Polietilene", "Polietilene spiralato", "Polietilene Foam",
                 "Teflon", "P.V.C."});
        endFrame();
        field("Label1", "DIAMETRO INTERNO DEL CONDUTTORE ESTERNO in mm. :", "txtd1");
        field("Label2", "DIAMETRO  DEL CONDUTTORE CENTRALE in mm. :", "txtd2");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblimpedenza");
        result("lblc");
        label("Label3", kDecimalsNote).as(Role::Hint);
        sketch(drawing(360, 220));
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int) { blank({"lblimpedenza", "lblc"}); });
        blankOnInputChange({"lblimpedenza", "lblc"});
    }

  private:
    // The cable end-on: the outer conductor (D inside), the dielectric, the
    // central conductor (d).
    void sketch(Drawing& d) {
        const double cx = 180, cy = 125, R = 70, r = 16;
        Shape& outer = d.ellipse(cx - R - 8, cy - R - 8, 2 * R + 16, 2 * R + 16);
        outer.filled = true;
        outer.fill = kMetal;
        Shape& dielectric = d.ellipse(cx - R, cy - R, 2 * R, 2 * R);
        dielectric.filled = true;
        dielectric.fill = 0xF2F2DC;
        conductor(d, cx, cy, r);
        d.arrowLine(cx - r, cy, cx + r, cy);
        letter(d, cx, cy - 28, "d");
        guide(d, cx - R, cy, cx - R, 20);
        guide(d, cx + R, cy, cx + R, 20);
        d.arrowLine(cx - R, 24, cx + R, 24);
        letter(d, cx, 12, "D");
    }

    void compute() {
        D = num("txtd1");
        d = num("txtd2");
        if (D * d == 0) return missingData("txtd1");
        if (D * d < 0) return;
        if (D <= d) {
            warn("DIAMETRO ESTERNO TROPPO PICCOLO", kErrorTitle);
            return focus("txtd1");
        }
        const int option = selected("Option1");
        er = kPermittivity[option < 0 ? 0 : static_cast<std::size_t>(option)];
        Z = 138 * log10Ln(D / d) / std::sqrt(er);
        C = static_cast<float>(0.0242 * er / log10Ln(D / d));
        C = C * 1000;
        C = static_cast<float>(parseLocale(formatFixed(C, 1)));
        caption("lblc", "LA CAPACITA' E' DI  " + formatLocale(C) + " pF METRO");
        caption("lblimpedenza", "L'IMPEDENZA E' DI    " + formatFixed(Z, 2) + "  OHM");
    }

    double D = 0, d = 0, er = 0, Z = 0;
    float C = 0;
};

ETERO_FORM(Impedenza, "frmimpedenza");

} // namespace

} // namespace etero::lineimpedance
