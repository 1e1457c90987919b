// A capacitor, an inductor and the inductor's loss resistance in series,
// fed by a generator of a given power: impedance, phase, resonance, the
// current and the voltages across the two reactances.
#include "network.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::circuits {

namespace {

class FrmImpCapSerie : public NetworkForm {
  public:
    FrmImpCapSerie() : NetworkForm("frmimpcapserie") {}

  protected:
    void design() override {
        window("CONDENSATORE E INDUTTANZA IN SERIE");
        field("Label1", "FREQUENZA in Mhz :", "txtf");
        field("Label2", "INDUTTANZA in microH :", "txtl");
        field("Label3", "CAPACITA' in pF :", "txtC");
        field("Label4", "RESISTENZA di PERDITA in Ohm", "txtr", kLossTip).initial("0.2");
        field("Label5", "POTENZA  APPLICATA in WATT :", "txtw", "dato facoltativo");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblimpedenza");
        result("lblanticipo");
        result("lblrisonanza");
        result("lbltensione");
        result("lblcorrente");
        result("lblxc");
        result("lblxl");
        result("lblvc", "condensatore");
        result("lblvl", "induttanza");
        generatorCircuit(false, "Label6");
        label("Label7", "USARE IL PUNTO PER SEPARARE I DECIMALI").as(Role::Hint);
        command("cmdchiamabobine", "Costruzione Bobine", [this] { coilDesigner(); });
        closeCommand("cmdesci", "E S C I");
    }

  private:
    void compute() {
        f = num("txtf");
        L = num("txtl");
        C = num("txtC");
        R = num("txtr");
        W = num("txtw");
        if (!required(f * L * C * R, "txtf")) return;
        XL = 6.2831852 * f * L;
        XC = 159154.976203 / (f * C);
        impedance = formatPattern(std::sqrt(R * R + (XL - XC) * (XL - XC)), "##,##0.##");
        caption("lblimpedenza", "L'IMPEDENZA TOTALE E' DI " + impedance + " Ohm ");
        phase = formatPattern(std::atan((XL - XC) / R) * 180 / 3.1415, "#0.##");
        if (XC > XL)
            caption("lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : " + phase);
        else if (XC == XL)
            caption("lblanticipo", "LE REATTANZE SONO UGUALI E CONTRAPPOSTE");
        else
            caption("lblanticipo", "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : " + phase);
        resonance = formatPattern(159.154976203 / std::sqrt(C * L), "##,##0.#####");
        caption("lblrisonanza", "LA RISONANZA E' A Mhz " + resonance +
                                    "  - INTRODURRE QUESTO DATO NEL CAMPO FREQUENZA PER "
                                    "VERIFICARE IL COMPORTAMENTO DEL CIRCUITO  IN CONDIZIONE DI "
                                    "RISONANZA");
        // The impedance as shown; a negative power makes the square root an
        // arithmetic fault.
        const double Z = parseLocale(impedance);
        const double V = std::sqrt(Z * W), I = V / Z;
        coilVolts = formatFixed(I * XL, 1);
        VC = roundThroughFixed(I * XC, 1);
        caption("lbltensione", "TENSIONE SULLA BOBINA : " + coilVolts +
                                   " Volt, IN OPPOSIZIONE AI " + formatLocale(VC) +
                                   " Volt SUL CONDENSATORE");
        volts = formatFixed(V, 3);
        current = formatFixed(I, 3);
        caption("lblcorrente", "A " + formatLocale(f) + " Mhz LA TENSIONE TOT. E' " + volts +
                                   " Volt,    LA CORRENTE E'  " + current + " Ampere");
        caption("lblxc", "REATTANZA CAP.VA.: " + formatFixed(XC, 2));
        caption("lblxl", "REATTANZA IND.VA.: " + formatFixed(XL, 2));
        caption("lblvc", formatLocale(VC) + " V.");
        caption("lblvl", coilVolts + " V.");
    }

    double f = 0, L = 0, C = 0, R = 0, W = 0, XL = 0, XC = 0, VC = 0;
    std::string impedance, phase, resonance, coilVolts, volts, current; // as shown
};

ETERO_FORM(FrmImpCapSerie, "frmimpcapserie");

} // namespace

} // namespace etero::circuits
