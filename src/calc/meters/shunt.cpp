// The shunt resistor that, in parallel with a moving-coil ammeter of known
// internal resistance, extends its range n times: Rs = Rm / (n - 1).
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero {

namespace {

class Shunt : public Form {
  public:
    Shunt() : Form("frmshunt") {}

  protected:
    void design() override {
        window("Resistenza di shunt per amperometro");
        field("Label1", "Resistenza interna dello strumento :", "txtrm");
        field("Label2", "Nr. di volte per cui si vuole estendere la portata della scala", "txtnr");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        closeCommand("cmdesci", "E S C I");
        result("lblrs");
        label("Label3", "Il valore calcolato è quello della resistenza che, posta in parallelo "
                        "all'amperometro, ne estende la portata \"n\" volte")
            .as(Role::Hint);
        schematic();
        // The result stays when an input changes, until the next computation.
    }

  private:
    // The ammeter between two terminals, the shunt across it.
    void schematic() {
        Drawing& d = drawing(260, 130);
        d.terminal(20, 40);
        d.wire(24, 40, 80, 40);
        d.dot(80, 40);
        d.wire(80, 40, 105, 40);
        d.ellipse(105, 20, 40, 40);
        d.text(125, 40, "A", 12);
        d.wire(145, 40, 170, 40);
        d.dot(170, 40);
        d.wire(170, 40, 236, 40);
        d.terminal(240, 40);
        d.wire(80, 40, 80, 100);
        d.resistor(80, 100, 90, Dir::Right);
        d.wire(170, 100, 170, 40);
        d.text(125, 122, "Rs", 9);
        d.text(125, 12, "Rm", 9);
    }

    void compute() {
        const double Rm = num("txtrm");
        double n = num("txtnr");
        if (Rm * n == 0) return missingData("txtrm");
        if (Rm * n < 0) return;
        if (n <= 1) n = 1.1;
        // Rounded to two decimals through the text, kept in single precision.
        const float Rs = static_cast<float>(roundThroughPattern(Rm / (n - 1), "#,##0.##"));
        caption("lblrs", "resistenza SHUNT in Ohm  =  " + formatLocale(Rs));
    }
};

ETERO_FORM(Shunt, "frmshunt");

} // namespace

} // namespace etero
