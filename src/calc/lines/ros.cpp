// The standing-wave ratio on a 50 ohm line: the two antenna impedances
// that give it, the reflected and radiated power, the reflection
// coefficient and the return loss, recomputed as the ratio is typed.
#include "lines.h"
#include "shell/app/registry.h"
#include "shell/form/form.h"

#include <cmath>
#include <string>

namespace etero::lines {

namespace {

class Ros : public Form {
  public:
    Ros() : Form("frmros") {}

  protected:
    void design() override {
        window("R.O.S  -  RETURN LOSS  -  IMPEDENZA E ENERGIA IRRADIATA IN RAPPORTO AL ROS");
        label("Label1", "NOTO IL RAPPORTO DI ONDE STAZIONARIE E SUPPONENDO CHE LE IMPEDENZE DEL "
                        "TX E DEL  CAVO SIANO  = 50 Ohm, SI DETERMINA L'IMPEDENZA DELL'ANTENNA ( "
                        "CHE PUO' ESSERE PIU' ALTA O PIU' BASSA DI 50 ohm) E L'ENERGIA RIFLESSA "
                        "E IRRADIATA.")
            .as(Role::Hint);
        field("Label2", "RAPPORTO DI ONDE STAZIONARIE :", "txtros", "inserisci il ROS");
        frame("Frame1");
        result("lblimpedenza");
        result("lblwattriflessi");
        result("lblwattirradiati");
        result("lblcoeffriflessione");
        result("lblreturnloss");
        endFrame();
        label("Label3", "USARE IL PUNTO DEL TASTIERINO NUMERICO PER SEPARARE I DECIMALI")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");

        onChange("txtros", [this] { compute(); });
    }

  private:
    void compute() {
        S = num("txtros");
        if (S < 1) return hide("Frame1");
        high = formatFixed(50 * S, 1);
        low = formatFixed(50 / S, 1);
        gamma = (S - 1) / (S + 1);
        // The radiated share from the reflected one as shown, to one decimal.
        reflected = formatFixed(gamma * gamma * 100, 1);
        radiated = formatFixed(100 - parseLocale(reflected), 2);
        caption("lblimpedenza", "IMPEDENZA DELL'ANTENNA =  " + high + " o " + low + " ohm");
        caption("lblwattriflessi", "PERCENTUALE DELL'ENERGIA RIFLESSA =  " + reflected + " %");
        caption("lblwattirradiati", "PERCENTUALE DELL'ENERGIA IRRADIATA =  " + radiated + " %");
        caption("lblcoeffriflessione", "COEFFICIENTE DI RIFLESSIONE = " + formatFixed(gamma, 2));
        if (gamma <= 0) {
            caption("lblreturnloss", "RETURN LOSS TENDENTE A INFINITO");
        } else {
            RL = -20 * std::log10(gamma);
            caption("lblreturnloss", "RETURN LOSS = " + formatFixed(RL, 2));
        }
        show("Frame1");
    }

    double S = 0, gamma = 0, RL = 0;
    std::string high, low, reflected, radiated; // as shown
};

ETERO_FORM(Ros, "frmros");

} // namespace

} // namespace etero::lines
