// The bridged-T attenuator between equal impedances: two series resistors
// equal to the impedance, a bridge across them and a shunt arm from their
// junction; only the bridge and the shunt change with the attenuation.
#include "pads.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::attenuators {

namespace {

class RetiATPonte : public Form {
  public:
    RetiATPonte() : Form("frmretiaTponte") {}

  protected:
    void design() override {
        window(
            "RETI a T a ponte       l'impedenza d'ingresso deve essere uguale a quella d'uscita");
        field("Label1", "IMPEDENZA D' INGRESSO E USCITA", "txtR0", "inserire i dati");
        field("Label2", "ATTENUAZIONE IN dB", "txtattenuazione", "inserire i dati");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblR1", "R1").as(Role::OnDrawing);
        result("lblR1a", "R1").as(Role::OnDrawing);
        result("lblR2", "R2").as(Role::OnDrawing);
        result("lblR3", "R3").as(Role::OnDrawing);
        label("Label3", "La rete a T  a ponte ha il vantaggio di poter modificare l'attenuazione "
                        "variando due sole resistenze")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
        schematic();

        blankOnInputChange({"lblR1", "lblR1a", "lblR2", "lblR3"});
    }

  private:
    // The two series resistors along the top wire, the bridge R3 above them
    // from input to output, the shunt R2 from their junction to the return wire.
    void schematic() {
        Drawing& d = drawing(420, 230);
        const double left = 30, right = 390, bridge = 44, top = 120, bottom = 210;
        ports(d, left, right, top, bottom);
        d.line(left, top, 80, top);
        seriesArm(d, 80, 180, top, "lblR1", 90);
        d.line(180, top, 240, top);
        seriesArm(d, 240, 340, top, "lblR1a", 90);
        d.line(340, top, right, top);
        d.line(left, bottom, right, bottom);
        d.polyline({60, top, 60, bridge, 150, bridge});
        seriesArm(d, 150, 270, bridge, "lblR3", 100);
        d.polyline({270, bridge, 360, bridge, 360, top});
        d.dot(60, top);
        d.dot(360, top);
        shuntArm(d, 210, top, bottom, "lblR2", 90, 1, (top + bottom) / 2);
    }

    void compute() {
        const double r0 = num("txtR0"), a = num("txtattenuazione");
        if (r0 * a <= 0) return missingData("txtR0");
        const float k = static_cast<float>(std::pow(10.0, a / 20));
        const float kMinusOne = k - 1;
        const double r2 = r0 / kMinusOne;
        const double r3 = r0 * kMinusOne;
        caption("lblR1", formatFixed(r0, 1));
        caption("lblR1a", formatFixed(r0, 1));
        caption("lblR2", formatFixed(r2, 1));
        caption("lblR3", formatFixed(r3, 1));
    }
};

ETERO_FORM(RetiATPonte, "frmretiaTponte");

} // namespace

} // namespace etero::attenuators
