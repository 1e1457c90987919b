// From geographic coordinates in degrees, minutes and seconds to the
// world-wide locator of the sub-square that holds the point.
#include "locator.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero {

namespace {

class Wwl : public Form {
  public:
    Wwl() : Form("frmwwl") {}

  protected:
    void design() override {
        window("  da  COORDINATE   a    W W LOCATOR");
        layoutInTwips();
        windowSize(6300, 4260);
        label("Label1", "DA COORDINATE SESSAGESIMALI A WORLD WIDE LOCATOR")
            .as(Role::Title)
            .at(120, 60, 5940, 600);
        label("Label2", "GRADI").as(Role::Caption).at(1920, 960, 1200, 255);
        label("Label3", "PRIMI").as(Role::Caption).at(3240, 960, 1200, 255);
        label("Label4", "SECONDI").as(Role::Caption).at(4560, 960, 1200, 255);
        label("Label5", "LONGITUDINE").as(Role::Caption).at(120, 1320, 1680, 255);
        input("txtlongr").at(1920, 1260, 1200, 315);
        input("txtlonpr").at(3240, 1260, 1200, 315);
        input("txtlonse").at(4560, 1260, 1200, 315);
        label("Label6", "LATITUDINE").as(Role::Caption).at(120, 1800, 1680, 255);
        input("txtlatgr").at(1920, 1740, 1200, 315);
        input("txtlatpr").at(3240, 1740, 1200, 315);
        input("txtlatse").at(4560, 1740, 1200, 315);
        result("lblwwl").at(120, 2340, 5940, 315);
        command("cmdcalcola", "CALCOLA", [this] { compute(); }).at(2760, 2940, 1500, 435);
        closeCommand("cmdesci", "E S C I").at(4380, 2940, 1500, 435);
    }

  private:
    void compute() {
        // Minutes and seconds keep the sign they are typed with.
        const std::string wwl =
            locator::fromCoordinates(num("txtlongr"), num("txtlonpr"), num("txtlonse"),
                                     num("txtlatgr"), num("txtlatpr"), num("txtlatse"));
        caption("lblwwl", "il WORLD WIDE LOCATOR è :  " + wwl);
    }
};

ETERO_FORM(Wwl, "frmwwl");

} // namespace

} // namespace etero
