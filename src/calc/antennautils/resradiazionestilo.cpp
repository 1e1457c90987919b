// The radiation resistance of a whip up to a quarter wave long, with its
// electrical length and the length at which it would resonate.
#include "antennautils.h"
#include "calc/verticals/verticals.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::antennautils {

namespace {

class ResRadiazioneStilo : public UtilityForm {
  public:
    ResRadiazioneStilo() : UtilityForm("frmresradiazionestilo") {}

  protected:
    void design() override {
        window("RESISTENZA DI RADIAZIONE APPROSSIMATA DI UNO STILO ");
        field("Label1", "USATO ALLA FREQUENZA DI  MHz  :", "txtfrequenza");
        field("Label2", "LUNGHEZZA DELLO STILO in mt.  :", "txtlunghezza");
        command("cmdcalcola", "C A L C O L A", [this] { compute(); });
        result("lblrr");
        result("lblrisonanza");
        result("lblgradi");
        label("lbllunghezza").as(Role::OnDrawing);
        schematic();
        closeButton();
    }

  private:
    // The whip on its ground plane, its length measured beside it.
    void schematic() {
        Drawing& d = drawing(320, 250);
        const double x = 160, top = 24, base = 196;
        verticals::radiator(d, x, top, base);
        verticals::radials(d, x, base);
        extension(d, x + 6, top, x + 46, top);
        extension(d, x + 6, base, x + 46, base);
        measure(d, x + 40, top, x + 40, base);
        d.slot("lbllunghezza", x + 48, (top + base) / 2 - 9, 110, 18);
    }

    void compute() {
        // A refused input leaves no figure of an earlier one in view.
        blank({"lblrr", "lbllunghezza", "lblrisonanza", "lblgradi"});
        f = num("txtfrequenza");
        L = num("txtlunghezza");
        if (f * L == 0) return missingData("txtlunghezza");
        if (f < 0 && L < 0) return;
        lambda = 300 / f;
        if (L > lambda / 4) return refuse("FINO A 1/4 LAMBDA", kErrorTitle, "txtlunghezza");
        // A whip of exactly a quarter wave gets neither a message nor a result.
        if (!(L < lambda / 4)) return;
        G = formatFixed(1.2 * L * f, 2);
        RR = roundThroughFixed(std::pow(24 * L / lambda, 2), 1);
        caption("lblrr", "RESISTENZA DI RADIAZIONE = OHM " + formatLocale(RR));
        caption("lbllunghezza", formatLocale(L) + " mt");
        caption("lblrisonanza",
                "per risuonare dovrebbe essere lungo mt. " + formatFixed(lambda / 4, 2));
        caption("lblgradi", "corrisponde a gradi elettrici: " + G);
    }

    double f = 0, L = 0; // MHz, m
    double lambda = 0;   // wavelength, m
    std::string G;       // electrical length, degrees, as shown
    double RR = 0;       // radiation resistance, ohm, rounded to one decimal
};

ETERO_FORM(ResRadiazioneStilo, "frmresradiazionestilo");

} // namespace

} // namespace etero::antennautils
