// The radio-frequency chokes of a well-known maker: inductance, largest
// current and resistance of each number.
#include "pages.h"
#include "shell/app/registry.h"

namespace etero::pages {

namespace {

class InduttanzeGeloso : public Page {
  public:
    InduttanzeGeloso() : Page("frminduttanzegeloso") {}

  protected:
    void design() override {
        window("INDUTTANZE RF PRODOTTE DALLA GELOSO");
        layoutInTwips();
        label("Label1", "CARATTERISTICHE PRINCIPALI DELLE PIU' COMUNI INDUTTANZE RF PRODOTTE "
                        "DALLA \"NOTA CASA\"")
            .as(Role::Title)
            .at(360, 240, 6600, 600);
        // The inductances keep their decimal point, as the maker prints them.
        const int bottom = table(2, 360, 1080, 6600,
                                 "NUMERO          INDUTT. mH          MAX mA          RESISTENZA",
                                 {
                                     "555             0.1                 250             5",
                                     "556             1                   100             30",
                                     "557             3                   70              60",
                                     "558             10                  40              240",
                                     "559             30                  30              440",
                                     "815             0.005               350             1",
                                     "816             0.003               500             0.4",
                                 });
        closeCommand("cmdesci", "C H I U D I").at(5460, bottom + 360, 1500, 435);
    }
};

ETERO_FORM(InduttanzeGeloso, "frminduttanzegeloso");

} // namespace

} // namespace etero::pages
