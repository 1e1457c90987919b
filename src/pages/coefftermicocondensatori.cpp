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
        // The coefficients right-aligned under their heading.
        const int bottom = table(1, 1740, 240, 2100, "T I P O     COEFF",
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
