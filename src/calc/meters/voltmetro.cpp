// The series resistor that, in front of a moving-coil voltmeter of known
// internal resistance, extends its range n times: Rs = Rm * (n - 1).
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero {

namespace {

class Voltmetro : public Form {
  public:
    Voltmetro() : Form("frmvoltmetro") {}

  protected:
    // The window is left without a fixed position, so that it opens centred
    // on the screen.
    void design() override {
        window("Resistenza in serie per voltmetro");
        field("Label1", "Resistenza interna dello strumento :", "txtRM");
        field("Label2", "Nr. di volte per cui si vuole estendere la portata della scala", "txtnr");
        command("cdmcalcola", "CALCOLA", [this] { compute(); });
        closeCommand("cmdesci", "E S C I");
        result("lbloutput");
        label("Label3", "Il valore calcolato è quello della resistenza che, posta in serie al "
                        "voltmetro, ne estende la portata \"n\" volte")
            .as(Role::Hint);
        schematic();
        // The result stays when an input changes, until the next computation.
    }

  private:
    // The series resistor, then the voltmeter, between two terminals.
    void schematic() {
        Drawing& d = drawing(260, 90);
        d.terminal(20, 45);
        d.wire(24, 45, 40, 45);
        d.resistor(40, 45, 90, Dir::Right);
        d.wire(130, 45, 160, 45);
        d.ellipse(160, 25, 40, 40);
        d.text(180, 45, "V", 12);
        d.wire(200, 45, 236, 45);
        d.terminal(240, 45);
        d.text(85, 20, "Rs", 9);
        d.text(180, 82, "Rm", 9);
    }

    void compute() {
        const double Rm = num("txtRM");
        double n = num("txtnr");
        if (Rm * n == 0) return missingData("txtRM");
        if (Rm * n < 0) return;
        if (n < 1) n = 1;
        const float Rs = static_cast<float>(Rm * (n - 1));
        caption("lbloutput",
                "resistenza in Ohm da inserire in serie allo strumento =  " + formatLocale(Rs));
    }
};

ETERO_FORM(Voltmetro, "frmvoltmetro");

} // namespace

} // namespace etero
