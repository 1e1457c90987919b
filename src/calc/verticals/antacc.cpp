// A radiator shorter than a quarter wave with its loading coil at the feed
// point: electrical length, radiation resistance, characteristic impedance,
// the coil's reactance, inductance and turns, and the wire it takes.
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "verticals.h"

#include <cmath>

namespace etero::verticals {

namespace {

class AntAcc : public Form {
  public:
    AntAcc() : Form("frmAntAcc") {}

  protected:
    void design() override {
        window("Radiatore accorciato con carico induttivo nel punto di alimentazione");
        field("Label1", "Lunghezza del radiatore in mt.", "txtlunghezzarad");
        field("Label2", "Diametro medio radiatore in cm.", "txtdiametrorad");
        frame("Frame1", "Inserimento dati per calcolo numero spire");
        field("Label3", "Lunghezza bobina in cm.", "txtlunghezzabob");
        field("Label4", "Diametro bobina in cm.", "txtdiametrobob");
        endFrame();
        field("Label5", "Frequenza in MHz.", "txtfrequenza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblgradi");
        result("lblRR");
        result("lblimpedenza");
        result("lblreattanza");
        result("lblinduttanza");
        result("lblspire");
        result("lblfilo");
        result("lblradiali");
        schematic();
        command("cmdavviso", "AVVISO", [this] { openForm("frmavvertenza", Mode::Modal); });
        printCommand("cmdstampa", "STAMPA");
        closeCommand("cmdchiudi", kClose);
    }

  private:
    // The short radiator over its radials, the coil between its base and
    // the feed point.
    void schematic() {
        Drawing& d = drawing(360, 300);
        const double x = 180, top = 30, coilTop = 175, feed = 245;
        radiator(d, x, top, coilTop);
        d.inductor(x, coilTop, feed - coilTop, Dir::Down, 4);
        radials(d, x, feed);
        d.terminal(x, feed + 3);
        dimension(d, 110, top, coilTop);
    }

    void compute() {
        f = num("txtfrequenza");
        Dr = num("txtdiametrorad");
        a = Dr / 2 / 100;
        D = num("txtdiametrobob");
        l = num("txtlunghezzabob");
        H = num("txtlunghezzarad");
        const double product = f * a * H * D * l;
        if (product == 0) return missingData("txtlunghezzarad");
        if (product < 0) return;
        if (H >= 72 / f) {
            warn("L'ANTENNA NON RICHIEDE BOBINA", "MESSAGGIO DI AVVISO");
            return focus("txtlunghezzarad");
        }
        const BaseCoil coil = baseCoil(H, a, f);
        const double turns = std::sqrt(coil.L * (45 * D + 101 * l)) / D;
        const double lambda = 300 / f;
        RR = formatFixed(std::pow(24 * H / lambda, 2), 2);

        G = formatFixed(coil.G, 1);
        Z0 = formatFixed(coil.Z0, 1);
        XL = formatFixed(coil.XL, 1);
        L = formatFixed(coil.L, 1);
        N = formatFixed(turns, 1);
        caption("lblgradi", "Gradi elettrici : " + G);
        caption("lblRR", "Resistenza di radiazione Ohm : " + RR);
        caption("lblimpedenza", "Impedenza del radiatore Ohm : " + Z0);
        caption("lblreattanza", "Reattanza induttiva bobina Ohm : " + XL);
        caption("lblinduttanza", "Induttanza bobina microH : " + L);
        caption("lblspire", "numero spire occorrenti : " + N);

        // The wire for the coil, from the turns as shown.
        W = static_cast<float>(D * 3.14 * parseLocale(N) / 100);
        W = static_cast<float>(roundThroughFixed(W, 2));
        caption("lblfilo", "occorrono " + formatLocale(W) + " mt di filo per la bobina");
        caption("lblradiali", "lunghezza radiali mt " + formatFixed(75 / f, 1));
    }

    double f = 0, Dr = 0, a = 0, D = 0, l = 0, H = 0;
    std::string RR, G, Z0, XL, L, N; // as shown
    float W = 0;                     // metres of wire, single precision
};

ETERO_FORM(AntAcc, "frmAntAcc");

} // namespace

} // namespace etero::verticals
