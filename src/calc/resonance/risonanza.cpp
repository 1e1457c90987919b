// The resonant frequency of an inductance and a capacitance, with the
// wavelength and the reactance (XL = XC) at that frequency.
#include "resonance.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::resonance {

namespace {

class Risonanza : public ResonanceForm {
  public:
    Risonanza() : ResonanceForm("frmrisonanza") {}

  protected:
    void design() override {
        window("RISONANZA");
        field("Label1", "Induttanza in microHenry", "txtinduttanza");
        field("Label2", "capacità in picoFarad", "txtcapacità");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lbloutputfrequenza");
        result("lbloutputmetri");
        result("lbloutputreattanza");
        label("lblfantasma", "COME RISULTATO DEL CALCOLO AVREMO LA FREQUENZA IN KHz , LA LUNGHEZZA "
                             "D'ONDA IN METRI E LA REATTANZA XL = XC IN Ohm")
            .as(Role::Hint)
            .hidden();
        command("cmdchiamabobine", "DATI COSTRUZIONE BOBINE",
                [this] { companionBeside("frmbobine", 2800); });
        closeCommand("cdmesci", "ESCI");

        blankOnInputChange({"lbloutputfrequenza", "lbloutputmetri", "lbloutputreattanza"});
    }

    // The note takes its place among the results until the first computation.
    void load() override { show("lblfantasma"); }

  private:
    void compute() {
        L = num("txtinduttanza");
        C = num("txtcapacità");
        if (L * C == 0) return missingData("txtinduttanza");
        if (L * C < 0) return;
        fk = 1e6 / (std::sqrt(L * C) * 6.283184);
        lambda = std::sqrt(L * C) * 1.885;
        X = static_cast<float>(0.00628318 * fk * L);
        caption("lbloutputfrequenza", "Frequenza in Khz  :  " + formatFixed(fk, 3));
        caption("lbloutputmetri", "Lunghezza d'onda in mt. : " + formatFixed(lambda, 3));
        caption("lbloutputreattanza", "Reattanza XL=XC = " + formatFixed(X, -1) + " Ohm ");
        hide("lblfantasma");
    }

    double L = 0, C = 0, fk = 0, lambda = 0;
    float X = 0; // the reactance, single precision
};

ETERO_FORM(Risonanza, "frmrisonanza");

} // namespace

} // namespace etero::resonance
