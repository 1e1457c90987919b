// Two capacitors in series and in parallel, each total shown in the unit
// that suits its size.
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <string>

namespace etero::capacitors {

namespace {

// A value in picofarads as number and unit word: picofarads up to 1000 pF,
// nanofarads from 1001 pF, microfarads from 1000001 pF.
std::string inUnits(double v) {
    if (v < 1001) return formatFixed(v, 1) + "  " + "picoF";
    if (v < 1000001) return formatFixed(v / 1000, 2) + "  " + "nanoF";
    return formatFixed(v / 1000000, 2) + "  " + "microF";
}

class FrmCondensatori : public Form {
  public:
    FrmCondensatori() : Form("frmcondensatori") {}

  protected:
    void design() override {
        window("CONDENSATORI IN SERIE E IN PARALLELO");
        field("Label1", "PRIMO CONDENSATORE in pF :", "txtc1");
        field("Label2", "SECONDO CONDENSATORE in pF :", "txtc2");
        command("cmdcalcola", "CALCOLA", [this] { compute(); }).tip("abilita il calcolo");
        result("lblserie");
        result("lblparallelo");
        closeCommand("cmdesci", "").tip("chiude l'applicazione").picture = "exit";

        blankOnInputChange({"lblserie", "lblparallelo"});
    }

  private:
    void compute() {
        C1 = num("txtc1");
        C2 = num("txtc2");
        if (C1 * C2 <= 0) return missingData("txtc1");
        P = C1 + C2;
        S = C1 * C2 / (C1 + C2);
        caption("lblserie", "TOTALE SERIE =  " + inUnits(S));
        caption("lblparallelo", "TOTALE PARALLELO =  " + inUnits(P));
    }

    double C1 = 0, C2 = 0, P = 0, S = 0;
};

ETERO_FORM(FrmCondensatori, "frmcondensatori");

} // namespace

} // namespace etero::capacitors
