// The gain and the beamwidth of a dish from the frequency and its diameter.
#include "antennautils.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::antennautils {

namespace {

class Paraboliche : public UtilityForm {
  public:
    Paraboliche() : UtilityForm("frmparaboliche") {}

  protected:
    void design() override {
        window("GUADAGNO E ANGOLO DI ANTENNE PARABOLICHE");
        field("Label1", "FREQUENZA in MHz :", "txtfrequenza");
        field("Label2", "DIAMETRO in metri :", "txtdiametro");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblguadagno");
        result("lblgradi");
        schematic();
        closeButton();

        blankOnInputChange({"lblguadagno", "lblgradi"});
    }

  private:
    // The dish and the cone of its main lobe.
    void schematic() {
        Drawing& d = drawing(300, 200);
        const double vx = 40, axis = 100, apex = vx + 40;
        dish(d, vx, axis, 30, 160);
        extension(d, vx, axis, 290, axis);
        for (double y : {axis - 44, axis + 44}) {
            Shape& edge = d.line(apex, axis, 280, y);
            edge.pen = 0xC03020;
        }
        d.arc(apex - 70, axis - 70, 140, 140, -12.4, 24.8).pen = kMeasure;
        note(d, apex + 76, axis - 8, "angolo", Anchor::StartsAt);
        measure(d, 20, axis - 80, 20, axis + 80);
        note(d, 12, axis, "D", Anchor::EndsAt);
    }

    void compute() {
        f = num("txtfrequenza");
        D = num("txtdiametro");
        if (f * D <= 0) return missingData("txtfrequenza");
        if (f < 1000) return refuse("FREQUENZA TROPPO BASSA", "AVVERTIMENTO", "txtfrequenza");
        const double lambda = 300 / f;
        const std::string gain = formatFixed(10 * std::log10(5.428 * std::pow(D / lambda, 2)), 2);
        const std::string beam = formatFixed(70.7 / (f * D / 300), 1);
        caption("lblguadagno", "IL GUADAGNO DELLA PARABOLA E'  " + gain + " dB");
        caption("lblgradi", "L'ANGOLO D'IRRADIAZIONE E'  " + beam + " GRADI");
    }

    double f = 0; // MHz
    double D = 0; // diameter, m
};

ETERO_FORM(Paraboliche, "frmparaboliche");

} // namespace

} // namespace etero::antennautils
