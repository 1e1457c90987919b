// The EH antenna, STAR version: two cylinders of a given diameter and
// length-to-diameter ratio, one diameter apart, tuned by a coil wound at a
// given pitch, with a phasing coil and a source coil. The cylinders'
// capacitance and reactance, bandwidth and Q, the tuning coil's inductance,
// turns, length, wire and loss, the efficiency and the phasing coil. The
// formulas work in inches.
#include "loops.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::loops {

namespace {

const std::vector<std::string> kResults{
    "lbldistanza",    "lbll",           "lbll2",         "lbld",        "lbldd",
    "lbllunghezza",   "lblxc",          "lblc",          "lblctot",     "lbllarghbanda",
    "lbluHtuning",    "lblspiretuning", "lbllungbobina", "lbllungfilo", "lblresperdita",
    "lblphasingcoil", "lblefficienza"};

class EHStar : public LoopsForm {
  public:
    EHStar() : LoopsForm("frmEHstar") {}

  protected:
    void design() override {
        window(" ANTENNA    E H     versione STAR     PROGRAMMA DI CALCOLO TEORICO");
        field("Label1", "frequenza in MHz", "txtfrequenza");
        field("Label2", "diametro dei cilindri in mm", "txtdiametro");
        field("Label3", "rapporto lunghezza diametro", "txtratio");
        field("Label4", "diametro filo tuning in mm", "txtsezfilo");
        field("Label6", "passo delle spire tuning coil in mm.", "txtspaziatura");
        field("Label7", "diametro della tuning c. in mm", "txtdiametrobobina");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        label("lblfantasma", "LE DIMENSIONI DEVONO ESSERE INSERITE IN MILLIMETRI - USARE IL PUNTO "
                             "PER I DECIMALI")
            .as(Role::Hint);
        frame("Frame1", "PARAMETRI CILINDRI").hidden();
        result("lbllunghezza");
        result("lbldistanza");
        result("lblc");
        result("lblxc");
        endFrame();
        frame("Frame2", "PARAMETRI TUNING COIL  -  SINTONIA ").hidden();
        result("lbluHtuning");
        result("lblspiretuning");
        result("lbllungbobina");
        result("lbllungfilo");
        result("lblresperdita");
        endFrame();
        frame("Frame3", "PARAMETRI PHASING COIL  -  DISACCOPPIAMENTO ").hidden();
        result("lblphasingcoil");
        endFrame();
        frame("Frame4", "PARAMETRI GENERALI").hidden();
        result("lblctot");
        result("lbllarghbanda");
        result("lblefficienza");
        endFrame();
        frame("Frame5", "PARAMETRI SOURCE COIL  -  ALIMENTAZIONE ").hidden();
        label("Label5", "L'induttanza della bobina dipende in gran parte  dalle  capacità "
                        "parassite della rete, partendo da ca. 5 spire poste a 1/2 diametro di "
                        "distanza dalla t.coil individuare sperimentalmente l'esatto numero")
            .as(Role::Hint)
            .hidden();
        endFrame();
        for (const char* name : {"lbll", "lbll2", "lbld", "lbldd"})
            label(name).as(Role::OnDrawing);
        // The two notes stand under the sketch, where the window has room.
        label("Label8", "IL PASSO DELLE SPIRE NON PUO' ESSERE INFERIORE  AL  DIAMETRO  DEL  FILO  "
                        "E COINCIDE  QUANDO  SONO  SERRATE")
            .as(Role::OnDrawing);
        label("Label11", "A COSTRUZIONE AVVENUTA VERIFICARE CHE LA LUNGHEZZA DELLA TUNING COIL "
                         "CORRISPONDA .     IN OGNI CASO LE RISULTANZE SONO  DA CONSIDERARSI "
                         "TEORICHE E SOGGETTE A VARIAZIONI IN SEDE DI TARATURA")
            .as(Role::OnDrawing)
            .hidden();
        schematic();
        command("cmdawg", "Conversioni AWG",
                [this] { openBeside("frmawg", 180, 180, 4100, 2800); });
        command("cmdstampa", "S T A M P A", [this] { printWithoutCommands(); });
        closeCommand("cmdchiudi", kClose);
    }

  private:
    // The two cylinders; the phasing coil in the upper lead, the tuning coil
    // across the two leads, the source coil beside it feeding the line.
    void schematic() {
        Drawing& d = drawing(380, 600);
        const Leads leads = cylinders(d, 150, 50, 40, 126, 40, 196);
        d.inductor(leads.x, leads.upper, 60, Dir::Right, 4);
        const double x = leads.x + 90;
        d.polyline({leads.x + 60, leads.upper, x, leads.upper});
        d.polyline({leads.x, leads.lower, x, leads.lower});
        d.inductor(x, leads.upper, leads.lower - leads.upper, Dir::Down, 6);
        d.dot(x, leads.upper);
        d.dot(x, leads.lower);
        d.inductor(x + 34, leads.upper + 40, leads.lower - leads.upper - 80, Dir::Down, 3);
        d.polyline({x + 34, leads.upper + 40, x + 60, leads.upper + 40});
        d.polyline({x + 34, leads.lower - 40, x + 60, leads.lower - 40});
        d.terminal(x + 63, leads.upper + 40);
        d.terminal(x + 63, leads.lower - 40);
        d.text(leads.x + 30, leads.upper - 20, "PHASING", 7);
        d.text(x - 8, leads.lower + 20, "TUNING", 7, Anchor::CentredOn);
        d.text(x + 48, leads.upper + 22, "SOURCE", 7, Anchor::CentredOn);
        d.slot("Label8", 10, 420, 360, 48);
        d.slot("Label11", 10, 490, 360, 80);
    }

