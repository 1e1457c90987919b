// The reservoir electrolytic after a bridge rectifier, sized for an accepted
// percentage of ripple at the full load current.
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <string>

namespace etero::capacitors {

namespace {

class FrmRipple : public Form {
  public:
    FrmRipple() : Form("frmripple") {}

  protected:
    void design() override {
        window("Dimensionamento del condensatore anti ripple");
        label("Label1",
              "Dopo un raddrizzatore a ponte rimane un ripple residuo che cresce con la "
              "corrente assorbita e diminuisce aumentando la capacità dell'elettrolitico, "
              "a prezzo però di una maggiore corrente di accensione attraverso i diodi.")
            .as(Role::Hint);
        label("Label2", "Il condensatore viene perciò dimensionato per una percentuale di ripple "
                        "accettata.")
            .as(Role::Hint);
        label("Label3", "il RIPPLE è definito come il rapporto tra il valore efficace della "
                        "componente alternata e la componente continua")
            .as(Role::Hint);
        field("Label4", "PERCENTUALE DI RIPPLE PREVISTA :", "txtpercentuale",
              "inserisci percentuale ")
            .initial("2");
        field("Label5", "TENSIONE CC ALL' USCITA DEL PONTE", "txtvolt", "inserisci Volt");
        field("Label6", "CORRENTE IN AMPERE :", "txtcorrente", "massima corrente prevista");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblVeff").hidden();
        result("lblVp").hidden();
        result("lblVpp").hidden();
        result("lblelettrolitico").hidden();
        label("lblV").as(Role::OnDrawing);
        label("lblC").as(Role::OnDrawing);
        schematic();
        closeCommand("cmdesci", "E S C I");

        hideOnInputChange({"lblVeff", "lblVp", "lblVpp", "lblelettrolitico"});
        blankOnInputChange({"lblV", "lblC"});
    }

  private:
    // A diode on a vertical wire, conducting upwards, centred on (x, y).
    static void diode(Drawing& d, double x, double y) {
        Shape& t = d.polyline({x - 10, y + 8, x + 10, y + 8, x, y - 8, x - 10, y + 8});
        t.filled = true;
        d.line(x - 10, y - 8, x + 10, y - 8);
    }

    // The bridge as two legs of two diodes between the positive and the
    // negative rail, the alternating source across the middle of the legs,
    // the reservoir capacitor across the rails and the direct-current output.
    void schematic() {
        Drawing& d = drawing(480, 240);
        const double top = 40, bottom = 200, mid = 120, leg1 = 80, leg2 = 220;
        for (double x : {leg1, leg2}) {
            d.line(x, top, x, bottom);
            diode(d, x, 80);
            diode(d, x, 160);
            d.dot(x, mid);
        }
        d.generator(leg1, mid, leg2 - leg1, Dir::Right);
        d.text((leg1 + leg2) / 2, mid + 38, "AC", 9, Anchor::CentredOn);
        d.line(leg1, top, 420, top);
        d.line(leg1, bottom, 420, bottom);
        d.dot(leg2, top);
        d.dot(leg2, bottom);
        const double cx = 310;
        d.dot(cx, top);
        d.dot(cx, bottom);
        d.capacitor(cx, top, bottom - top, Dir::Down);
        d.text(cx - 24, mid, "C", 9, Anchor::StartsAt);
        d.slot("lblC", cx + 16, mid - 9, 90, 18);
        d.terminal(420, top);
        d.terminal(420, bottom);
        d.text(440, mid - 14, "CC", 9, Anchor::CentredOn);
        d.slot("lblV", 400, mid + 2, 78, 18, SlotAlign::Centre);
    }

    void compute() {
        p = num("txtpercentuale");
        V = num("txtvolt");
        I = num("txtcorrente");
        if (V * I == 0) return missingData("txtpercentuale");
        if (V * I < 0) return;
        veff = formatFixed(V * p / 100, 3);
        vp = formatFixed(parseLocale(veff) * 1.4, 3);
        vpp = formatFixed(parseLocale(veff) * 2.8, 3);
        C = I / (parseLocale(vpp) * 100) * 1000000;
        C = parseLocale(formatFixed(C, 0));
        caption("lblV", formatLocale(V));
        caption("lblC", formatLocale(C));
        caption("lblVeff", "VOLT EFFICACI DEL RIPPLE = " + veff);
        caption("lblVp", "VOLT DI PICCO DEL RIPPLE = " + vp);
        caption("lblVpp", "VOLT PICCO-PICCO DEL RIPPLE = " + vpp);
        caption("lblelettrolitico", "CAPACITA' IN microFarad : " + formatLocale(C));
        showAll({"lblVeff", "lblVp", "lblVpp", "lblelettrolitico"});
    }

    double p = 0, V = 0, I = 0, C = 0;
    std::string veff, vp, vpp; // the ripple voltages as held, in text
};

ETERO_FORM(FrmRipple, "frmripple");

} // namespace

} // namespace etero::capacitors
