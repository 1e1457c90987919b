// The radiation resistance of a dipole shorter than a half wave, with its
// electrical length and the length at which it would resonate.
#include "antennautils.h"
#include "calc/dipoles/dipoles.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::antennautils {

namespace {

class ResRadiazione : public UtilityForm {
  public:
    ResRadiazione() : UtilityForm("frmresradiazione") {}

  protected:
    void design() override {
        window("RESISTENZA DI RADIAZIONE APPROSSIMATIVA DI UN DIPOLO PIU' CORTO DI 1/2 LAMBDA");
        field("Label1", "USATO ALLA FREQUENZA DI  MHz  :", "txtfrequenza");
        field("Label2", "LUNGHEZZA DEL DIPOLO in mt.  :", "txtlunghezza");
        command("cmdcalcola", "C A L C O L A", [this] { compute(); });
        result("lblrr");
        result("lblrisonanza");
        result("lblgradi");
        label("lbllunghezza").as(Role::OnDrawing);
        label("Label3", "max 1/4 lambda").as(Role::OnDrawing);
        label("Label4", " FREQUENZE AMMISSIBILI : da 1 a 50 MHz").as(Role::Hint);
        schematic();
        closeButton();
    }

  private:
    // The dipole with one arm measured: the arm is half the length typed.
    void schematic() {
        Drawing& d = drawing(460, 140);
        dipoles::dipole(d, 40, 420, 60, 64);
        dipoles::dimension(d, 230, 420, 30, 56, "lbllunghezza", 120);
        d.slot("Label3", 250, 70, 150, 18, SlotAlign::Centre);
    }

    void compute() {
        // A refused input leaves no figure of an earlier one in view.
        blank({"lblrr", "lbllunghezza", "lblrisonanza", "lblgradi"});
        f = num("txtfrequenza");
        L = num("txtlunghezza");
        if (f * L == 0) return missingData("txtlunghezza");
        if (f < 0 || L < 0) return;
        G = 1.2 * L * f;
        lambda = 300 / f;
        RR = roundThroughFixed(2 * std::pow(24 * (L / 2) / lambda, 2), 1);
        caption("lblrr", "RESISTENZA DI RADIAZIONE = OHM " + formatLocale(RR));
        caption("lbllunghezza", formatLocale(L / 2));
        caption("lblrisonanza",
                "per risuonare dovrebbe essere lungo mt. " + formatFixed(lambda / 2, 1));
        caption("lblgradi", "corrisponde a gradi elettrici: " + formatLocale(G));
    }

    double f = 0, L = 0; // MHz, m
    double G = 0;        // electrical length, degrees
    double lambda = 0;   // wavelength, m
    double RR = 0;       // radiation resistance, ohm, rounded to one decimal
};

ETERO_FORM(ResRadiazione, "frmresradiazione");

} // namespace

} // namespace etero::antennautils
