// The warning the antenna calculators offer: their results are a starting
// point, not a promise.
#include "pages.h"
#include "shell/app/registry.h"

namespace etero::pages {

namespace {

class Avvertenza : public Page {
  public:
    Avvertenza() : Page("frmavvertenza") {}

  protected:
    void design() override {
        window("AVVERTENZA");
        label("Label1",
              "Le formule utilizzate sono quelle riportate sui vari testi e/o articoli "
              "sull'argomento. I risultati ottenuti, sono in ogni caso da considerare come "
              "indicativi, in quanto, a prescindere dall'esattezza delle formule stesse, troppi "
              "fattori, anche imprevedibili, fanno si che l'attuazione pratica si discosti dal "
              "calcolo teorico.  Esso rimane, tuttavia, indispensabile quale dato di partenza ai "
              "fini della realizzazione.");
        closeCommand("cmdchiudi", "CHIUDI");
    }
};

ETERO_FORM(Avvertenza, "frmavvertenza");

} // namespace

} // namespace etero::pages
