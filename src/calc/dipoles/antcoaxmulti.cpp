// The two-band dipole whose traps are coils wound from coaxial cable: the
// cable's own capacitance tunes the coil. From the two bands, the former's
// diameter and the turns: the trap's capacitance, inductance and resonance,
// the diameter-to-length ratio of the coil, the two sections of the arm and
// the length of cable to cut.
#include "dipoles.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::dipoles {

namespace {

class AntCoaxMulti : public DipoleForm {
  public:
    AntCoaxMulti() : DipoleForm("frmantcoaxmulti") {}

  protected:
    void design() override {
        window("ANTENNA MULTIGAMMA CON TRAPPOLE IN CAVO COASSIALE");
        frame("Frame1", "SELEZIONA UN TIPO DI CAVO");
        options("Option1", 0, {"RG 58", "RG 174U"});
        endFrame();
        field("Label2", "FREQUENZA PIU' ALTA IN MHz", "txtf1");
        field("Label3", "FREQUENZA PIU' BASSA IN MHz", "txtf2");
        field("Label4", "DIAMETRO DEL SUPPORTO BOBINA in cm.", "txtdiametro");
        field("Label5", "NUMERO SPIRE DELLA BOBINA IN CAVO COAX", "txtn");
        label("Label1").as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblcap");
        result("lblimpedenza");
        result("lblfrequenza").hidden();
        result("lblrapporto").hidden();
        result("lbllunghezzaa").hidden();
        result("lbllunghezzab").hidden();
        result("lbllunghezzacavo").hidden();
        label("lblcalza",
              "LA CALZA DEL CAVO COAX DEVE ESSERE COLLEGATA AL BRACCIO \"A\" DEL DIPOLO")
            .as(Role::Hint)
            .hidden();
        warningCommand();
        closeCommand("cmdesci", "E S C I");
        schematic();

        onOption("Option1", [this](int i) { chooseCable(i); });
    }

    void load() override {
        caption("Label1",
                "Si impostano le frequenze di lavoro, il diametro del supporto bobina, e, per "
                "approssimazione, il numero delle spire.  La frequenza di risonanza della bobina "
                "dovrebbe coincidere con la frequenza di lavoro più alta, se da questa si discosta "
                "sensibilmente, occorre variare o il numero delle spire o il diametro del "
                "supporto. Inoltre il diametro della bobina dovrebbe essere superiore, anche del "
                "doppio, della lunghezza della bobina stessa.");
    }

  private:
    // The cable's radius (cm) and its capacitance (pF per cm).
    void chooseCable(int index) {
        switch (index) {
        case 0: // RG 58
            s = 0.25;
            c = 0.935;
            break;
        case 1: // RG 174U
            s = 0.1275;
            c = 0.99;
            break;
        }
    }

    // The dipole with a coaxial trap in each arm: the section A from the
    // centre to the trap, the whole arm B.
    void schematic() {
        Drawing& d = drawing(520, 130);
        const double y = 70, x1 = 30, x2 = 490, cx = 260, t = 120;
        wire(d, x1, cx - t - 18, y);
        wire(d, cx - t + 18, cx + t - 18, y);
        wire(d, cx + t + 18, x2, y);
        for (double x : {cx - t, cx + t}) {
            Shape& former = d.rect(x - 18, y - 14, 36, 28);
            former.filled = true;
            former.fill = 0xEFE4CC;
            former.penWidth = 0.8;
            for (int k = 0; k < 5; ++k) {
                Shape& turn = d.line(x - 14 + 7 * k, y + 14, x - 10 + 7 * k, y - 14);
                turn.pen = kFeeder;
                turn.penWidth = 3;
            }
        }
        insulator(d, x1, y, -14);
        insulator(d, x2, y, 14);
        centreFeed(d, cx, y, 50);
        dimension(d, cx, cx + t, 40, 52);
        d.text(cx + t / 2, 31, "A", 9);
        dimension(d, cx, x2, 16, 36);
        d.text((cx + x2) / 2, 7, "B", 9);
    }

    void compute() {
        F1 = num("txtf1");
        F2 = num("txtf2");
        D = num("txtdiametro");
        N = num("txtn");
        if (F1 * F2 * D * N <= 0) return missingData("txtf1");
        const double r = D / 2;
        cable = static_cast<float>(6.28 * (r + s) * N + 2);
        C = cable * c;
        // Wheeler's single-layer coil, turns touching: radius r + s, length 2sN.
        const double a = r + s;
        L = (a * a) * (N * N) / (9 * a + 20 * N * s) / 2.54;
        const std::string Fr = formatFixed(159.155 / std::sqrt(C * L), 3);
        const std::string R = formatPattern((D + 2 * s) / (2 * s * N), "#0.##");
        caption("lblcap", "la capacità è pF: " + formatFixed(C, 2));
        caption("lblimpedenza", "L'impedenza è uH : " + formatFixed(L, 2));
        caption("lblfrequenza", " LA BOBINA RISUONA A MHz: " + Fr);
        caption("lblrapporto", " IL RAPPORTO DIAMETRO/LUNGHEZZA E' = " + R);
        caption("lbllunghezzaa", " LA LUNGHEZZA DEL BRACCIO 'A' E' MT: " + formatFixed(72 / F1, 2));
        caption("lbllunghezzab",
                " LA LUNGHEZZA DEL BRACCIO 'B' E' MT: " + formatFixed(72 / F2 * 0.9, 2));
        caption("lbllunghezzacavo",
                " OCCORRONO cm. " + formatLocale(toInt16(cable)) + " DI CAVO COASSIALE");
        showAll({"lblfrequenza", "lblrapporto", "lbllunghezzaa", "lbllunghezzab",
                 "lbllunghezzacavo", "lblcalza"});
    }

    double s = 0, c = 0; // the chosen cable
    double F1 = 0, F2 = 0, D = 0, N = 0, C = 0, L = 0;
    float cable = 0; // the length of cable, cm, single precision
};

ETERO_FORM(AntCoaxMulti, "frmantcoaxmulti");

} // namespace

} // namespace etero::dipoles
