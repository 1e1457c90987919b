// A power final stage (3 to 100 W) to a 50 ohm cable: the coil and the two
// capacitors between the collector and the cable, from the transistor's
// power, collector voltage and current ratings and the frequency.
#include "stages.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::stages {

namespace {

class FinaleAntenna : public StageForm {
  public:
    FinaleAntenna() : StageForm("frmfinale_antenna") {}

  protected:
    void design() override {
        window("COLLEGAMENTO DI UNO STADIO FINALE DA OLTRE 3 WATT AD UN CAVO COASSIALE");
        field("Label1", "POTENZA MAX DEL TRANSISTOR in WATT", "txtwatt");
        field("Label2", "FREQUENZA IN MHz", "txtfrequenza");
        field("Label3", "VCEO TENS.MAX COLLETTORE-EMETTITORE", "txtvceo");
        field("Label4", "MAX CORRENTE CONTINUA DI COLLETTORE", "txtcorrente");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        networkLabels("bobina", "C 1", "C 2");
        label("lbljaf", "JAF").as(Role::OnDrawing);
        schematic();
        label("Label5", "L'IMPEDENZA DEL COLLETTORE DEL TRANSISTOR FINALE DEVE ESSERE INFERIORE A "
                        "50 OHM")
            .as(Role::Hint);
        command("cmdchiamabobine", "Costruzione bobine", [this] { coilDesigner(); });
        closeCommand("cmdesci", "E X I T");

        // The choke keeps its name: it is the same for every result.
        blankOnInputChange({"lblbobina", "lblc1", "lblc2"});
    }

  private:
    // The collector fed through the choke; the coil in series, C2 across,
    // C1 in series to the cable.
    void schematic() {
        Drawing& d = drawing(520, 210);
        const double rail = 76;
        const Leads t = npn(d, 100, 150);
        d.line(t.baseX - 30, t.baseY, t.baseX, t.baseY);
        d.terminal(t.baseX - 33, t.baseY);
        d.ground(t.emitterX, t.emitterY);
        d.line(t.collectorX, t.collectorY, t.collectorX, rail);
        d.dot(t.collectorX, rail);
        chokeToSupply(d, t.collectorX, rail, 22, "lbljaf");
        d.line(t.collectorX, rail, 150, rail);
        d.inductor(150, rail, 110, Dir::Right);
        d.line(260, rail, 330, rail);
        d.dot(300, rail);
        d.capacitor(300, rail, 90, Dir::Down);
        d.ground(300, rail + 90);
        d.capacitor(330, rail, 80, Dir::Right);
        d.line(410, rail, 460, rail);
        coaxSocket(d, 470, rail);
        d.text(470, 122, "coax 50 ohm", 8, Anchor::CentredOn);
        d.slot("lblbobina", 145, 40, 120, 18, SlotAlign::Centre);
        d.slot("lblc2", 318, 112, 100, 18);
        d.slot("lblc1", 310, 40, 120, 18, SlotAlign::Centre);
    }

    void compute() {
        const double P = num("txtwatt"), Vceo = num("txtvceo"), Ic = num("txtcorrente");
        double f = num("txtfrequenza");
        if (f < 1.6) f = 1.6;
        // A power in a gap between two rows leaves the capacitance 0, and
        // the network divides by it.
        double C = 0;
        if (P > 100) {
            warn("massima potenza 100 W", kErrorTitle);
            C = 900;
            text("txtwatt", formatLocale(100));
            focus("txtwatt");
        } else {
            if (const PowerClass* row = largeTransistor(P, 3)) C = row->collectorC;
            if (P < 3) {
                warn("minima potenza 3 WATT", kErrorTitle);
                C = 80;
                text("txtwatt", formatLocale(3));
                focus("txtwatt");
            }
        }

        // A collector current of 0 divides by zero here.
        const double R = Vceo / Ic;
        const SeriesEquivalent s = seriesEquivalent(R, C, f);
        if (60 * s.Rs < 53) {
            warn("VALORE NON VALIDO", kErrorTitle);
            return focus("txtwatt");
        }
        const double XL = 10 * s.Rs + s.Xs;
        const double Q = std::sqrt(60 * s.Rs / 52 - 1);
        showCoupling(coupling(XL, 52 * Q, 60 * s.Rs / (5 - Q), f), 3, " uH");
        caption("lbljaf", "VK 200");
    }
};

ETERO_FORM(FinaleAntenna, "frmfinale_antenna");

} // namespace

} // namespace etero::stages
