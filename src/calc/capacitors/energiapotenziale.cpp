// The energy stored in a charged electrolytic capacitor, with a warning when
// it is dangerous to touch.
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::capacitors {

namespace {

class FrmEnergiaPotenziale : public Form {
  public:
    FrmEnergiaPotenziale() : Form("frmenergiapotenziale") {}

  protected:
    void design() override {
        window("ENERGIA POTENZIALE O ELETTROSTATICA DEL CONDENSATORE ELETTROLITICO");
        label("Label1", "L'ENERGIA ELETTROSTATICA E' L'ENERGIA ACCUMULATA DAL CONDENSATORE AL "
                        "TERMINE DELLA CARICA E SI ESPRIME IN JOULE")
            .as(Role::Hint);
        field("Label2", "TENSIONE DI LAVORO in Volt", "txttensione");
        field("Label3", "CAPACITA' IN microFARAD", "txtcapacità");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lbloutput");
        result("lblavviso").color(kRed).hidden();
        closeCommand("cdmesci", "ESCI");

        blankOnInputChange({"lbloutput"});
        hideOnInputChange({"lblavviso"});
    }

  private:
    void compute() {
        V = num("txttensione");
        C = num("txtcapacità");
        if (V * C == 0) return missingData("txttensione");
        if (V * C < 0) return;
        E = 0.000001 * C * (V * V) / 2;
        caption("lbloutput",
                "L'ENERGIA POTENZIALE O ELETTROSTATICA E'  " + formatFixed(E, 2) + " JOULE");
        if (E >= 9) {
            caption("lblavviso", "VALORE ESTREMAMENTE PERICOLOSO");
            show("lblavviso");
        } else if (E >= 3) {
            caption("lblavviso", "VALORE PERICOLOSO");
            show("lblavviso");
        }
    }

    double V = 0, C = 0, E = 0;
};

ETERO_FORM(FrmEnergiaPotenziale, "frmenergiapotenziale");

} // namespace

} // namespace etero::capacitors
