// The merit factor and the 3 dB bandwidth of a series and of a parallel
// R-L-C circuit at resonance, the same R serving as the series loss and as
// the parallel resistance.
#include "resonance.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::resonance {

namespace {

class FattoreQ : public ResonantCircuit {
  public:
    FattoreQ() : ResonantCircuit("frmfattoreQ") {}

  protected:
    void design() override {
        window("CALCOLO DEL  FATTORE DI MERITO E DELLA LARGHEZZA DI BANDA");
        inputsAndSchematics("0.2");
        frame("Frame1").hidden();
        result("lblfrequenza");
        result("lblzserie");
        result("lblzparallelo");
        result("lblqserie");
        result("lbllbserie");
        result("lblqparallelo");
        result("lbllbparallelo");
        endFrame();
        label("Label6", "SI DETERMINA IL FATTORE DI MERITO E LA LARGHEZZA DI BANDA  A 3 dB  IN UN "
                        "CIRCUITO  R-L-C  IN RISONANZA, SUPPONENDO CHE I COMPONENTI SIANO PRIVI "
                        "DI PERDITE")
            .as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        closeCommand("cdmesci", "E S C I");

        hideOnInputChange({"Frame1"});
    }

  private:
    void compute() {
        if (!figures(v)) return;
        const double Qp = v.R / v.XL;
        const double BWp = v.fr / Qp * 1000;
        const std::string Qs = formatFixed(v.Qs, -1);
        const std::string BWs = formatFixed(v.BWs, -1);
        const std::string QpText = formatFixed(Qp, -1);
        const std::string BWpText = formatFixed(BWp, -1);
        const std::string R = formatFixed(v.R, -1);
        const std::string fr = formatFixed(v.fr, 3);
        const double Zp = roundThroughFixed(v.Zp, -1);
        caption("lblfrequenza", "FREQUENZA DI RISONANZA : " + fr + " MHz");
        caption("lblzserie", "IMPEDENZA SERIE : " + R + " Ohm");
        caption("lblzparallelo", "IMPEDENZA PARALLELO : " + formatLocale(Zp) + " Ohm");
        caption("lblqserie", "IL Q DEL CIRCUITO SERIE E' =  " + Qs);
        caption("lbllbserie", "LARGHEZZA DI BANDA SERIE = " + BWs + " KHz");
        caption("lblqparallelo", "IL Q DEL CIRCUITO PARALLELO E' =  " + QpText);
        caption("lbllbparallelo", "LARGHEZZA DI BANDA PARALLELO = " + BWpText + " KHz");
        show("Frame1");
    }

    Figures v;
};

ETERO_FORM(FattoreQ, "frmfattoreQ");

} // namespace

} // namespace etero::resonance
