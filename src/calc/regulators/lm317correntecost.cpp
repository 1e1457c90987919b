// The LM317 as a constant-current source: the resistor between its output
// and its adjust pin that keeps the current through the load at the wanted
// value (1.25 V across it).
#include "regulators.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::regulators {

namespace {

class Lm317CorrenteCost : public Form {
  public:
    Lm317CorrenteCost() : Form("frmlm317correntecost") {}

  protected:
    void design() override {
        window(" LM 317  COME GENERATORE DI CORRENTE COSTANTE");
        field("Label1",
              "CORRENTE STABILIZZATA CHE SI DESIDERA PRELEVARE       in  mA :", "txtcorrente");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        label("lblr1", "R1").as(Role::OnDrawing);
        schematic();
        result("lblrisultato");
        closeCommand("cmdesci", "").picture = "exit";
    }

  private:
    // The input capacitors, the regulator, R1 from its output to its adjust
    // pin, the load from the adjust pin to ground.
    void schematic() {
        const double rail = 60, ground = 200, node = 450;
        Drawing& d = drawing(560, 230);
        d.terminal(17, rail);
        d.line(20, rail, 230, rail);
        d.terminal(17, ground);
        d.line(20, ground, 520, ground);
        d.ground(300, ground);
        capacitorDown(d, 60, rail, ground, "2.200 microF");
        capacitorDown(d, 170, rail, ground, "100 nF");
        const Pins p = regulatorBox(d, 230, 40, "E", "R", "U");
        d.text(p.commonX, p.inY + 12, "LM 317", 8, Anchor::CentredOn).bold = true;
        d.line(p.outX, p.outY, 350, rail);
        d.resistor(350, rail, node - 350, Dir::Right);
        d.line(node, rail, 520, rail);
        d.dot(node, rail);
        d.line(p.commonX, p.commonY, p.commonX, 130);
        d.line(p.commonX, 130, node, 130);
        d.line(node, 130, node, rail);
        d.rect(505, 100, 30, 70);
        d.line(520, rail, 520, 100);
        d.line(520, 170, 520, ground);
        d.text(495, 135, "carico", 8, Anchor::EndsAt);
        d.slot("lblr1", 340, 26, 120, 18, SlotAlign::Centre);
    }

    void compute() {
        const double I = num("txtcorrente");
        // A refused current leaves no result of an earlier one in view.
        caption("lblr1", "R1");
        caption("lblrisultato", "");
        if (!(I > 0 && I <= 1000)) {
            warn(kNotCongruous, kErrorTitle);
            return focus("txtcorrente");
        }
        const std::string R = formatFixed(1250 / I, 1);
        caption("lblr1", R + " Ohm");
        caption("lblrisultato",
                "PER OTTENERE " + formatLocale(I) + " mA LA RESISTENZA DEVE ESSERE  " + R + " OHM");
    }
};

ETERO_FORM(Lm317CorrenteCost, "frmlm317correntecost");

} // namespace

} // namespace etero::regulators