    void compute() {
        blank(kResults);
        hide("lblfantasma");
        showAll({"Frame1", "Frame2", "Frame3", "Frame4", "Frame5"});

        f = num("txtfrequenza");
        D = num("txtdiametro");
        R = num("txtratio");
        w = num("txtsezfilo");
        p = num("txtspaziatura");
        Dc = num("txtdiametrobobina");
        Di = D / 25.4;
        wi = w / 25.4;
        pi = p / 25.4;
        Dci = Dc / 25.4;
        // Each input must be positive: two negative ones would make a
        // positive product and a meaningless antenna.
        if (f * Di * R * w * p * Dc <= 0 || f < 0 || D < 0 || R < 0 || w < 0 || p < 0 || Dc < 0)
            return missingEHData();

        Ccyl = 0.546 * R * Di + 2.06 * Di; // pF
        XC = 1 / (6.28 * f * Ccyl * 1e-6);
        B = 120 * Ccyl * 1e-12 * 6.28 * std::pow(f * 1e6, 2) / 1000; // kHz
        Q = f * 1000 / B;
        Rr = XC * B / (f * 1000);
        h = Di * R;
        hc = h * 2.54;
        Cs = 0.614 / std::log10(Di / wi) * h;
        Ctot = Ccyl + Cs + Ccyl / 2;
        Lt = 1 / (std::pow(6.28 * f * 1e6, 2) * Ctot * 1e-12) * 1e6; // µH
        // Wheeler's formula solved for the turns at the given pitch.
        Nt = (10 * Lt * pi +
              std::pow(std::pow(10 * Lt * pi, 2) + 4.5 * std::pow(Dci, 3) * Lt, 0.5)) /
             (std::pow(Dci, 2) / 2);
        coil = formatFixed(Nt * p, 1);
        W = Dc * 3.14159 * Nt / 1000; // m
        RL = 9.96e-5 * std::sqrt(f * 1e6) / wi * W / 30.48;
        // The efficiency, its decibels and the phasing wire are kept as the
        // text they are shown with; the turns are rounded as shown.
        eta = formatFixed(100 * Rr / (Rr + RL), 2);
        etadB = formatFixed(10 * std::log10(parseLocale(eta) / 100), 3);
        K = formatFixed(500.38 / f, 1); // cm of wire
        Np = roundThroughFixed(parseLocale(K) / (0.314 * D), 1);

        const double D1 = roundThroughFixed(D, 1);
        caption("lbll", formatFixed(hc, 1));
        caption("lbll2", formatFixed(hc, 1));
        caption("lbld", formatLocale(D1 / 10));
        caption("lbldd", formatLocale(D1 / 10) + " cm");
        caption("lbllunghezza", "LA LUNGHEZZA DI OGNI CILINDRO E' " + formatLocale(hc) + " cm.");
        caption("lbldistanza", "LA DISTANZA TRA I CILINDRI E' UGUALE AL DIAMETRO");
        caption("lblxc",
                "LA REATTANZA CAPACITIVA DEI CILINDRI E'  " + formatFixed(XC, 1) + " Ohms");
        caption("lblc", "LA CAPACITA' TRA I CILINDRI E'  " + formatFixed(Ccyl, 1) + " pF");
        caption("lblctot", "LA CAPACITA' TOTALE E'  " + formatFixed(Ctot, 1) + " pF");
        caption("lbllarghbanda", "BANDWIDTH  +/- 3 dB " + formatFixed(B, 1) + " KHz" +
                                     " con un Q = " + formatFixed(Q, 1));
        caption("lbluHtuning",
                "L'INDUTTANZA DELLA TUNING COIL E'  " + formatFixed(Lt, 1) + " " + kMicro + "H");
        caption("lblspiretuning", "LA TUNING COIL E' FORMATA DA  " + formatFixed(Nt, 1) + " SPIRE");
        caption("lbllungbobina", "LA TUNING COIL E' LUNGA " + coil + " mm");
        caption("lbllungfilo", "OCCORRONO " + formatFixed(W, -1) + " mt DI FILO");
        caption("lblresperdita", "LA RESISTENZA DI PERDITA E' " + formatFixed(RL, 2) + "  Ohms");
        caption("lblphasingcoil",
                "OCCORRONO " + K + " cm DI FILO PER " + formatLocale(Np) + " SPIRE SERRATE");
        caption("lblefficienza",
                "IL RENDIMENTO E' CIRCA DEL " + eta + "  % PARI A " + etadB + " dB");
        show("Label5");
        show("Label11");
    }

    double f = 0, D = 0, R = 0, w = 0, p = 0, Dc = 0; // MHz, mm, ratio, mm, mm, mm
    double Di = 0, wi = 0, pi = 0, Dci = 0;           // the same in inches
    double Ccyl = 0, XC = 0, B = 0, Q = 0, Rr = 0;    // pF, ohm, kHz, -, ohm
    double h = 0, hc = 0, Cs = 0, Ctot = 0;           // in, cm, pF, pF
    double Lt = 0, Nt = 0, W = 0, RL = 0;             // µH, turns, m, ohm
    std::string coil;                                 // the tuning coil's length as shown, mm
    std::string eta, etadB, K;                        // %, dB, cm of wire: as shown
    double Np = 0;                                    // turns, rounded as shown
};

ETERO_FORM(EHStar, "frmEHstar");

} // namespace

} // namespace etero::loops
