// The EH antenna, standard version: two cylinders, each as long as the
// circumference of the tube and one diameter apart, fed through two L/C
// networks whose reactances are those of an L network matching 2368 ohm to
// 50 ohm, with an assumed loss resistance of 0.2 ohm. The networks'
// components, the phase between current and voltage, the voltages with
// 100 W applied, and the two coils wound on the tube.
#include "loops.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>
#include <tuple>

namespace etero::loops {

namespace {

const std::vector<std::string> kResults{
    "lbldiametro", "lbllunghezza", "lbldistanza", "lbll",          "lbll2",
    "lbld",        "lbldd",        "lblc1",       "lblhl1",        "lblc2",
    "lblhl2",      "lblxc1",       "lblxl1",      "lblimpedenza1", "lblanticipo",
    "lblcorrente", "lbltensione1", "lblspireL1",  "lblspireL2"};

class EH : public LoopsForm {
  public:
    EH() : LoopsForm("frmEH") {}

  protected:
    void design() override {
        window(" ANTENNA    E H     versione standard   PROGRAMMA DI CALCOLO TEORICO");
        field("Label1", "FREQUENZA in MHz", "txtfrequenza");
        field("Label2", "DIAMETRO TUBO in cm", "txtdiametro");
        field("Label3", "LUNGHEZZA BOBINA in cm", "txtlbobina");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lbldiametro");
        result("lbllunghezza");
        result("lbldistanza");
        result("lblc1");
        result("lblhl1");
        result("lblc2");
        result("lblhl2");
        result("lblxc1");
        result("lblxl1");
        result("lblimpedenza1");
        result("lblanticipo");
        result("lblcorrente");
        result("lbltensione1");
        result("lblspireL1");
        result("lblspireL2");
        label("Label8", "LE RETI  L 1/C 1 e L2/C2  NON POSSONO ESSERE RISONANTI ALTRIMENTI LE "
                        "REATTANZE UGUALI SI ANNULLEREBBERO  E  IMPEDENZA E  SFASAMENTO SAREBBERO "
                        "=   ZERO ")
            .as(Role::Hint)
            .hidden();
        label("Label10", "SI SUPPONE UNA RESISTENZA DI PERDITA DI 0.2 OHM").as(Role::Hint).hidden();
        for (const char* name : {"lbll", "lbll2", "lbld", "lbldd"})
            label(name).as(Role::OnDrawing);
        schematic();
        command("cmdstampa", "S T A M P A", [this] { printWithoutCommands(); });
        closeCommand("cmdchiudi", kClose);
    }

  private:
    // The two cylinders; each lead runs through its own series capacitor
    // and coil to one side of the 50 ohm feed.
    void schematic() {
        Drawing& d = drawing(360, 400);
        const Leads leads = cylinders(d, 150, 50, 40, 126, 40, 196);
        const double cap = 36, coil = 54, end = leads.x + cap + coil;
        for (auto [y, c, l] :
             {std::tuple{leads.upper, "C1", "L1"}, std::tuple{leads.lower, "C2", "L2"}}) {
            d.capacitor(leads.x, y, cap, Dir::Right);
            d.inductor(leads.x + cap, y, coil, Dir::Right, 4);
            d.text(leads.x + cap / 2, y - 26, c, 9);
            d.text(leads.x + cap + coil / 2, y - 20, l, 9);
        }
        const double mid = (leads.upper + leads.lower) / 2;
        d.polyline({end, leads.upper, end + 20, leads.upper, end + 20, mid - 12});
        d.polyline({end, leads.lower, end + 20, leads.lower, end + 20, mid + 12});
        d.terminal(end + 20, mid - 9);
        d.terminal(end + 20, mid + 9);
        d.text(end + 28, mid, "50 Ohm", 8, Anchor::StartsAt);
    }

