// A vertical shorter than a quarter wave with a loading coil part-way up:
// computed as one half of a shortened dipole twice as long, with the coil at
// the same distance from the base as the dipole's coil from its centre.
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "verticals.h"

#include <cmath>

namespace etero::verticals {

namespace {

class VertAccorciata : public Form {
  public:
    VertAccorciata() : Form("frmvertaccorciata") {}

  protected:
    void design() override {
        window("ANTENNA VERTICALE ACCORCIATA");
        field("Label1", "LUNGHEZZA TOTALE RADIATORE in mt.", "txtlunghezza");
        field("Label2", "DISTANZA BOBINA DALLA BASE in mt.", "txtdistanza");
        field("Label3", "DIAMETRO DEL RADIATORE in mm", "txtdiametro");
        field("Label4", "FREQUENZA  in MHz", "txtfrequenza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblinduttanza");
        result("lblgradi");
        result("lblRR");
        label("lblind").as(Role::OnDrawing);
        label("lbldist").as(Role::OnDrawing);
        label("lbllung").as(Role::OnDrawing);
        label("lblradiali").as(Role::OnDrawing);
        schematic();
        // The coil designer beside this window: this one to the top left
        // corner, the designer at (4100, 2800), modeless.
        command("cmdchiamabobine", "COSTRUZIONE BOBINA",
                [this] { openBeside("frmbobine", 180, 180, 4100, 2800); });
        closeCommand("cmdchiudi", kClose);
    }

  private:
    // The radiator with its coil part-way up, the total length on the left,
    // the coil distance from the base on the right, the radials at the feed.
    void schematic() {
        Drawing& d = drawing(440, 330);
        const double x = 220, top = 30, base = 250, coilTop = 110, coilBottom = 180;
        radiator(d, x, top, coilTop);
        d.inductor(x, coilTop, coilBottom - coilTop, Dir::Down, 4);
        radiator(d, x, coilBottom, base);
        radials(d, x, base);
        d.dot(x, base);
        dimension(d, 150, top, base);
        d.slot("lbllung", 10, (top + base) / 2 - 11, 132, 22, SlotAlign::Right);
        dimension(d, 290, (coilTop + coilBottom) / 2, base);
        d.slot("lbldist", 298, (coilTop + coilBottom + 2 * base) / 4 - 11, 136, 22);
        d.slot("lblind", 238, (coilTop + coilBottom) / 2 - 30, 196, 22);
        d.slot("lblradiali", 120, 296, 200, 22, SlotAlign::Centre);
    }

    void compute() {
        H = num("txtlunghezza");
        A = static_cast<float>(num("txtdistanza"));
        d = num("txtdiametro");
        f = num("txtfrequenza");
        B = 2 * H;
        if (A * B * d * f <= 0) return missingData("txtlunghezza");
        if (B >= 142 / f) {
            warn("RADIATORE PIU' LUNGO DI 1/2 LAMBDA", "MESSAGGIO DI AVVISO");
            return focus("txtlunghezza");
        }
        if (A >= B / 2) {
            warn("DISTANZA ECCESSIVA", "MESSAGGIO DI AVVISO");
            return focus("txtdistanza");
        }
        // The shortened-dipole coil formula, in feet and inches.
        const double a = A / 0.3048, b = B / 0.3048, dd = d / 25.4;
        const double h = b / 2, Q = 234 / f;
        const double inductance =
            1e6 / (68 * std::pow(3.14, 2) * std::pow(f, 2)) *
            ((std::log(24 * (Q - a) / dd) - 1) * (std::pow(1 - f * a / 234, 2) - 1) / (Q - a) -
             (std::log(24 * (h - a) / dd) - 1) * (std::pow((f * h - f * a) / 234, 2) - 1) /
                 (h - a));
        L = formatFixed(inductance, 2);
        G = formatFixed(electricalDegrees(H, f), 2);
        lambda = static_cast<float>(300 / f);
        RR = formatFixed(std::pow(24 * H / lambda, 2), 2);

        caption("lblinduttanza", "INDUTTANZA in micro HENRY : " + L);
        caption("lblgradi", "LUNGHEZZA ANTENNA IN GRADI  :  " + G);
        caption("lblRR", "RESISTENZA DI RADIAZIONE CIRCA ohm = " + RR);
        caption("lblind", L);
        caption("lbldist", formatLocale(A) + " mt");
        caption("lbllung", formatLocale(H) + " mt");
        caption("lblradiali", "radiali mt " + formatFixed(75 / f, 1));
    }

    double H = 0, d = 0, f = 0, B = 0;
    float A = 0;          // coil distance from the base, single precision
    float lambda = 0;     // wavelength for the radiation resistance, single precision
    std::string L, G, RR; // as shown, two decimals
};

ETERO_FORM(VertAccorciata, "frmvertaccorciata");

} // namespace

} // namespace etero::verticals
