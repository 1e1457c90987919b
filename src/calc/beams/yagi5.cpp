// A five-element Yagi for 30 to 145 MHz: the element lengths and spacings
// (0.2, 0.1, 0.15 and 0.2 wavelength) from the working frequency, recomputed
// as it is typed. The radiator is fed through a gamma match, whose
// calculator opens beside it.
#include "beams.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <array>

namespace etero::beams {

namespace {

class Yagi5 : public LiveForm {
  public:
    Yagi5() : LiveForm("frmyagi5") {}

  protected:
    void design() override {
        window("YAGI  5 ELEMENTI    DA  30  A  145  MHz         guadagno 9  dB rispetto al dipolo");
        field("Label1", "FREQUENZA in MHz", "txtfrequenza");
        frame("Frame1").hidden();
        result("lblriflettore");
        result("lblradiatore");
        result("lbl1direttore");
        result("lbl2direttore");
        result("lbl3direttore");
        endFrame();
        for (const char* spacing : kSpacings)
            label(spacing).as(Role::OnDrawing).hidden();
        label("Label2", "OCCORRE UN ADATTATORE DEL TIPO A GAMMA MATCH.   TUTTI GLI ELEMENTI SONO "
                        "A MASSA NEL PUNTO CENTRALE .   ADOTTANDO UN RADIATORE COSTITUITO DA DUE "
                        "SEMIDIPOLI ISOLATI DAL BOOM L'ANTENNA ANDRA'   ALIMENTATA CON  HAIRPIN E "
                        "RELATIVO BALUN")
            .as(Role::Hint);
        command("cmdgamma", "GAMMA MATCH",
                [this] { openBeside("frmgammamatch", 200, 200, 8000, 8000); });
        closeCommand("cmdchiudi", "C H I U D I");

        // Reflector, radiator and three directors, 0.2, 0.1, 0.15 and 0.2
        // wavelength apart.
        Drawing& d = drawing(540, 320);
        yagiPlan(d, 160, {40, 180, 250, 355, 495}, {95, 89.9, 84.2, 83, 81.7}, 1,
                 {kSpacings.begin(), kSpacings.end()}, true);

        followFrequency({"Frame1", "lblspazriflettore", "lblspaz1direttore", "lblspaz2direttore",
                         "lblspaz3direttore"},
                        [this] { compute(); });
    }

  private:
    static constexpr std::array<const char*, 4> kSpacings{"lblspazriflettore", "lblspaz1direttore",
                                                          "lblspaz2direttore", "lblspaz3direttore"};

    void compute() {
        riflettore = formatFixed(15000 / f, 0);
        radiatore = formatFixed(14200 / f, 0);
        direttore1 = formatFixed(13300 / f, 0);
        direttore2 = formatFixed(13100 / f, 0);
        direttore3 = roundThroughFixed(12900 / f, 0);
        spazRiflettore = formatFixed(30000 / f * 0.2, 0);
        spaz1Direttore = formatFixed(30000 / f * 0.1, 0);
        spaz2Direttore = formatFixed(30000 / f * 0.15, 0);
        spaz3Direttore = roundThroughFixed(30000 / f * 0.2, 0);
        caption("lblriflettore", "IL RIFLETTORE E' LUNGO  " + riflettore + " cm.");
        caption("lblradiatore", "IL RADIATORE E' LUNGO  " + radiatore + " cm.");
        caption("lbl1direttore", "IL 1 DIRETTORE E' LUNGO  " + direttore1 + " cm.");
        caption("lbl2direttore", "IL 2 DIRETTORE E' LUNGO  " + direttore2 + " cm.");
        caption("lbl3direttore", "IL 3 DIRETTORE E' LUNGO  " + formatLocale(direttore3) + " cm.");
        caption("lblspazriflettore", spazRiflettore + " cm.");
        caption("lblspaz1direttore", spaz1Direttore + " cm.");
        caption("lblspaz2direttore", spaz2Direttore + " cm.");
        caption("lblspaz3direttore", formatLocale(spaz3Direttore) + " cm.");
    }

    // The lengths as shown, in cm.
    std::string riflettore, radiatore, direttore1, direttore2;
    std::string spazRiflettore, spaz1Direttore, spaz2Direttore;
    double direttore3 = 0, spaz3Direttore = 0;
};

ETERO_FORM(Yagi5, "frmyagi5");

} // namespace

} // namespace etero::beams
