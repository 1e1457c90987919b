// A very short vertical (a few per cent of a wavelength) brought to
// resonance by a coil at its base and fed against the outer conductor of its
// coaxial feed line, which serves as the counterpoise.
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "verticals.h"

#include <cmath>

namespace etero::verticals {

namespace {

class AntDL7PE : public Form {
  public:
    AntDL7PE() : Form("frmantDL7PE") {}

  protected:
    void design() override {
        window("ANTENNA TIPO DL7PE   Micro Vert");
        field("Label1", "FREQUENZA IN MHz", "txtfrequenza");
        field("Label2", "DIAMETRO DEL RADIATORE IN mm", "txtd");
        field("Label3", "DIAMETRO DELLA BOBINA IN mm", "txtdiambobina");
        field("Label4", "LUNGHEZZA DELLA BOBINA IN mm", "txtlungbobina");
        command("cmccalcola", "CALCOLA", [this] { compute(); });
        frame("Frame1").hidden();
        result("lbllung");
        result("lblc");
        result("lbll");
        result("lbllungcontrapp");
        result("lblspire");
        result("lbllunghezzafilo");
        endFrame();
        label("lbllung1").as(Role::OnDrawing);
        label("lbldd").as(Role::OnDrawing);
        schematic();
        closeCommand("cmdchiudi", kClose);

        hideOnInputChange({"Frame1"});
    }

  private:
    // The radiator standing on its coil, the coil's length marked beside it,
    // the coaxial feed line leaving the foot of the coil as the counterpoise,
    // a choke balun wound in it at its far end.
    void schematic() {
        Drawing& d = drawing(420, 300);
        const double x = 150, top = 30, coilTop = 160, feed = 230;
        radiator(d, x, top, coilTop);
        d.inductor(x, coilTop, feed - coilTop, Dir::Down, 5);
        d.dot(x, feed);
        dimension(d, 90, top, coilTop);
        d.slot("lbllung1", 4, (top + coilTop) / 2 - 11, 80, 22, SlotAlign::Right);
        dimension(d, 196, coilTop, feed);
        d.slot("lbldd", 206, (coilTop + feed) / 2 - 11, 100, 22);
        // The coaxial line: two parallel conductors, the choke near its end.
        const double y = feed + 30, end = 400, choke = 300;
        d.wire(x, feed, x, y);
        for (double dy : {-4.0, 4.0}) {
            d.line(x, y + dy, choke, y + dy).penWidth = 1.2;
            d.line(choke + 60, y + dy, end, y + dy).penWidth = 1.2;
        }
        d.inductor(choke, y, 60, Dir::Right, 4);
        d.terminal(end + 3, y);
    }

    void compute() {
        f = num("txtfrequenza");
        d = num("txtd");
        D = num("txtdiambobina");
        l = num("txtlungbobina");
        if (d * f * D * l <= 0) return missingData("txtfrequenza");
        const double h = 4700 / f / 1000; // metres
        C = formatFixed(19.1 * h / std::log10(0.575 * h / (d / 1000)), 2);
        L = formatFixed(25330 / (std::pow(f, 2) * parseLocale(C)), 2);
        Lc = formatFixed(58 / f, 2);
        hcm = formatFixed(100 * h, 1);
        N = formatFixed(airCoilTurns(parseLocale(L), l, D), 1);
        S = formatFixed(l / parseLocale(N), -1);

        caption("lbllung", "LA LUNGHEZZA DEL RADIATORE E' " + hcm + " cm");
        caption("lblc", "LA CAPACITA' DEL RADIATORE E'  " + C + " pF");
        caption("lbll", "L'INDUTTANZA RICHIESTA E' " + L + " microHenry");
        caption("lbllungcontrapp", "LA LUNGHEZZA DEL COAX USATO COME CONTRAPPESO E' mt  " + Lc +
                                       " E DEVE ESSERE TERMINATO CON UN BALUN CHOKE");
        caption("lblspire", "LA BOBINA E' DI n. " + N + " SPIRE - MASSIMA SEZIONE FILO mm. " + S);
        caption("lbllunghezzafilo", "PER LA BOBINA OCCORRONO " +
                                        formatLocale(intFloor(D / 10 * 3.14 * parseLocale(N))) +
                                        " cm. DI FILO");
        caption("lbllung1", hcm + " cm");
        caption("lbldd", formatLocale(l) + " mm");
        show("Frame1");
    }

    double f = 0, d = 0, D = 0, l = 0;
    std::string C, L, Lc, hcm, N, S; // as shown
};

ETERO_FORM(AntDL7PE, "frmantDL7PE");

} // namespace

} // namespace etero::verticals
