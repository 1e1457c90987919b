// From a world-wide locator to the coordinates of the centre of its
// sub-square, in degrees, minutes and seconds. Opens its reverse converter
// beside itself when it loads.
#include "locator.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero {

namespace {

class Coordinate : public Form {
  public:
    Coordinate() : Form("frmcoordinate") {}

  protected:
    void design() override {
        window("  da  W W LOCATOR  a  COORDINATE");
        label("Label1", "DA  WORLD WIDE LOCATOR A COORDINATE SESSAGESIMALI").as(Role::Title);
        field("lblwwl", "WORLD WIDE LOCATOR : ", "txtwwl");
        result("lbllong");
        result("lbllat");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        closeCommand("cmdesci", "E S C I");
    }

    void load() override { openForm("frmwwl", Mode::Modeless); }

  private:
    void compute() {
        const std::u32string c = locator::codes(text("txtwwl"));
        if (c.size() != 6)
            return message("il WWL deve essere di 6 caratteri", "DATI MANCANTI", Icon::Critical);
        const locator::Centre p = locator::centre(c);
        lon = p.longitude;
        lat = p.latitude;
        const locator::Sexagesimal a = locator::split(lon);
        caption("lbllong", "LONGITUDINE = " + formatLocale(a.degrees) + "°  " +
                               formatLocale(a.minutes) + "'  " + formatLocale(a.seconds) + "\"");
        const locator::Sexagesimal b = locator::split(lat);
        caption("lbllat", "LATITUDINE    = " + formatLocale(b.degrees) + "°  " +
                              formatLocale(b.minutes) + "'  " + formatLocale(b.seconds) + "\"");
    }

    double lon = 0; // east longitude of the sub-square's centre
    float lat = 0;  // north latitude, single precision
};

ETERO_FORM(Coordinate, "frmcoordinate");

} // namespace

} // namespace etero
