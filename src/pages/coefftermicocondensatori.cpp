// The temperature coefficients of ceramic capacitors, by type code.
#include "pages.h"
#include "shell/app/registry.h"

namespace etero::pages {

namespace {

class CoeffTermico : public Page {
  public:
    CoeffTermico() : Page("frmcoefftermicocondensatori") {}

  protected:
    void design() override {
        window("COEFFICIENTE TERMICO CONDENSATORI");
        layoutInTwips();
        label("Label1", "T I P O     COEFF").monospaced().font(0, true).at(1740, 240, 2100, kLine);
        // The coefficients right-aligned under their heading.
        const int bottom = rows(2, 1740, 240 + 3 * kLine / 2,
                                {
                                    "P 100        +100",
                                    "P 033       +  33",
                                    "NP  0           0",
                                    "N 033       -  33",
                                    "N 047       -  47",
                                    "N 075       -  75",
                                    "N 150       - 150",
                                    "N 220       - 220",
                                    "N 330       - 330",
                                    "N 470       - 470",
                                    "N 750       - 750",
                                    "N 1500      -1500",
                                });
        closeCommand("cmdesci", "E X I T").at(3600, bottom + 360, 1500, 435);
    }
};

ETERO_FORM(CoeffTermico, "frmcoefftermicocondensatori");

} // namespace

} // namespace etero::pages
