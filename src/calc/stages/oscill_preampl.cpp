// The coupling between an oscillator and a small preamplifier transistor:
// the coil and the two capacitors that match the oscillator's coil to the
// transistor, from the transistor's power and the frequency. Powers and
// frequencies out of range are brought to the nearest limit, with a message.
#include "stages.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::stages {

namespace {

class OscillPreampl : public StageForm {
  public:
    OscillPreampl() : StageForm("frmoscill_preampl") {}

  protected:
    void design() override {
        window("COLLEGAMENTO DI UNO STADIO OSCILLATORE AD UNO STADIO PREAMPLIFICATORE AF");
        field("Label1", "POTENZA MAX DEL TRANSISTOR in WATT", "txtwatt");
        label("Label2", "da 0.4 a 3 Watt").as(Role::Hint);
        field("Label3", "FREQUENZA IN MHz", "txtfrequenza");
        label("Label4", "da 1.6 a 500 MHz").as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        networkLabels("", "", "");
        schematic();
        command("cmdchiamabobine", "Costruzione bobine", [this] { coilDesigner(); });
        closeCommand("cmdesci", "E X I T");

        blankOnInputChange({"lblbobina", "lblc1", "lblc2"});
    }

  private:
    // The oscillator's coil feeds the network.
    void schematic() {
        Drawing& d = networkToBase("Transistor preamplificatore");
        d.inductor(60, kRail, kGround - kRail, Dir::Down, 4);
        d.ground(60, kGround);
        d.text(60, 204, "bobina oscillatore", 8, Anchor::CentredOn);
    }

    void compute() {
        double P = num("txtwatt"), f = num("txtfrequenza");
        // The results of an earlier computation go before the refusal: the
        // power field may have been emptied by that computation itself.
        if (P * f <= 0) {
            blank({"lblbobina", "lblc1", "lblc2"});
            return missingData("txtwatt");
        }
        if (f < 1.6) {
            warn("minima frequenza 1.6 MHz", kErrorTitle);
            f = 1.6;
            text("txtfrequenza", "1.6");
            focus("txtfrequenza");
        }
        if (f > 500) {
            warn("massima frequenza 500 MHz", kErrorTitle);
            f = 500;
            text("txtfrequenza", "500");
            focus("txtfrequenza");
        }
        // A power in a gap between two rows sets nothing: the capacitance
        // stays 0 and the network divides by it.
        double R = 0, C = 0;
        if (P < 0.4) {
            warn("VALORE MINIMO 0.4 WATT", kErrorTitle);
            R = 50;
            C = 60;
            text("txtwatt", "");
            focus("txtwatt");
        } else if (P > 3) {
            warn("MASSIMA POTENZA 3 W", kErrorTitle);
            R = 20;
            C = 200;
            text("txtwatt", formatLocale(3));
            focus("txtwatt");
        } else if (const SmallClass* row = smallTransistor(P)) {
            R = row->R;
            C = row->C;
        }

        const SeriesEquivalent s = seriesEquivalent(R, C, f);
        const double XL = 3 * s.Rs + s.Xs;
        const double Q = std::sqrt(26 * s.Xs / 35 - 1);
        showCoupling(coupling(XL, 35 * Q, 910 / (5 - Q), f), 4, std::string(" ") + kMicro + "H");
    }
};

ETERO_FORM(OscillPreampl, "frmoscill_preampl");

} // namespace

} // namespace etero::stages
