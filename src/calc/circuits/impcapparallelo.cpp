// A capacitor in parallel with an inductor whose loss resistance is in
// series with it, fed by a generator of a given apparent power: impedance,
// phase, resonance, voltage and the currents in the two branches.
#include "network.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::circuits {

namespace {

class FrmImpCapParallelo : public NetworkForm {
  public:
    FrmImpCapParallelo() : NetworkForm("frmimpcapparallelo") {}

  protected:
    void design() override {
        window("CONDENSATORE E INDUTTANZA IN PARALLELO");
        field("Label1", "FREQUENZA in Mhz", "txtf");
        field("Label2", "INDUTTANZA in microH", "txtl");
        field("Label3", "CAPACITA' in pF", "txtC");
        field("Label4", "RESISTENZA di PERDITA in Ohm :", "txtr", kLossTip).initial("0.2");
        field("Label5", "POTENZA  APPARENTE in Watt", "txtw", "dato facoltativo");
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
        generatorCircuit(true, "Label6");
        label("Label7", "USARE IL PUNTO PER SEPARARE I DECIMALI").as(Role::Hint);
        command("cmdchiamabobine", "Costruzione bobine", [this] { coilDesigner(); });
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
        Z = XC * std::sqrt((R * R + XL * XL) / (R * R + (XL - XC) * (XL - XC)));
        phase = formatPattern(std::atan((XL / (R * R + XL * XL) - 1 / XC) * (R * R + XL * XL) / R) *
                                  180 / 3.14159265358979,
                              "##0.##");
        if (XC > XL)
            caption("lblanticipo", "LA CORRENTE E' IN ANTICIPO SULLA TENSIONE DI GRADI : " + phase);
        else if (XC == XL)
            caption("lblanticipo", "LE REATTANZE SONO UGUALI E CONTRAPPOSTE");
        else
            caption("lblanticipo", "LA CORRENTE E' IN RITARDO SULLA TENSIONE DI GRADI : " + phase);
        resonance = formatPattern(159.154976203 / std::sqrt(C * L), "##,##0.#####");
        caption("lblrisonanza", "LA RISONANZA E' A MHz : " + resonance +
                                    " -  PER VERIFICARE IL COMPORTAMENTO DEL CIRCUITO IN "
                                    "CONDIZIONI DI RISONANZA INTRODURRE QUESTO DATO NEL CAMPO "
                                    "FREQUENZA");
        // A negative power (or an impedance made negative by two negative
        // inputs) makes this square root an arithmetic fault.
        const double V = std::sqrt(Z * W), Ir = V / Z;
        IL = roundThroughPattern(V / XL, "#0.###");
        IC = formatPattern(V / XC, "#0.###");
        volts = formatPattern(V, "##,##0.###");
        current = formatPattern(Ir, "##,##0.###");
        impedance = formatPattern(Z, "##,##0.##");
        caption("lblimpedenza", "L'IMPEDENZA TOTALE E' DI " + impedance + " Ohm ");
        if (W <= 0) {
            caption("lbltensione", "NON E '  STATA APPLICATA NESSUNA POTENZA");
            caption("lblcorrente", "");
        } else {
            caption("lbltensione", "CORRENTE SULLA BOBINA : " + formatLocale(IL) +
                                       " Amp, IN OPPOSIZIONE AI " + IC + " Amp SUL CONDENSATORE");
            caption("lblcorrente", "LA TENSIONE E' " + volts +
                                       " Volt,   LA CORRENTE REATTIVA E' DI " + current +
                                       " Ampere");
        }
        caption("lblxc", "REATTANZA CAP.VA : " + formatPattern(XC, "##0.##"));
        caption("lblxl", "REATTANZA IND.VA : " + formatPattern(XL, "##0.##"));
        caption("lblvc", IC + " A.");
        caption("lblvl", formatLocale(IL) + " A.");
    }

    double f = 0, L = 0, C = 0, R = 0, W = 0, XL = 0, XC = 0, Z = 0, IL = 0;
    std::string phase, resonance, IC, volts, current, impedance; // as shown
};

ETERO_FORM(FrmImpCapParallelo, "frmimpcapparallelo");

} // namespace

} // namespace etero::circuits
