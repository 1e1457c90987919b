// The small transmitting magnetic loop: from its shape, size, conductor and
// power, the radiation and loss resistances, efficiency, inductance, tuning
// and coupling capacitors, Q, bandwidth and the voltage across the tuning
// capacitor. Resistances and inductance follow the published formulas in
// feet and inches.
#include "loops.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cctype>
#include <cmath>
#include <ctime>

namespace etero::loops {

namespace {

// Everything a computation writes: blanked at every "CALCOLA", so that a
// refused or faulted computation leaves no figure of earlier data in view.
const std::vector<std::string> kResults{
    "lblarea", "lbllunghezza", "lbllungpiedi", "lblsezpollici", "lblRR", "lblRL", "lblE",  "lblL",
    "lblXL",   "lblCT",        "lblCC",        "lblQ",          "lblDF", "lblVC", "lblDB", "lblCD"};

// Two digits, a leading zero when needed.
std::string twoDigits(int n) {
    return {static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

// The date and time as the Italian regional settings write them:
// 09/12/2026 22:05:41.
std::string nowText() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return twoDigits(local.tm_mday) + "/" + twoDigits(local.tm_mon + 1) + "/" +
           formatLocale(static_cast<long long>(local.tm_year) + 1900) + " " +
           twoDigits(local.tm_hour) + ":" + twoDigits(local.tm_min) + ":" + twoDigits(local.tm_sec);
}

class Loop : public LoopsForm {
  public:
    Loop() : LoopsForm("frmloop") {}

  protected:
    void design() override {
        window("ANTENNE MAGNETICHE A LOOP DI PICCOLA DIMENSIONE");
        frame("fraforma", "Forma del loop");
        options("Option1", 0, {"Circolare", "Ottagonale", "Quadrata"});
        endFrame();
        label("lblfantasma").as(Role::Caption).hidden();
        result("lblarea");
        field("lbldiametro", "diametro o lato in cm.", "txtdiametro");
        field("Label1", "sezione in mm", "txtsezione");
        field("Label2", "MHz", "txtmhz");
        field("Label3", "potenza in Watt", "txtwatt");
        command("cmdcalcola", "&CALCOLA", [this] { compute(); });
        label("lblpiedi", "lung. in piedi : ").as(Role::Caption).hidden();
        result("lbllungpiedi");
        label("lblpollici", "Sez.in pollici :").as(Role::Caption).hidden();
        result("lblsezpollici");
        heading("Label4", "Lunghezza del loop in cm.", "lbllunghezza");
        heading("Label5", "Resistenza di radiazione in Ohm", "lblRR");
        heading("Label6", "Perdita del conduttore ( rame ) in Ohm", "lblRL");
        heading("Label7", "Percentuale di efficienza", "lblE");
        heading("Label8", "Induttanza del loop in microHenry", "lblL");
        heading("Label9", "Reattanza in ohm     Xl=Xc", "lblXL");
        heading("Label10", "Condensatore di sintonia in pF", "lblCT");
        heading("Label11", "Condensatore d'accoppiamento pF", "lblCC");
        heading("Label12", "fattore di merito Q", "lblQ");
        heading("Label13", "Banda passante in Khz", "lblDF");
        heading("Label14", "d.d.p.  al condensatore in Volt.", "lblVC");
        heading("Label15", "Efficienza in dB", "lblDB");
        heading("Label16", "Capacità distribuita del Loop in pF", "lblCD");
        label("lbldata").as(Role::Hint).hidden();
        schematic();
        command("cmdinfo", "I N F O", [this] { openForm("frminfoloop", Mode::Modal); });
        command("cmdcondensatore", "Info condens. accoppiamento",
                [this] { openForm("frmhelpcondensatore", Mode::Modal); });
        command("cmdstampa", "Stampa", [this] { printDated(); });
        closeCommand("cmdchiudi", kClose);
    }

  private:
    // A fixed heading with its result beside it.
    void heading(const std::string& name, std::string text, const std::string& value) {
        label(name, std::move(text)).as(Role::Caption);
        result(value);
    }

    // The loop with the tuning capacitor across the gap at its top and the
    // two coupling capacitors from the feed line to its lower side.
    void schematic() {
        Drawing& d = drawing(300, 320);
        const double cx = 150, cy = 150, r = 105;
        Shape& loop = d.arc(cx - r, cy - r, 2 * r, 2 * r, 104, 332);
        loop.pen = kCopper;
        loop.penWidth = 4;
        const double gapX = r * std::cos(76 * 3.14159265 / 180);
        const double gapY = cy - r * std::sin(76 * 3.14159265 / 180);
        d.variableCapacitor(cx - gapX, gapY, 2 * gapX, Dir::Right);
        d.text(cx, gapY - 24, "CT", 9);
        // the coupling capacitors hang from two points of the lower side
        for (double deg : {250.0, 290.0}) {
            const double x = cx + r * std::cos(deg * 3.14159265 / 180);
            const double y = cy - r * std::sin(deg * 3.14159265 / 180);
            d.dot(x, y);
            d.capacitor(x, y, 290 - y, Dir::Down);
            d.terminal(x, 293);
        }
        d.text(cx, 280, "CC", 9);
        d.text(cx, 308, "50 Ohm", 8);
    }

    void compute() {
        blank(kResults);
        hide("fraforma");
        show("lblfantasma");
        const int shape = selected("Option1");
        std::string name = shape < 0 ? std::string() : caption(controlName("Option1", shape));
        for (char& c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        caption("lblfantasma", "ANTENNA LOOP DI FORMA " + name + " di area mq.: ");
        show("lblpiedi");
        show("lblpollici");

        s = num("txtdiametro");
        d = num("txtsezione");
        f = num("txtmhz");
        P = num("txtwatt");
        if (s * d * f * P == 0) return missingData("txtdiametro");
        // A negative size, conductor, frequency or power ends the command.
        if (s < 0 || d < 0 || f < 0 || P < 0) return;

        switch (shape) {
        case 0:
            caption("lbldiametro", "diametro in cm.");
            S = roundHalfEven(s * 3.14);
            A = std::pow(s / 200, 2) * 3.1415;
            break;
        case 1:
            caption("lbldiametro", "lato in cm.");
            S = 8 * s;
            A = 2 * (1 + std::sqrt(2.0)) * std::pow(s / 100, 2); // regular octagon
            break;
        case 2:
            caption("lbldiametro", "lato in cm.");
            S = 4 * s;
            A = std::pow(s / 100, 2);
            break;
        default:
            return;
        }
        caption("lblarea", formatFixed(A, 3));
        caption("lbllunghezza", formatLocale(S));

        Sf = S * 0.0328083;
        di = d * 0.03937;
        caption("lbllungpiedi", formatLocale(Sf));
        caption("lblsezpollici", formatLocale(di));

        lambda = static_cast<float>(300 / f);
        RR = std::pow(A, 2) * 31200 / std::pow(lambda, 4);
        caption("lblRR", formatPattern(RR, "#0.###"));
        RL = 1e-4 * 9.96 * std::sqrt(f) * Sf / di;
        caption("lblRL", formatPattern(RL, "#0.###"));
        eta = RR / (RR + RL) * 100;
        caption("lblE", formatPattern(eta, "#,##0.##") + "  %");
        L = 1e-2 * 1.9 * Sf * (7.353 * std::log10(96 * Sf / (3.1415 * di)) - 6.386);
        caption("lblL", formatPattern(L, "##0.###"));
        XL = 6.28 * f * L;
        caption("lblXL", formatPattern(XL, "#,##0.##"));
        CT = 1e6 / (6.28 * f * XL);
        caption("lblCT", formatPattern(CT, "#,##0.##"));
        CC = std::sqrt(RR + RL) * 1e6 / (6.28 * f * XL);
        caption("lblCC", formatPattern(CC, "#,##0.##"));
        Q = XL / (RR + RL) / 2;
        caption("lblQ", formatPattern(Q, "##,##0.##"));
        B = 2 * (RR + RL) / XL * f * 1000;
        caption("lblDF", formatPattern(B, "##,##0.###"));
        V = std::sqrt(P * XL * Q);
        caption("lblVC", formatPattern(V, "##,##0.##"));
        dB = 10 * std::log10(eta / 100);
        caption("lblDB", formatPattern(dB, "#,##0.##") + "  dB");
        CD = 0.82 * Sf;
        caption("lblCD", formatPattern(CD, "#,##0.##"));
    }

    // The window on paper with the date and time of printing on it.
    void printDated() {
        caption("lbldata", "STAMPA DEL " + nowText());
        show("lbldata");
        printWithoutCommands();
        hide("lbldata");
        caption("lbldata", "");
    }

    double s = 0, d = 0, f = 0, P = 0; // cm, mm, MHz, W
    double S = 0, A = 0;               // perimeter in cm, area in m²
    double Sf = 0, di = 0;             // perimeter in feet, conductor in inches
    float lambda = 0;                  // m, single precision
    double RR = 0, RL = 0, eta = 0, L = 0, XL = 0, CT = 0, CC = 0, Q = 0, B = 0, V = 0, dB = 0,
           CD = 0;
};

ETERO_FORM(Loop, "frmloop");

} // namespace

} // namespace etero::loops
