// A rule-of-thumb capacitance and inductance for a tuned circuit at a
// frequency, recomputed as the frequency is typed.
#include "resonance.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::resonance {

namespace {

class DimCircLC : public ResonanceForm {
  public:
    DimCircLC() : ResonanceForm("frmdimcirclc") {}

  protected:
    void design() override {
        window("DIMENSIONAMENTO DEL CIRCUITO ACCORDATO L C");
        field("Label1", "FREQUENZA IN MHz.", "txtfrequenza", "separare i decimali con il punto");
        result("lblcapacita");
        result("lblinduttanza");
        label("Label2", "IN UN CIRCUITO RISONANTE ESISTONO INFINITE COMBINAZIONI DI VALORI L /C "
                        "CHE CONSENTONO DI OTTENERE UNA DETERMINATA FREQUENZA ")
            .as(Role::Hint);
        label("Label3", "IN TEORIA PUO'  ESSERE ADOTTATA QUALSIASI COMBINAZIONE MA PER IL MIGLIOR "
                        "RENDIMENTO E' BENE MANTENERE UNA CERTA PROPORZIONE TRA  INDUTTANZA E "
                        "CAPACITA'.")
            .as(Role::Hint);
        label("Label4", "IMPOSTATA LA FREQUENZA VERRANNO CALCOLATI I VALORI DI CAPACITA'  E "
                        "INDUTTANZA. ")
            .as(Role::Hint);
        label("Label5", "LA VALIDITA' DEL CALCOLO E' LIMITATA ALLE H.F.").as(Role::Hint);
        label("Label6", kDecimalsHint).as(Role::Hint);
        closeCommand("cmdesci", "E S C I");

        onChange("txtfrequenza", [this] { compute(); });
    }

  private:
    void compute() {
        f = num("txtfrequenza");
        if (f == 0) return blank({"lblcapacita", "lblinduttanza"});
        C = 400 / f;
        L = 25330 / (C * f * f);
        const std::string capacitance = formatFixed(C, 1);
        L = roundThroughFixed(L, 1);
        caption("lblcapacita", "LA CAPACITA' OTTIMALE E'  CIRCA pF " + capacitance);
        caption("lblinduttanza",
                "L'INDUTTANZA IN QUESTO CASO E' " + std::string(kMicro) + "H " + formatLocale(L));
    }

    double f = 0, C = 0, L = 0;
};

ETERO_FORM(DimCircLC, "frmdimcirclc");

} // namespace

} // namespace etero::resonance
