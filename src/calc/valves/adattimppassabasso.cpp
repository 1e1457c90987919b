// The low-pass pi network that matches the anode impedance of a valve
// output stage to the antenna: the two capacitors and the coil for a loaded
// Q of about 12 to 14.
#include "valves.h"

#include "calc/matching/matching.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::valves {

namespace {

class AdattImpPassaBasso : public matching::MatchingForm {
  public:
    AdattImpPassaBasso() : MatchingForm("frmadattimppassabasso") {}

  protected:
    void design() override {
        window("RETE PASSA BASSO A PI GRECO COME ADATTATORE D' IMPEDENZA PER STADIO D'USCITA A "
               "VALVOLA");
        piInputs("FATTORE DI MERITO  \" Q \" da 12 a 14", [this] { compute(); });
        piSchematic();
        frame("Frame1").hidden();
        result("lblprimoc");
        result("lblsecondoc");
        result("lblbobina");
        endFrame();
        label("Label5", "L'IMPEDENZA DEL CIRCUITO ANODICO E' DECINE DI VOLTE SUPERIORE A QUELLA "
                        "DEL CARICO ( ANT.)")
            .as(Role::Hint);
        label("Label6", "PER IL FATTORE \" Q \" CONVIENE ADOTTARE PER I 28 MHz UN VALORE DI 12 CHE "
                        "SALE IN PROPORZIONE FINO A 12,5 PER I 7 MHz. SOLO PER GLI 80 METRI SARA'  "
                        "= 14")
            .as(Role::Hint);
        command("cmdchiamaimpanodica", "CALCOLO IMPEDENZA CIRCUITO ANODICO DELLA VALVOLA",
                [this] { openFromCorner("frmimpanodica"); });
        command("cmdchiamabobine", "COSTRUZIONE BOBINA", [this] { openFromCorner("frmbobine"); });
        closeCommand("cmdchiudi", "CHIUDI");
        // Results stay when the inputs change, until the next computation.
    }

  private:
    void compute() {
        const double Zin = num("txtinput"), Zout = num("txtout"), Q = num("txtq"),
                     f = num("txtfrequenza");
        // A refusal leaves no result of earlier inputs in view.
        resultsAsDesigned();
        const auto x = piReactances(Zin, Zout, Q, f);
        if (!x) return;
        // C1 and the coil are kept as their texts, C2 as the number its text reads.
        const std::string C1 = formatFixed(159000 / (f * x->X1), 2);
        const double C2 = roundThroughFixed(159000 / (f * x->X2), 2);
        const std::string L = formatFixed(x->XL / (6.28318 * f), 1);
        showPiInductance(L);
        showPiCapacitors(C1, formatLocale(C2), Zin, Zout);
    }

    void resultsAsDesigned() {
        hide("Frame1");
        blank({"lblprimoc", "lblsecondoc", "lblbobina"});
        caption("lblzin", "INPUT");
        caption("lblc1", "C1");
        caption("lbll", "INDUTTANZA");
        caption("lblc2", "C2");
        caption("lblzout", "OUTPUT");
    }
};

ETERO_FORM(AdattImpPassaBasso, "frmadattimppassabasso");

} // namespace

} // namespace etero::valves
