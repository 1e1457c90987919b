// The quarter-wave line transformer: the impedance of a quarter-wave section
// that matches an antenna to a 52 or 75 ohm feed line, and its length in the
// chosen cable.
#include "lines.h"
#include "shell/app/registry.h"
#include "shell/form/form.h"

#include <cmath>
#include <string>

namespace etero::lines {

namespace {

class Adattatori : public Form {
  public:
    Adattatori() : Form("frmadattatori") {}

  protected:
    void design() override {
        window("ADATTAMENTO D' IMPEDENZA           TRASFORMATORI A 1/4 D'ONDA");
        frame("Frame1", " IMPEDENZA CAVO DI DISCESA ");
        option("Option1", 0, "IMPEDENZA  52 Ohm");
        option("Option1", 1, "IMPEDENZA  75 Ohm");
        endFrame();
        field("Label1", "FREQUENZA DI UTILIZZO IN  MHz  : ", "txtf");
        field("Label2", "IMPEDENZA ANTENNA IN OHM : ", "txtimpantenna");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblimpadattatore");
        result("lbllunghezza");
        label("lbllung", "1/4 LAMBDA").as(Role::OnDrawing);
        label("lblimpantenna").as(Role::OnDrawing);
        label("lblimplinea").as(Role::OnDrawing);
        schematic();
        label("Label3", "UN ADATTATORE D' IMPEDENZA CONSENTE DI UTILIZZARE UNA LINEA DI "
                        "ALIMENTAZIONE CON IMPEDENZA CARATTERISTICA DIVERSA DA QUELLA "
                        "DELL'ANTENNA NEL PUNTO DI COLLEGAMENTO.")
            .as(Role::Hint);
        label("Label4", "UN POSSIBILE ADATTATORE E' QUELLO CON LINEA AD UN QUARTO D' ONDA,  "
                        "COSTITUITO DA UN TRATTO DI LINEA DI LUNGHEZZA PARI ALLA QUARTA PARTE "
                        "DELLA LUNGHEZZA D'ONDA DI TRASMISSIONE.")
            .as(Role::Hint);
        label("Label5", "IL TRATTO AGGIUNTIVO PUO' CONSISTERE IN UNA LINEA BIFILARE O PIU' "
                        "COMODAMENTE IN UNO SPEZZONE DI CAVO COASSIALE, DI IMPEDENZA "
                        "CARATTERISTICA NOTA E SEMPRE DI LUNGHEZZA PARI AD UN QUARTO D' ONDA.")
            .as(Role::Hint);
        command("cmdchiamacavi", "CAVI COASSIALI",
                [this] { openForm("frmcaviRG", Mode::Modeless); });
        command("cmdchiamaesempi", "ESEMPI IN  PRATICA",
                [this] { openForm("frmesempiadattatori", Mode::Modeless); });
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int) {
            blank({"lbllunghezza", "lblimpadattatore", "lblimpantenna", "lblimplinea"});
        });
        onChange("txtf", [this] { blank({"lblimpadattatore", "lbllunghezza", "lbllung"}); });
        onChange("txtimpantenna", [this] {
            blank({"lblimpadattatore", "lbllunghezza", "lblimpantenna"});
        });
    }

  private:
    // The antenna at the left, the quarter-wave section, the feed line.
    void schematic() {
        const double y = 85;
        Drawing& d = drawing(500, 170);
        d.line(30, 10, 30, 78);
        d.line(30, 92, 30, 160);
        d.polyline({30, 78, 44, 78, 44, y, 72, y});
        d.polyline({30, 92, 44, 92, 44, y + 9, 80, y + 9});
        coaxAcross(d, 80, 250, y);
        d.arrowLine(80, 60, 250, 60);
        d.line(258, y, 282, y);
        d.line(250, y + 9, 290, y + 9);
        coaxAcross(d, 290, 470, y);
        d.text(380, 60, "CAVO DISCESA", 8, Anchor::CentredOn);
        d.line(470, y + 9, 478, y + 9);
        d.terminal(481, y);
        d.terminal(481, y + 9);
        d.slot("lbllung", 80, 38, 170, 16, SlotAlign::Centre);
        d.slot("lblimpantenna", 48, 112, 180, 16);
        d.slot("lblimplinea", 290, 112, 180, 16, SlotAlign::Centre);
    }

    void compute() {
        f = num("txtf");
        Za = num("txtimpantenna");
        if (isOn("Option1(0)")) {
            if (Za == 52) return notNeeded();
            Zl = 52;
            v = 0.66;
        } else {
            if (Za == 75) return notNeeded();
            Zl = 75;
            v = 0.8;
        }
        const double P = f * Za * Zl;
        if (P == 0) return missingData("txtf");
        if (P < 0) return;
        Zq = formatFixed(std::sqrt(Zl * Za), 1);
        L = quarterWave(f, v);
        caption("lblimpadattatore", "IMPEDENZA DELL'ADATTATORE : OHM  " + Zq);
        caption("lbllunghezza", "LUNGHEZZA DELLO SPEZZONE : mt.  " + formatLocale(L));
        caption("lbllung", formatLocale(L) + " mt.");
        caption("lblimpantenna", formatLocale(Za) + " Ohm");
        caption("lblimplinea", formatLocale(Zl) + "  Ohm");
    }

    void notNeeded() {
        warn("NON OCCORRE ADATTATORE", "MESSAGGIO DI AVVISO");
        focus("txtimpantenna");
    }

    double f = 0, Za = 0, v = 0, L = 0;
    int Zl = 0;     // the feed line, 52 or 75 ohm
    std::string Zq; // the section's impedance, as shown
};

ETERO_FORM(Adattatori, "frmadattatori");

} // namespace

} // namespace etero::lines
