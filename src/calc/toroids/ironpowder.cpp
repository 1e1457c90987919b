// Turns to wind on an iron-powder toroid of the T series for a wanted
// inductance: N = 100 · √(L / AL), AL in microhenry per 100 turns.
#include "toroids.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero {

namespace {

using namespace toroids;

class IronPowderTurns : public CoreForm {
  public:
    IronPowderTurns() : CoreForm("frmamidon", data::ironPowderCores()) {}

  protected:
    void design() override {
        window("NUCLEI TOROIDALI IN POLVERE DI FERRO   SERIE T");
        layoutInTwips();
        windowSize(7800, 5550);

        label("lblhelp1", "SELEZIONARE IL TOROIDE").as(Role::Title).at(240, 90, 4800, 345);
        coreList().at(240, 480, 2160, 315);
        result("lbldimensioni").at(2640, 510, 4800, 255);
        frame("Frame1", kColourCodeFrame).hidden().at(240, 960, 7200, 1020);
        label("lblcolor").at(360, 1260, 6960, 255);
        label("lblcolore").at(360, 1620, 6960, 255);
        endFrame();
        turnsControls([this] { compute(); });
        onSelect("cmbnucleo", [this] { selectCore(); });
    }

  private:
    void selectCore() {
        takeCore();
        caption("lblspire", "");
        showAll({"cmdcalcola", "txtinduttanza", "lblhelp2", "lblpunto"});
        showMix();
        showSize();
        show("Frame1");
    }

    void compute() {
        L = num("txtinduttanza");
        // A negative inductance has no number of turns: it is refused like a
        // missing one instead of taking the square root of a negative number.
        if (L <= 0) {
            caption("lblspire", "INSERIRE INDUTTANZA");
            return focus("txtinduttanza");
        }
        N = 100 * std::sqrt(L / al);
        caption("lblspire", "OCCORRONO " + formatFixed(N, 1) + " SPIRE");
    }

    double L = 0; // microhenry
    double N = 0; // the last number of turns
};

ETERO_FORM(IronPowderTurns, "frmamidon");

} // namespace

} // namespace etero
