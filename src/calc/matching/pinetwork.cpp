// Low-pass pi network matching a higher input impedance to a lower output
// impedance at a chosen loaded Q: the two shunt capacitors, the series
// inductor and the bandwidth.
#include "matching.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::matching {

namespace {

class FrmPiNetwork : public MatchingForm {
  public:
    FrmPiNetwork() : MatchingForm("frmpinetwork") {}

  protected:
    void design() override {
        window("RETE PASSA BASSO A PI GRECO COME ADATTATORE D' IMPEDENZA");
        piInputs("FATTORE DI MERITO Q  da ca 8 a 15", [this] { compute(); });

        piSchematic();

        frame("Frame1").hidden();
        result("lblprimoc");
        result("lblsecondoc");
        result("lblbobina");
        result("lblbw");
        endFrame();
        label("Label5", "IL CALCOLO E'  VALIDO PER UNA IMPEDENZA INPUT MAGGIORE DELL'IMPEDENZA "
                        "OUTPUT, TUTTAVIA IL CIRCUITO E' REVERSIBILE E OGNI PORTA PUO' DIVENTARE "
                        "TANTO ENTRATA QUANTO USCITA")
            .as(Role::Hint);
        label("Label6", "PER IL FATTORE \" Q \" CONVIENE ADOTTARE PER I 28 MHz UN VALORE DI 12 CHE "
                        "SALE IN PROPORZIONE FINO A 12,5 PER I 7 MHz. SOLO PER GLI 80 METRI SARA'  "
                        "= 14")
            .as(Role::Hint);
        command("cmdchiamabobine", "COSTRUZIONE BOBINA", [this] { openFromCorner("frmbobine"); });
        command("cmdchiamaimpanodica", "CALCOLO IMPEDENZA CIRCUITO ANODICO DELLA VALVOLA",
                [this] { openFromCorner("frmimpanodica"); });
        closeCommand("cmdchiudi", "CHIUDI");
        // Results stay when the inputs change.
    }

  private:
    void compute() {
        const double Zin = num("txtinput"), Zout = num("txtout"), Q = num("txtq"),
                     f = num("txtfrequenza");
        const auto x = piReactances(Zin, Zout, Q, f);
        if (!x) return;
        const std::string C1 = formatFixed(159000 / (f * x->X1), 2);
        const std::string C2 = formatFixed(159000 / (f * x->X2), 2);
        const std::string L = formatFixed(x->XL / (6.28318 * f), 3);
        showPiInductance(L);
        const double BW = roundThroughFixed(f * 1000 / Q, 1);
        showPiCapacitors(C1, C2, Zin, Zout);
        caption("lblbw", "LA BANDA PASSANTE E'  KHz  " + formatLocale(BW));
    }
};

ETERO_FORM(FrmPiNetwork, "frmpinetwork");

} // namespace

} // namespace etero::matching
