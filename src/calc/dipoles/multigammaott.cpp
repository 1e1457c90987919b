// The trapped two-band dipole with the trap chosen automatically: the two
// sections of the arm, and a trap whose coil and capacitor both have a
// reactance of 250 ohm on the higher band.
#include "dipoles.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::dipoles {

namespace {

class MultigammaOtt : public DipoleForm {
  public:
    MultigammaOtt() : DipoleForm("frmmultigammaott") {}

  protected:
    void design() override {
        window("ANTENNA MULTIGAMMA TRAPPOLATA   -   CALCOLO AUTOMATICO DI INDUTTANZA E "
               "CAPACITA'");
        field("Label1", "FREQUENZA PIU' ALTA in MHz", "txtF1");
        field("Label2", "FREQUENZA PIU' BASSA in MHz", "txtF2");
        label("lblavviso", "PER VALORI ARBITRARI SCEGLIERE \"DIPOLO MULTIGAMMA\"").as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblA");
        result("lblB");
        label("lblreattanze", "PER UN RENDIMENTO OTTIMALE DELLA TRAPPOLA LE REATTANZE CAPACITIVE E "
                              "INDUTTIVE DEVONO AVERE VALORI COMPRESI TRA 200 e 300 Ohm")
            .as(Role::Hint)
            .hidden();
        result("lblcapacita");
        result("lblinduttanza");
        result("lblxl");
        result("lblxc");
        label("lblnota").as(Role::Hint);
        warningCommand();
        command("cmdchiamabobine", "costruzione della bobina", [this] { coilDesignerBeside(); });
        closeCommand("cmdesci", "E S C I");
        trappedDipole(drawing(520, 140));
    }

    void load() override { windowSize(kTrappedWidth, kTrappedHeight); }

  private:
    void compute() {
        hide("lblavviso");
        // The window keeps its results while the bands are edited, so each
        // computation first takes down those of the last one: a refusal or a
        // fault must not leave them beside bands that did not produce them.
        blank({"lblA", "lblB", "lblcapacita", "lblinduttanza", "lblxl", "lblxc"});
        F1 = num("txtF1");
        F2 = num("txtF2");
        if (F1 * F2 == 0) return missingData("txtF1");
        if (F1 * F2 < 0) return;
        if (bandsTooClose(F1, F2, "txtF1")) return;
        A = formatFixed(71.3 / F1, 2);
        B = formatFixed(71.15 / F2 * 0.87, 2);
        caption("lblA", "La lunghezza del tratto A è di mt. : " + A);
        caption("lblB", "La lunghezza totale B è di mt. : " + B);
        // The trap: 250 ohm reactances on the higher band, the reactances
        // then recomputed from the rounded components.
        C = formatFixed(159000 / (250 * F1), 1);
        L = formatFixed(250 / (6.28 * F1), 1);
        XL = roundThroughFixed(6.28 * F1 * parseLocale(L), 1);
        XC = formatFixed(159000 / (F1 * parseLocale(C)), 1);
        show("lblreattanze");
        caption("lblcapacita", "LA CAPACITA'  E'  pF  " + C);
        caption("lblinduttanza", std::string("L' INDUTTANZA  E'  ") + kMicro + "H " + L);
        caption("lblxl", "LA REATTANZA INDUTTIVA E'  " + formatLocale(XL) + " Ohm");
        caption("lblxc", "LA REATTANZA CAPACITIVA E'  " + XC + " Ohm");
        resizeWindow(kTrappedWidth, kTrappedGrownHeight);
        caption("lblnota", "La lunghezza reale dipende dal tipo di costruzione (filo o tubo) e dal "
                           "tipo di trappola usata (classica, toroidale, in cavo ) in quanto "
                           "differenti sono le reattanze induttive che, sommandosi alla reattanza "
                           "propria del radiatore, determinano sempre una variazone IN MENO "
                           "rispetto la lunghezza teorica");
    }

    double F1 = 0, F2 = 0, XL = 0;
    std::string A, B, C, L, XC; // held as their texts
};

ETERO_FORM(MultigammaOtt, "frmmultigammaott");

} // namespace

} // namespace etero::dipoles
