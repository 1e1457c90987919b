// Low-pass constant-k section, π (series L between two shunt C) or T (two
// series L with one shunt C), from the cut-off frequency and the impedance.
#include "filters.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::filters {

namespace {

constexpr SectionTexts kTexts{
    "FILTRI PASSA BASSO",
    "filtro a PI- GRECO",
    "filtro a T",
    "FREQUENZA DI TAGLIO IN MHz :",
    "IMPEDENZA (di solito = 50 ohm)",
    "L'attenuazione teorica è di 18 dB x ottava.Qualora l'attenuazione di una singola cella "
    "non fosse sufficiente, occorrerà collegare in serie due o più celle.",
    "E S C I",
    Element::Inductor,
    Element::Capacitor,
};

class PassaBasso : public SectionDesigner {
  public:
    PassaBasso() : SectionDesigner("frmpassabasso", kTexts) {}

  protected:
    void results(bool pi) override {
        L = pi ? 0.318 * Z / f : 0.159 * Z / f;
        const double c = pi ? 159000 / (f * Z) : 318000 / (f * Z);
        caption("lblinduttanza", kInductancePrefix + formatPattern(L, "#,##0.##"));
        C = static_cast<float>(roundThroughPattern(c, "#,##0.#"));
        caption("lblcapacità", kCapacitancePrefix + formatLocale(C));
    }
};

ETERO_FORM(PassaBasso, "frmpassabasso");

} // namespace

} // namespace etero::filters
