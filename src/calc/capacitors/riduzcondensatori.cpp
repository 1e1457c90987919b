// The capacitor to put in series with one at hand to bring it down to a
// wanted capacitance.
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::capacitors {

namespace {

class FrmRiduzCondensatori : public Form {
  public:
    FrmRiduzCondensatori() : Form("frmriduzcondensatori") {}

  protected:
    void design() override {
        window("RIDUZIONE DELLA CAPACITA' DI UN CONDENSATORE");
        label("Label3", "PER RIDURRE LA CAPACITA' DI UN CONDENSATORE OCCORRE COLLEGARNE UN ALTRO "
                        "IN SERIE IL CUI VALORE PUO' ESSERE ESATTAMENTE CALCOLATO ")
            .as(Role::Hint);
        field("Label1", "CAPACITA' in pF DEL  CONDENSATORE :", "txtc1");
        field("Label2", "CAPACITA' in pF CHE SI VUOLE OTTENERE :", "txtc2");
        command("cmdcalcola", "CALCOLA", [this] { compute(); }).tip("abilita il calcolo");
        result("lblriduzione");
        closeCommand("cmdesci", "").tip("chiude l'applicazione").picture = "exit";

        blankOnInputChange({"lblriduzione"});
    }

  private:
    void compute() {
        C1 = num("txtc1");
        C2 = num("txtc2");
        if (C1 * C2 <= 0) return missingData("txtc1");
        if (C1 <= C2) {
            warn("IL PRIMO COND.RE HA SEMPRE LA CAPACITA' MAGGIORE", "STAI ATTENTO");
            return focus("txtc1");
        }
        Cs = C1 * C2 / (C1 - C2);
        if (Cs >= 1001)
            caption("lblriduzione", "CAPACITA' DA APPLICARE IN SERIE =  " +
                                        formatFixed(Cs / 1000, 1) + "  " + "nanoF");
        else
            caption("lblriduzione",
                    "CAPACITA' DA APPLICARE IN SERIE =  " + formatFixed(Cs, 1) + "  " + "picoF");
    }

    double C1 = 0, C2 = 0, Cs = 0;
};

ETERO_FORM(FrmRiduzCondensatori, "frmriduzcondensatori");

} // namespace

} // namespace etero::capacitors
