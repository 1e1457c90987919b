// High-pass constant-k section, π (series C between two shunt L) or T (two
// series C with one shunt L), from the cut-off frequency and the impedance.
#include "filters.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::filters {

namespace {

constexpr SectionTexts kTexts{
    "FILTRI PASSA ALTO",
    "FILTRO a P-GRECO",
    "FILTRO a T",
    "FREQUENZA DI TAGLIO IN MHz",
    "IMPEDENZA (di solito = 50 Ohm)",
    "L'attenuazione teorica è di 18 db x ottava. Qualora l'attenuazione di una singola cella "
    "non fosse sufficiente, occorrerà collegare in serie due o più celle.",
    "", // the exit-door picture button
    Element::Capacitor,
    Element::Inductor,
};

class PassaAlto : public SectionDesigner {
  public:
    PassaAlto() : SectionDesigner("frmpassaalto", kTexts) {}

  protected:
    void results(bool pi) override {
        L = pi ? 0.159 * Z / f : 0.0796 * Z / f;
        const double c = pi ? 79600 / (f * Z) : 159000 / (f * Z);
        caption("lblinduttanza", kInductancePrefix + formatFixed(L, -1));
        C = static_cast<float>(roundThroughFixed(c, 1));
        caption("lblcapacità", kCapacitancePrefix + formatLocale(C));
    }
};

ETERO_FORM(PassaAlto, "frmpassaalto");

} // namespace

} // namespace etero::filters
