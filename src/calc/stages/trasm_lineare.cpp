// A 52 ohm transmitter output driving the transistor of a power amplifier
// (2.5 to 65 W, up to 80 MHz): the two capacitors and the coil between the
// cable and the base. Powers and frequencies out of range are brought to the
// nearest limit.
#include "stages.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::stages {

namespace {

class TrasmLineare : public StageForm {
  public:
    TrasmLineare() : StageForm("frmtrasm_lineare") {}

  protected:
    void design() override {
        window("COLLEGAMENTO DI UNA USCITA A 52 OHM CON UN FINALE DI POTENZA");
        field("Label1", "POTENZA MAX DEL TRANSISTOR in WATT", "txtwatt");
        label("Label2", "max 65 Watt").as(Role::Hint);
        field("Label3", "FREQUENZA IN MHz", "txtfrequenza");
        label("Label4", "max 80MHz").as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        networkLabels("bobina", "C1", "C2");
        schematic();
        label("Label5", "SI PRESUME CONOSCIUTA LA SOLA POTENZA MASSIMA DEL TRANSISTOR. I RISULTATI "
                        "SONO INDICATIVI, PERCHE' LE CAPACITA' PARASSITE HANNO UN PESO NOTEVOLE: "
                        "SI USERANNO COMPENSATORI DI CAPACITA' SUPERIORE DEL 30 % AI VALORI "
                        "CALCOLATI, E LA BOBINA SI POTRA' AVVOLGERE INIZIALMENTE UN PO' PIU' "
                        "GRANDE, RIDUCENDOLA POI IN SEDE DI TARATURA")
            .as(Role::Hint);
        command("cmdchiamabobine", "Costruzione bobine", [this] { coilDesigner(); });
        closeCommand("cmdesci", "").picture = "exit";

        blankOnInputChange({"lblbobina", "lblc1", "lblc2"});
    }

  private:
    // The exciter's cable feeds the network.
    void schematic() {
        Drawing& d = networkToBase("Transistor dell'ampl. lineare");
        coaxSocket(d, 50, kRail);
        d.text(50, 150, "cavo coax 50 ohm", 8, Anchor::CentredOn);
    }

    void compute() {
        double P = num("txtwatt"), f = num("txtfrequenza");
        // The field is given the clamped value in the regional format,
        // 1,6, which reads back as 1 and is clamped again the next time.
        if (f < 1.6) {
            f = 1.6;
            text("txtfrequenza", formatLocale(1.6));
        }
        if (f > 80) {
            warn("massima frequenza 80 MHz", kErrorTitle);
            f = 80;
            text("txtfrequenza", "80");
            focus("txtfrequenza");
        }
        // A power in a gap between two rows sets nothing: the capacitance
        // stays 0 and the network divides by it.
        double R = 0, C = 0;
        if (P > 65) {
            warn("massima potenza 65 W", kErrorTitle);
            R = 1.3;
            C = 1000;
            text("txtwatt", "");
            focus("txtwatt");
        } else {
            if (const PowerClass* row = largeTransistor(P, 2.5)) {
                R = row->R;
                C = row->inputC;
            }
            if (P < 2.5) {
                warn("VALORE MINIMO 2.5 WATT", kErrorTitle);
                R = 20;
                C = 200;
                text("txtwatt", "");
                focus("txtwatt");
            }
        }

        const SeriesEquivalent s = seriesEquivalent(R, C, f);
        const double XL = 5 * s.Rs + s.Xs;
        const double Q = std::sqrt(60 * s.Rs / 52 - 1);
        showCoupling(coupling(XL, 52 * Q, 1352 / (5 - Q), f), 3, " uH");
    }
};

ETERO_FORM(TrasmLineare, "frmtrasm_lineare");

} // namespace

} // namespace etero::stages
