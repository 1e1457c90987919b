// The low-pass pi network that matches the anode impedance of a valve
// output stage to the antenna: the two capacitors and the coil for a loaded
// Q of about 12 to 14.
#include "valves.h"

#include "calc/matching/matching.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::valves {

namespace {

class AdattImpPassaBasso : public matching::MatchingForm {
  public:
    AdattImpPassaBasso() : MatchingForm("frmadattimppassabasso") {}

  protected:
    void design() override {
        window("RETE PASSA BASSO A PI GRECO COME ADATTATORE D' IMPEDENZA PER STADIO D'USCITA A "
               "VALVOLA");
        field("Label1", "IMPEDENZA IN ENTRATA in OHM", "txtinput", "Zin > Zout  e < 6000");
        field("Label2", " IMPEDENZA D'USCITA  in OHM", "txtout", "Zin > Zout").initial("50");
        field("Label3", "FATTORE DI MERITO  \" Q \" da 12 a 14", "txtq").initial("12.3");
        field("Label4", "FREQUENZA DI LAVORO in MHz", "txtfrequenza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
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
        if (Zin * Zout * Q * f <= 0) return missingData("txtinput");
        if (Zin <= Zout) {
            warn("IMPEDENZA INPUT SEMPRE > IMPEDENZA OUT", kErrorTitle);
            return focus("txtinput");
        }
        const double Qmin = std::sqrt(Zin / Zout - 1);
        if (Q < Qmin) {
            warn("FATTORE DI MERITO Q TROPPO BASSO", kErrorTitle);
            return focus("txtq");
        }
        // At exactly the lowest Q the network degenerates (X2 would divide by
        // zero): nothing is computed and nothing is said.
        if (Q == Qmin) return;

        const double X1 = Zin / Q;
        const double X2 = Zout / std::sqrt((Zout / Zin) * (1 + Q * Q) - 1);
        const double XL = Zin * (Q + Zout / X2) / (Q * Q + 1);
        // C1 and the coil are kept as their texts, C2 as the number its text reads.
        const std::string C1 = formatFixed(159000 / (f * X1), 2);
        const double C2 = roundThroughFixed(159000 / (f * X2), 2);
        const std::string L = formatFixed(XL / (6.28318 * f), 1);

        if (parseLocale(L) < 1) {
            const double nano = parseLocale(L) * 1000;
            caption("lblbobina", "L'INDUTTANZA E' " + formatLocale(nano) + " nanoHENRY");
            caption("lbll", formatLocale(nano) + " nanoH");
        } else {
            caption("lblbobina", "L'INDUTTANZA E' " + L + "  " + kMicro + "HENRY");
            caption("lbll", L + kMicro + "H");
        }
        show("Frame1");
        caption("lblprimoc", "IL PRIMO CONDENSATORE E' pF " + C1);
        caption("lblsecondoc", "IL SECONDO CONDENSATORE E' pF " + formatLocale(C2));
        caption("lblc1", C1 + " pF");
        caption("lblc2", formatLocale(C2) + " pF");
        caption("lblzin", formatLocale(Zin) + " OHM");
        caption("lblzout", formatLocale(Zout) + " OHM");
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
