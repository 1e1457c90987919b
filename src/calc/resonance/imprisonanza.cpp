// The impedance of a series and of a parallel R-L-C circuit at resonance,
// with the series Q and bandwidth, the components taken as lossless.
#include "resonance.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::resonance {

namespace {

class ImpRisonanza : public ResonantCircuit {
  public:
    ImpRisonanza() : ResonantCircuit("frmimprisonanza") {}

  protected:
    void design() override {
        window("CALCOLO DELL'IMPEDENZA IN UN CIRCUITO IN RISONANZA");
        inputsAndSchematics("");
        result("lblfrequenza");
        result("lblzserie");
        result("lblzparallelo");
        result("lblqserie");
        result("lbllbserie");
        label("Label6", "NOTA LA CAPACITA',  L' INDUTTANZA E LA RESISTENZA,  SI DETERMINA IL "
                        "VALORE DELL'IMPEDENZA IN UN CIRCUITO  R-L-C  IN RISONANZA, SUPPONENDO "
                        "CHE I COMPONENTI SIANO PRIVI DI PERDITE")
            .as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        closeCommand("cdmesci", "E S C I");
        // An input change leaves the results standing.
    }

  private:
    void compute() {
        if (!figures(v)) return;
        const std::string Qs = formatFixed(v.Qs, 1);
        const double BWs = roundThroughFixed(v.BWs, 3);
        const std::string fr = formatFixed(v.fr, 3);
        const double Zp = roundThroughFixed(v.Zp, 1);
        caption("lblfrequenza", "FREQUENZA DI RISONANZA : " + fr + " MHz");
        caption("lblzserie", "IMPEDENZA SERIE : " + formatLocale(v.R) + " Ohm");
        caption("lblzparallelo", "IMPEDENZA PARALLELO : " + formatLocale(Zp) + " Ohm");
        caption("lblqserie", "IL Q DEL CIRCUITO SERIE E' =  " + Qs);
        caption("lbllbserie", "LARGHEZZA DI BANDA SERIE = " + formatLocale(BWs) + " KHz");
    }

    Figures v;
};

ETERO_FORM(ImpRisonanza, "frmimprisonanza");

} // namespace

} // namespace etero::resonance
