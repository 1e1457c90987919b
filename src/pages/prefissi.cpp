// The multiplying prefixes: name, symbol and value, one row each.
#include "pages.h"
#include "shell/app/registry.h"

namespace etero::pages {

namespace {

class Prefissi : public Page {
  public:
    Prefissi() : Page("frmprefissi") {}

  protected:
    void design() override {
        window("VALORI E SIMBOLI DEI PREFISSI MOLTIPLICATIVI");
        layoutInTwips();
        const int bottom =
            table(1, 360, 240, 5880, "NOME              SIMBOLO     VALORE MOLTIPLICATIVO",
                  {
                      "tera              T           1.000.000.000.000",
                      "giga              G           1.000.000.000",
                      "mega              M           1.000.000",
                      "chilo             K           1.000",
                      "deci              d           0,1",
                      "centi             c           0,01",
                      "milli             m           0,001",
                      "micro             u           0,000 001",
                      "nano              n           0,000 000 001",
                      "pico              p           0,000 000 000 001",
                  });
        closeCommand("cmdchiudi", "C H I U D I").at(5040, bottom + 360, 1500, 435);
    }
};

ETERO_FORM(Prefissi, "frmprefissi");

} // namespace

} // namespace etero::pages
