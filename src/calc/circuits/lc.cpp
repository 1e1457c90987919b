// A capacitance and an inductance at one frequency: the impedance and the
// phase angle of the two in series and in parallel, their reactances and
// the frequency at which they resonate.
#include "network.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::circuits {

namespace {

class FrmLC : public NetworkForm {
  public:
    FrmLC() : NetworkForm("frmLC") {}

  protected:
    void design() override {
        window("IMPEDENZA di :  CAPACITA'  +  INDUTTANZA");
        field("Label1", "CAPACITA' in pF", "txtC");
        field("Label2", "INDUTTANZA in uH", "txtl");
        field("Label3", "FREQUENZA  in MHz ", "txtf");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblimpserie");
        result("lblfases");
        result("lblimpparallelo");
        result("lblfasep");
        result("lblrisonanza");
        result("lblreattanza");
        seriesParallel(Element::Capacitor, Element::Inductor, {"lblimpserie", "lblfases"},
                       {"lblimpparallelo", "lblfasep"}, {"lblrisonanza", "lblreattanza"});
        command("cmdchiamabobine", "Costruzione bobine", [this] { coilDesignerBeside(180, 180); });
        closeCommand("cmdchiudi", "C H I U D I");

        blankOnInputChange({"lblimpserie", "lblimpparallelo", "lblfases", "lblfasep",
                            "lblrisonanza", "lblreattanza"});
    }

  private:
    void compute() {
        C = num("txtC");
        L = num("txtl");
        f = num("txtf");
        if (!required(f * L * C, "txtC")) return;
        XL = 6.2831852 * f * L;
        XC = 159154.976 / (f * C);
        Zs = std::abs(XC - XL);
        // At resonance (XL equal to XC) this divides by zero: an arithmetic
        // fault before any caption is written.
        Zp = XC * std::sqrt(XL * XL / ((XL - XC) * (XL - XC)));
        phaseSeries = XL > XC ? 90 : (XL == XC ? 0 : -90);
        resonance = formatFixed(159.154976 / std::sqrt(L * C), 3);
        const double phaseParallel = std::atan(XL * (XC - XL) / XC) * 180 / 3.14159265358979;
        const std::string zs = formatFixed(Zs, 1), zp = formatFixed(Zp, 1),
                          phase = formatFixed(phaseParallel, 1), xc = formatFixed(XC, 1),
                          xl = formatFixed(XL, 1);
        caption("lblimpserie", "IMPEDENZA SERIE " + zs + " Ohm");
        caption("lblimpparallelo", "IMPEDENZA PARALLELO " + zp + " Ohm");
        caption("lblfases", "ANGOLO DI FASE SERIE  " + formatLocale(phaseSeries) + "  GRADI");
        caption("lblfasep", "ANGOLO DI FASE PARALLELO " + phase + "  GRADI");
        caption("lblrisonanza", "LA RISONANZA E' A MHz: " + resonance);
        caption("lblreattanza", "Xc = " + xc + "   Xl = " + xl + " Ohm");
    }

    double C = 0, L = 0, f = 0, XL = 0, XC = 0, Zs = 0, Zp = 0;
    int phaseSeries = 0;
    std::string resonance; // as shown
};

ETERO_FORM(FrmLC, "frmLC");

} // namespace

} // namespace etero::circuits
