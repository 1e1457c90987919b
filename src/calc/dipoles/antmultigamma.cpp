// The trapped two-band dipole with one trap component known: the two
// sections of the arm, the other component of the trap and the reactances
// of both on the higher band.
#include "dipoles.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::dipoles {

namespace {

class AntMultigamma : public DipoleForm {
  public:
    AntMultigamma() : DipoleForm("frmantmultigamma") {}

  protected:
    void design() override {
        window("ANTENNA MULTIGAMMA TRAPPOLATA");
        frame("Frame1", "Dati conosciuti");
        options("Option1", 0, {"E' NOTA LA CAPACITA'", "E' NOTA L' INDUTTANZA"});
        endFrame();
        field("Label1", "FREQUENZA PIU' ALTA in MHz", "txtF1");
        field("Label2", "FREQUENZA PIU' BASSA in MHz", "txtF2");
        field("lbldato", "", "txtdato");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblA");
        result("lblB");
        result("lbloutput");
        label("lblreattanze", "PER UN RENDIMENTO OTTIMALE DELLA BOBINA LE REATTANZE DEVONO AVERE "
                              "VALORI COMPRESI TRA 200 e 300 Ohm")
            .as(Role::Hint);
        result("lblxl");
        result("lblxc");
        label("lblnota").as(Role::Hint);
        warningCommand();
        command("cmdchiamabobine", "costruzione della bobina", [this] { coilDesignerBeside(); });
        closeCommand("cmdesci", "E S C I");
        trappedDipole(drawing(520, 140));

        onOption("Option1", [this](int i) { choose(i); });
    }

    void load() override {
        windowSize(kTrappedWidth, kTrappedHeight);
        showAll({"lblA", "lblB", "lbloutput"}, false);
    }

  private:
    // The known component names the input; the results of the other go.
    void choose(int index) {
        switch (index) {
        case 0:
            caption("lbldato", "CAPACITA' in pFARAD ");
            break;
        case 1:
            caption("lbldato", "INDUTTANZA in microH ");
            break;
        }
        text("txtdato", "");
        showAll({"lblA", "lblB", "lblreattanze", "lbloutput", "lblxc", "lblxl"}, false);
    }

    void compute() {
        F1 = num("txtF1");
        F2 = num("txtF2");
        X = num("txtdato");
        if (F1 * F2 * X == 0) return missingData("txtF1");
        if (F1 * F2 * X < 0) return;
        if (bandsTooClose(F1, F2, "txtF1")) return;
        A = formatFixed(71.3 / F1, 3);
        B = formatFixed(72 / F2 * 0.87, 3);
        caption("lblA", "La lunghezza del tratto A è di mt. : " + A);
        caption("lblB", "La lunghezza totale B è di mt. : " + B);
        // The other component: microhenry from picofarad, or the reverse.
        Y = formatFixed(25300 / (F1 * F1 * X), 2);
        double xl = 0, xc = 0;
        if (isOn("Option1(0)")) {
            caption("lbloutput", "L'induttanza della bobina è microH : " + Y);
            xl = 6.28 * F1 * parseLocale(Y);
            xc = 159000 / (F1 * X);
        } else {
            caption("lbloutput", "La capacità del condensatore è pF : " + Y);
            xl = 6.28 * F1 * X;
            xc = 159000 / (F1 * parseLocale(Y));
        }
        XL = roundThroughFixed(xl, 1);
        XC = formatFixed(xc, 1);
        caption("lblxl", "LA REATTANZA INDUTTIVA E'  " + formatLocale(XL) + " Ohm");
        caption("lblxc", "LA REATTANZA CAPACITIVA E'  " + XC + " Ohm");
        // The reactances are shown with the rest: an option click (one runs
        // as the window opens) hides them.
        showAll({"lblA", "lblB", "lbloutput", "lblreattanze", "lblxl", "lblxc"});
        resizeWindow(kTrappedWidth, kTrappedGrownHeight);
        caption("lblnota", "La lunghezza reale dipende dalla costruzione (filo o tubo) e dal tipo "
                           "di trappola usata (classica, toroidale, in cavo ) in quanto differenti "
                           "sono le reattanze induttive che, sommandosi alla reattanza propria del "
                           "radiatore, determinano sempre una variazione IN MENO rispetto la "
                           "lunghezza teorica");
    }

    double F1 = 0, F2 = 0, X = 0, XL = 0;
    std::string A, B, Y, XC; // held as their texts
};

ETERO_FORM(AntMultigamma, "frmantmultigamma");

} // namespace

} // namespace etero::dipoles
