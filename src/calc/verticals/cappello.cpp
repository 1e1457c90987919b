// The capacitive hat that completes a vertical shorter than a quarter wave:
// the capacitance that supplies the missing electrical length, and the
// diameter of a hat that gives it. Every result is a whole number.
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "verticals.h"

#include <cmath>

namespace etero::verticals {

namespace {

class Cappello : public Form {
  public:
    Cappello() : Form("frmcappello") {}

  protected:
    void design() override {
        window("CALCOLO DEL CAPPELLO CAPACITVO IN UN RADIATORE VERTICALE");
        field("Label1", "LUNGHEZZA DEL RADIATORE VERT.in mt.", "txtlunghezza");
        field("Label2", "DIAMETRO MEDIO DEL RADIATORE in cm.", "txtdiametro");
        field("Label3", "FREQUENZA DI LAVORO in Mhz", "txtfrequenza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblgradi");
        result("lblresradiazione");
        result("lblimpedenza");
        result("lblreattanza");
        result("lblcapacita");
        result("lbldiamcappello");
        label("lblc").as(Role::OnDrawing);
        schematic();
        label("Label4", "le antenne dotate di carico capacitivo sono generalmente più efficienti "
                        "rispetto a quelle con carico induttivo ed inoltre risentono meno della "
                        "diminuzione dell'impedenza di alimentazione")
            .as(Role::Hint);
        command("cmdavviso", "AVVISO", [this] { openForm("frmavvertenza", Mode::Modal); });
        closeCommand("cmdchiudi", kClose);
    }

  private:
    // The radiator over its radials, the hat on top seen edge-on: a disc of
    // spokes joined by a rim.
    void schematic() {
        Drawing& d = drawing(360, 300);
        const double x = 180, hat = 60, base = 230, span = 90;
        radiator(d, x, hat, base);
        Shape& rim = d.ellipse(x - span, hat - 12, 2 * span, 24);
        rim.penWidth = 2;
        for (double dx : {-span, -span / 2, span / 2, span}) {
            const double y = hat + (std::abs(dx) < span ? 11 : 0);
            d.line(x, hat, x + dx, y).penWidth = 2;
        }
        d.dot(x, hat);
        radials(d, x, base);
        d.terminal(x, base + 3);
        d.slot("lblc", x - 90, hat - 46, 180, 22, SlotAlign::Centre);
    }

    void compute() {
        H = num("txtlunghezza");
        D = num("txtdiametro");
        f = num("txtfrequenza");
        if (H * D * f <= 0) return missingData("txtlunghezza");
        if (H >= 72 / f) {
            warn("L'ANTENNA NON RICHIEDE CARICO", "MESSAGGIO DI AVVISO");
            return focus("txtlunghezza");
        }
        G = electricalDegrees(H, f);
        const double theta = (90 - G) * 3.14159 / 180; // the missing electrical length
        H = 100 * H;                                   // cm from here on
        Z0 = (std::log(4 * H / D) - 1) * 60;
        XC = Z0 / std::tan(theta);
        C = 1e6 / (6.28 * XC * f);
        Dh = C / 0.9 * 2.54;
        RR = static_cast<float>(G * G / 312);

        caption("lblgradi", "CORRISPONDE A GRADI ELETTRICI : " + formatLocale(toInt16(G)));
        caption("lblresradiazione", "RESISTENZA DI RADIAZIONE Ohm : " + formatLocale(toInt16(RR)));
        caption("lblimpedenza", "IMPEDENZA DEL RADIATORE Ohm : " + formatLocale(toInt16(Z0)));
        caption("lblreattanza", "REATTANZA CAPACITIVA Ohm : " + formatLocale(toInt16(XC)));
        caption("lblcapacita", "CAPACITA' RICHIESTA in pF : " + formatLocale(toInt16(C)));
        caption("lbldiamcappello", "DIAMETRO DEL CAPPELLO in cm. : " + formatLocale(toInt16(Dh)));
        caption("lblc", formatLocale(toInt16(C)) + " pF");
    }

    double H = 0, D = 0, f = 0, G = 0, Z0 = 0, XC = 0, C = 0, Dh = 0;
    float RR = 0; // radiation resistance, single precision
};

ETERO_FORM(Cappello, "frmcappello");

} // namespace

} // namespace etero::verticals
