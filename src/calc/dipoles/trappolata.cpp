// The shortened dipole: the inductance of the two loading coils that bring a
// dipole shorter than half a wave to resonance, from the length available,
// the distance of the coils from the centre and the conductor diameter.
#include "dipoles.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::dipoles {

namespace {

class Trappolata : public DipoleForm {
  public:
    Trappolata() : DipoleForm("frmtrappolata") {}

  protected:
    void design() override {
        window("ANTENNE ACCORCIATE - VALORE DELL' INDUTTANZA IN RAPPORTO ALLE DIMENSIONI");
        field("Label1", "LUNGHEZZA TOTALE A DISPOSIZIONE in mt. (B)", "txtlunghezza");
        field("Label2", "DISTANZA DELLA BOBINA DAL CENTRO in mt. (A)", "txtdistanza");
        field("Label3", "DIAMETRO DEL CONDUTTORE in mm. (d)", "txtdiametro");
        field("Label4", "FREQUENZA in MHz", "txtfrequenza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblinduttanza").hidden();
        command("cmdchiamabobine", "COSTRUZIONE BOBINE",
                [this] { openForm("frmbobine", Mode::Modeless); });
        closeCommand("cmdesci", "E S C I");
        schematic();
    }

  private:
    // The shortened dipole with a coil in each arm: the whole length B, the
    // distance A of a coil from the centre, the conductor diameter d.
    void schematic() {
        Drawing& d = drawing(500, 150);
        const double y = 70, x1 = 40, x2 = 460, c = 250, a = 120;
        wire(d, x1, c - a - 18, y);
        d.inductor(c - a - 18, y, 36, Dir::Right, 4);
        wire(d, c - a + 18, c + a - 18, y);
        d.inductor(c + a - 18, y, 36, Dir::Right, 4);
        wire(d, c + a + 18, x2, y);
        insulator(d, x1, y, -14);
        insulator(d, x2, y, 14);
        centreFeed(d, c, y, 60);
        dimension(d, x1, x2, 22, 66);
        d.text(c, 14, "B", 9);
        dimension(d, c, c + a, 48, 66);
        d.text(c + a / 2, 40, "A", 9);
        d.line(x2 - 40, y - 2, x2 - 52, y - 14).penWidth = 0.8;
        d.text(x2 - 58, y - 20, "d", 9);
    }

    void compute() {
        B = num("txtlunghezza");
        A = num("txtdistanza");
        dia = num("txtdiametro");
        f = num("txtfrequenza");
        if (A * B * dia * f <= 0) return missingData("txtlunghezza");
        if (B >= 142 / f) {
            warn("RADIATORE PIU' LUNGO DI 1/2 LAMBDA", kNoticeTitle);
            return focus("txtlunghezza");
        }
        if (A >= B / 2) {
            warn("DISTANZA ECCESSIVA", kNoticeTitle);
            return focus("txtdistanza");
        }
        // Feet and inches, as the formula is written.
        const double Af = A / 0.3048, Bf = B / 0.3048, di = dia / 25.4;
        const double h = Bf / 2, Q = 234 / f;
        const double outer =
            (std::log(24 * (Q - Af) / di) - 1) * (std::pow(1 - f * Af / 234, 2) - 1) / (Q - Af);
        const double inner = (std::log(24 * (h - Af) / di) - 1) *
                             (std::pow((f * h - f * Af) / 234, 2) - 1) / (h - Af);
        L = static_cast<float>(1e6 / (68 * std::pow(3.14, 2) * std::pow(f, 2)) * (outer - inner));
        L = static_cast<float>(roundThroughPattern(L, "#,##0.##"));
        caption("lblinduttanza", "L'INDUTTANZA DELLA BOBINA E' micro HENRY : " + formatLocale(L));
        show("lblinduttanza");
    }

    double A = 0, B = 0, dia = 0, f = 0; // the four inputs
    float L = 0;                         // the inductance, single precision
};

ETERO_FORM(Trappolata, "frmtrappolata");

} // namespace

} // namespace etero::dipoles
