// The free-space loss of a radio path from the frequency and the distance.
#include "antennautils.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::antennautils {

namespace {

class AttenuazioneTratta : public UtilityForm {
  public:
    AttenuazioneTratta() : UtilityForm("frmattenuazionetratta") {}

  protected:
    void design() override {
        window("CALCOLO ATTENUAZIONE DEL SEGNALE IN RELAZIONE ALLA DISTANZA");
        field("Label1", "FREQUENZA DI LAVORO IN MHz", "txtfrequenza");
        field("Label2", "DISTANZA IN KM", "txtdistanza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblattenuazione");
        closeButton();
    }

  private:
    void compute() {
        // A refused input leaves no loss of an earlier one in view.
        blank({"lblattenuazione"});
        f = num("txtfrequenza");
        d = num("txtdistanza");
        // Without a frequency there is no wavelength, and a negative distance
        // has no logarithm: both are refused rather than left to fault.
        if (f <= 0) return missingData("txtfrequenza");
        if (d < 0) return missingData("txtdistanza");
        if (d == 0) d = 0.001;
        lambda = 300 / f;
        const double dm = 1000 * d;
        A = roundThroughFixed(20 * (std::log10(dm) + 1.099 - std::log10(lambda)), 2);
        caption("lblattenuazione", "L'ATTENUAZIONE ALLA DISTANZA DI " + formatLocale(d) + " KM é " +
                                       formatLocale(A) + " dB");
    }

    double f = 0;      // MHz
    double d = 0;      // km; an empty distance counts as 1 m
    double lambda = 0; // m
    double A = 0;      // dB, rounded to two decimals
};

ETERO_FORM(AttenuazioneTratta, "frmattenuazionetratta");

} // namespace

} // namespace etero::antennautils
