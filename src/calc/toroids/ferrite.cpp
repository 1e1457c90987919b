// Turns to wind on a ferrite toroid of the FT series for a wanted
// inductance: N = 1000 · √(L / AL), L in millihenry, AL in millihenry per
// 1000 turns.
#include "toroids.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero {

namespace {

using namespace toroids;

class FerriteTurns : public CoreForm {
  public:
    FerriteTurns() : CoreForm("frmamidonferrite", data::ferriteCores()) {}

  protected:
    void design() override {
        window("NUCLEI TOROIDALI IN FERRITE  - SERIE FT  AMIDON -");
        layoutInTwips();
        windowSize(7800, 5550);

        label("lblhelp1", "SELEZIONARE IL TOROIDE").as(Role::Title).at(240, 90, 4800, 345);
        coreList().at(240, 480, 2160, 315);
        result("lbldimensioni").at(2640, 510, 4800, 255);
        frame("Frame1").hidden().at(240, 960, 7200, 660);
        result("lblpermeabilità").at(360, 1260, 6960, 255);
        endFrame();
        result("lblal").at(240, 1740, 7200, 255);
        turnsControls([this] { compute(); });
        onSelect("cmbnucleo", [this] { selectCore(); });
    }

  private:
    void selectCore() {
        takeCore();
        blank({"lblspire", "lblpermeabilità"});
        showAll({"cmdcalcola", "txtinduttanza", "lblhelp2", "lblpunto"});
        show("Frame1");
        showSize();
        showMaterial();
        showAl();
    }

    void compute() {
        L = num("txtinduttanza") / 1000; // millihenry
        // A negative inductance has no number of turns: it is refused like a
        // missing one instead of taking the square root of a negative number.
        if (L <= 0) {
            caption("lblspire", "INSERIRE INDUTTANZA");
            return focus("txtinduttanza");
        }
        N = 1000 * std::sqrt(L / al);
        caption("lblspire", "OCCORRONO " + formatFixed(N, 1) + " SPIRE");
    }

    double L = 0; // millihenry
    double N = 0; // the last number of turns
};

ETERO_FORM(FerriteTurns, "frmamidonferrite");

} // namespace

} // namespace etero
