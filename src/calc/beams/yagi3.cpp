// A three-element Yagi for 27 to 50 MHz: the element lengths and spacings
// (0.2 and 0.1 wavelength) from the working frequency, recomputed as it is
// typed. The radiator is fed through a gamma match, whose calculator opens
// beside it.
#include "beams.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::beams {

namespace {

class Yagi3 : public LiveForm {
  public:
    Yagi3() : LiveForm("frmyagi3") {}

  protected:
    void design() override {
        window("YAGI  3 ELEMENTI    DA  27 A 50 MHz         guadagno 6 - 7 dB rispetto al dipolo");
        field("Label1", "FREQUENZA in MHz", "txtfrequenza");
        frame("Frame1").hidden();
        result("lblriflettore");
        result("lblradiatore");
        result("lbldirettore");
        endFrame();
        label("lblspazriflettore").as(Role::OnDrawing).hidden();
        label("lblspazdirettore").as(Role::OnDrawing).hidden();
        label("Label2", "TUTTI GLI ELEMENTI SONO A MASSA NEL PUNTO CENTRALE . E'  STATA ADOTTATA "
                        "UNA SPAZIATURA DI RISPETTIVAMENTE  0.2  E  0.1  LAMBDA   L'IMPEDENZA E'  "
                        "CIRCA  15 OHM  QUINDI OCCORRE UN ADATTATORE DEL TIPO A GAMMA MATCH. "
                        "VOLENDO  ALIMENTARE L'ANTENNA CON BALUN 4:1 E HAIRPIN IL RADIATORE DEVE "
                        "ESSERE COSTITUITO DA DUE SEMIDIPOLI  ISOLATI DAL BOOM E LEGGERMENTE "
                        "ACCORCIATI")
            .as(Role::Hint);
        command("cmdgamma", "GAMMA MATCH",
                [this] { openBeside("frmgammamatch", 350, 350, 8000, 8000); });
        closeCommand("cmdchiudi", "C H I U D I");

        // Reflector, radiator and director, 0.2 and 0.1 wavelength apart.
        Drawing& d = drawing(460, 270);
        yagiPlan(d, 122, {80, 280, 380}, {90, 85.5, 81.2}, 1,
                 {"lblspazriflettore", "lblspazdirettore"}, false);

        followFrequency({"Frame1", "lblspazriflettore", "lblspazdirettore"}, [this] { compute(); });
    }

  private:
    void compute() {
        riflettore = formatFixed(14850 / f, 0);
        radiatore = formatFixed(14100 / f, 0);
        direttore = formatFixed(13400 / f, 0);
        spazRiflettore = formatFixed(30000 / f * 0.2, 0);
        spazDirettore = roundThroughFixed(30000 / f * 0.1, 0);
        caption("lblriflettore", "IL RIFLETTORE E' LUNGO  " + riflettore + " cm.");
        caption("lblradiatore", "IL RADIATORE E' LUNGO  " + radiatore + " cm.");
        caption("lbldirettore", "IL DIRETTORE E' LUNGO  " + direttore + " cm.");
        caption("lblspazriflettore", spazRiflettore + " cm.");
        caption("lblspazdirettore", formatLocale(spazDirettore) + " cm.");
    }

    // The lengths as shown, in cm.
    std::string riflettore, radiatore, direttore, spazRiflettore;
    double spazDirettore = 0;
};

ETERO_FORM(Yagi3, "frmyagi3");

} // namespace

} // namespace etero::beams
