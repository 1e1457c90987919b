// The helical antenna for 430 to 1500 MHz: the reflector disc, the diameter
// and spacing of the turns, the beamwidth and the gain for a number of turns.
#include "antennautils.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>
#include <vector>

namespace etero::antennautils {

namespace {

class AntElicoidale : public UtilityForm {
  public:
    AntElicoidale() : UtilityForm("frmantelicoidale") {}

  protected:
    void design() override {
        window("ANTENNA ELICOIDALE");
        field("Label1", "FREQUENZA IN MHz", "txtfrequenza");
        field("Label2", "NUMERO SPIRE", "txtspire");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lbllambda");
        result("lbldd");
        result("lblds");
        result("lblsp");
        result("lbllobo");
        result("lblguadagno");
        label("lbldd1").as(Role::OnDrawing);
        label("lblds1").as(Role::OnDrawing);
        label("lblsp1").as(Role::OnDrawing);
        label("lbl1", "DIAMETRO FILO 3 - 4 mm").as(Role::OnDrawing).hidden();
        schematic();
        closeButton();
    }

  private:
    // The reflector disc seen edge-on and the helix along its axis, with the
    // three measures the results give.
    void schematic() {
        Drawing& d = drawing(470, 230);
        const double disc = 100, axis = 110, radius = 36, start = disc + 8, end = 370, pitch = 44;
        plate(d, disc, 30, disc, 190);
        Shape& connector = d.rect(disc - 14, axis - 7, 10, 14);
        connector.filled = true;
        connector.fill = kMetal;
        std::vector<double> helix{disc, axis, start, axis};
        for (double x = start; x <= end; x += 2) {
            helix.push_back(x);
            helix.push_back(axis - radius * std::sin(2 * 3.14159 * (x - start) / pitch));
        }
        Shape& h = d.polyline(std::move(helix));
        h.pen = kCopper;
        h.penWidth = 2.5;
        // The disc across, left of it.
        measure(d, disc - 28, 30, disc - 28, 190);
        d.slot("lbldd1", 0, axis - 9, disc - 34, 18, SlotAlign::Right);
        // The turn across, right of the helix.
        extension(d, end - pitch / 4, axis - radius, end + 20, axis - radius);
        extension(d, end - pitch / 4, axis + radius, end + 20, axis + radius);
        measure(d, end + 14, axis - radius, end + 14, axis + radius);
        d.slot("lblds1", end + 20, axis - 9, 470 - end - 20, 18);
        // One turn along the axis, between two crests, above the helix.
        const double crest1 = start + pitch / 4 + pitch, crest2 = crest1 + pitch;
        extension(d, crest1, axis - radius - 2, crest1, axis - radius - 20);
        extension(d, crest2, axis - radius - 2, crest2, axis - radius - 20);
        measure(d, crest1, axis - radius - 16, crest2, axis - radius - 16);
        d.slot("lblsp1", crest1 - 40, axis - radius - 38, crest2 - crest1 + 80, 18,
               SlotAlign::Centre);
        d.slot("lbl1", 160, 196, 220, 18, SlotAlign::Centre);
    }

    void compute() {
        // A refused input leaves no measure of an earlier one in view.
        blank({"lbllambda", "lbldd", "lblds", "lblsp", "lbllobo", "lblguadagno", "lbldd1", "lblds1",
               "lblsp1"});
        f = num("txtfrequenza");
        N = num("txtspire");
        if (f * N <= 0) return missingData("txtfrequenza");
        if (N < 6 || N > 22) return refuse("NUMERO SPIRE NON VALIDO", kNoticeTitle, "txtspire");
        if (f < 430 || f > 1500)
            return refuse("FREQUENZA NON VALIDA", kNoticeTitle, "txtfrequenza");
        const double lambda = 30000 / f;
        const std::string disc = formatFixed(lambda, 0);
        const std::string diameter = formatFixed(0.319 * lambda, 1);
        const std::string spacing = formatFixed(0.2 * lambda, 1);
        const std::string beam = formatFixed(std::sqrt(10000 / N), 1);
        const double gain = N / 2 + 2;
        caption("lbllambda", "LAMBDA = " + formatFixed(lambda, 1) + " cm.");
        caption("lbldd", "DIAMETRO DISCO " + disc + " cm.");
        caption("lblds", "DIAMETRO INTERNO SPIRA = " + diameter + " cm.");
        caption("lblsp", "SPAZIATURA SPIRE = " + spacing + " cm.");
        caption("lbllobo", "LOBO D'IRRADIAZIONE " + beam + " GRADI");
        caption("lblguadagno", "IL GUADAGNO E' CIRCA " + formatLocale(gain) + " dB");
        caption("lbldd1", disc + " cm.");
        caption("lblds1", diameter + " cm.");
        caption("lblsp1", spacing + " cm.");
        show("lbl1");
    }

    double f = 0; // MHz
    double N = 0; // turns
};

ETERO_FORM(AntElicoidale, "frmantelicoidale");

} // namespace

} // namespace etero::antennautils