    void compute() {
        blank(kResults);
        f = num("txtfrequenza");
        D = num("txtdiametro");
        l = num("txtlbobina") * 10; // mm
        // Each input must be positive: two negative ones would make a
        // positive product and wind coils of imaginary turns.
        if (f * D * l <= 0 || f < 0 || D < 0) return missingEHData();

        c = D * 3.14;
        const double k = 2368.0 / 50;
        XL1 = 50 * std::sqrt(k - 1);
        XC1 = 50 * k / std::sqrt(k - 1);
        L1 = XL1 / (6.283184 * f);
        C1 = 159154.97 / (f * XC1);
        L2 = XC1 / (6.283184 * f);
        C2 = 159154.97 / (f * XL1);

        // The phase, the voltages, the impedance and the current are kept as
        // the text they are shown with.
        phi = formatFixed(std::atan((XL1 - XC1) / 0.2) * 180 / 3.1415, 2);
        caption("lblanticipo", "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : " + phi);

        const double Z = std::sqrt(std::pow(0.2, 2) + std::pow(XL1 - XC1, 2));
        const double V = std::sqrt(100 * Z);
        const double I = V / Z;
        VL = formatFixed(I * XL1, 1);
        VC = formatFixed(I * XC1, 1);
        caption("lbltensione1", "APPLICANDO 100 WATT LA TENSIONE SULLE BOBINE E'  " + VL +
                                    " Volt, IN OPPOSIZIONE AI " + VC + " Volt SUI COND.");
        impedance = formatFixed(Z, 2);
        current = formatFixed(I, 2);

        caption("lblimpedenza1", "IMPEDENZA TOTALE DELLA RETE  L1/C1:  " + impedance + " Ohm ");
        caption("lblc1", "IL CONDENSATORE  C 1 HA UNA CAPACITA' DI " + formatFixed(C1, 1) + " pF");
        caption("lblc2", "IL CONDENSATORE  C 2 HA UNA CAPACITA' DI " + formatFixed(C2, 1) + " pF");
        caption("lblhl1", "LA BOBINA  L 1  HA UN' INDUTTANZA DI " + formatFixed(L1, 1) + " uH");
        caption("lblhl2", "LA BOBINA  L 2  HA UN' INDUTTANZA DI " + formatFixed(L2, 1) + " uH");
        caption("lbldiametro", "IL DIAMETRO DEL TUBO E' " + formatLocale(D) + " cm.");
        caption("lbllunghezza", "LA LUNGHEZZA DI OGNI CILINDRO E' " + formatLocale(c) + " cm.");
        caption("lbldistanza", "LA DISTANZA DEI DUE CILINDRI E' " + formatLocale(D) + " cm.");
        caption("lbll", formatLocale(c));
        caption("lbll2", formatLocale(c));
        caption("lbld", formatLocale(D));
        caption("lbldd", formatLocale(D));
        caption("lblxc1", "REATTANZA CAPACITIVA. di C1: " + formatFixed(XC1, 2));
        caption("lblxl1", "REATTANZA INDUTTIVA. di L1: " + formatFixed(XL1, 2));
        caption("lblcorrente", "APPLICANDO 100 WATT LA CORRENTE E' = " + current + " Amp.");

        // The coils are wound on the tube itself.
        const double Dm = 10 * D;
        N1 = formatPattern(turns(L1, Dm), "#0.#");
        N2 = static_cast<float>(roundThroughPattern(turns(L2, Dm), "#0.#"));
        const std::string size = " SPIRE SU UNA LUNGHEZZA DI mm. " + formatLocale(l) +
                                 " E UN DIAMETRO DI mm " + formatLocale(Dm);
        caption("lblspireL1", "LA BOBINA L 1 E' COMPOSTA DA " + N1 + size);
        caption("lblspireL2", "LA BOBINA L 2 E' COMPOSTA DA " + formatLocale(N2) + size);
        show("Label8");
        show("Label10");
    }

    // Turns of a single-layer coil of L µH, `l` mm long, on a form of Dm mm.
    double turns(double L, double Dm) const { return std::sqrt(L * 1010 * (l / Dm + 0.45) / Dm); }

    double f = 0, D = 0, l = 0; // MHz, cm, mm
    double c = 0;               // cylinder length, cm
    double XL1 = 0, XC1 = 0, L1 = 0, C1 = 0, L2 = 0, C2 = 0;
    std::string phi, VL, VC, impedance, current; // degrees, V, V, ohm, A: as shown
    std::string N1;                              // turns of L1, as shown
    float N2 = 0;                                // turns of L2, single precision
};

ETERO_FORM(EH, "frmEH");

} // namespace

} // namespace etero::loops
