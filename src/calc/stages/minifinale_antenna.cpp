// A small final stage (below 1.5 W) to a 50 ohm cable: the collector coil
// and the two capacitors that follow it, recomputed as the frequency is
// typed. Small transistors are taken with their average characteristics.
#include "stages.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::stages {

namespace {

class MiniFinaleAntenna : public StageForm {
  public:
    MiniFinaleAntenna() : StageForm("frmminifinale_antenna") {}

  protected:
    void design() override {
        window("COLLEGAMENTO DI UNO STADIO FINALE DI POTENZA INFERIORE A 1,5  WATT AD UN CAVO "
               "COASSIALE");
        field("Label1", "FREQUENZA IN MHz :", "txtfrequenza");
        networkLabels("bobina", "C 1", "C 2");
        schematic();
        label("Label2", "IN UN TRANSISTOR DI PICCOLA POTENZA L'IMPEDENZA DEL COLLETTORE E' "
                        "NORMALMENTE SUPERIORE A 50 OHM")
            .as(Role::Hint);
        label("Label3", "I CALCOLI SI BASANO SULLE CARATTERISTICHE MEDIE DI TRANSISTORS DI PICCOLA "
                        "POTENZA,  PERTANTO LE RISULTANZE SONO NECESSARIAMENTE INDICATIVE. SI "
                        "ADOTTERANNO COMPENSATORI CON CAPACITA' MAX SUPERIORE DI ALMENO IL 40 %")
            .as(Role::Hint);
        command("cmdchiamabobine", "Costruzione bobine",
                [this] { openBeside("frmbobine", 400, 300, 4100, 2800); });
        closeCommand("cmdesci", "E S C I");

        onChange("txtfrequenza", [this] { compute(); });
    }

  private:
    // The collector on a tap of the coil, a third of the turns from its
    // cold end at the supply; from the hot end C1 in series and C2 across
    // the cable.
    void schematic() {
        Drawing& d = drawing(500, 220);
        const double coil = 210, hot = 40, cold = 160, tap = 120, rail = hot;
        const Leads t = npn(d, 120, tap + 32);
        d.line(t.baseX - 30, t.baseY, t.baseX, t.baseY);
        d.terminal(t.baseX - 33, t.baseY);
        d.line(t.collectorX, t.collectorY, coil, tap);
        d.dot(coil, tap);
        d.inductor(coil, hot, cold - hot, Dir::Down, 6);
        d.line(coil, cold, coil, 180);
        d.text(coil, 194, "+ Vcc", 8, Anchor::CentredOn).bold = true;
        d.ground(t.emitterX, t.emitterY);
        d.text(coil - 12, 70, "stesso nr.spire bobina oscill.", 7, Anchor::EndsAt);
        d.text(coil - 12, 104, "presa 1/3 spire lato freddo", 7, Anchor::EndsAt);
        d.line(coil, hot, 260, rail);
        d.capacitor(260, rail, 80, Dir::Right);
        d.line(340, rail, 440, rail);
        d.dot(380, rail);
        d.capacitor(380, rail, 110, Dir::Down);
        d.ground(380, rail + 110);
        coaxSocket(d, 450, rail);
        d.text(450, 84, "coax 50 ohm", 8, Anchor::CentredOn);
        d.slot("lblbobina", coil + 16, 80, 100, 18);
        d.slot("lblc1", 240, 10, 120, 18, SlotAlign::Centre);
        d.slot("lblc2", 398, 122, 100, 18);
    }

    // An empty or zero frequency gives zero for all three.
    void compute() {
        const double f = num("txtfrequenza");
        double C1 = 0, C2 = 0, L = 0;
        if (f != 0) {
            C1 = 1000000 / (f * 1193.2);
            C2 = 2 * C1;
            L = 80 / (f * 6.28);
        }
        showCoupling({L, C1, C2}, 3, " uH");
    }
};

ETERO_FORM(MiniFinaleAntenna, "frmminifinale_antenna");

} // namespace

} // namespace etero::stages
