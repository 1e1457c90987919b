// An impedance transformer wound on an iron-powder toroid of the T series,
// between an antenna and its cable: the turns towards the antenna from the
// inductance that gives five times the antenna's impedance, the turns
// towards the cable from the impedance ratio; N = 100 · √(L / AL).
#include "transformers.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::transformers {

namespace {

using namespace toroids;

class AdattatoriToroidali : public ToroidTransformer {
  public:
    AdattatoriToroidali()
        : ToroidTransformer("frmadattatoritoroidali", data::ironPowderCores(), 8880) {}

  protected:
    void design() override {
        window(" ADATTATORI  D'IMPEDENZA A NUCLEI TOROIDALI IRON POWDER  - SERIE T");
        layoutInTwips();
        windowSize(inner + 480, 7230);
        coreChoice();
        frame("Frame1", kColourCodeFrame).hidden().at(240, 960, inner, 1020);
        label("lblcolor").at(360, 1260, inner - 240, 255);
        label("lblcolore").at(360, 1620, inner - 240, 255);
        endFrame();
        corePrompt("SELEZIONARE UN TOROIDE IDONEO PER FREQUENZA E DIMENSIONI PER USO "
                   "RADIANTISTICO SONO CONSIGLIATE LE MISCELE : 2 - 6 - 12",
                   2100, 2);
        const int notes = inputs(2700, "FREQUENZA DI LAVORO DELL'ANTENNA in MHz",
                                 "IMPEDENZA DELL'ANTENNA in OHM", "IMPEDENZA DEL CAVO in OHM",
                                 "SEPARARE I DECIMALI CON IL PUNTO", [this] { compute(); });
        label("Label4", kNotABalun).as(Role::Hint).at(240, notes, inner, 255);
        label("Label5",
              "PER QUESTO IMPIEGO SONO PIU'  IDONEI I NUCLEI IN FERRITE DELLA SERIE \"FT\"")
            .as(Role::Hint)
            .at(240, notes + 360, inner, 255);
        closeCommand("cmdesci", "E S C I").at(inner - 1080, notes + 840, 1320, 435);

        onSelect("cmbnucleo", [this] { selectCore(); });
    }

  private:
    void selectCore() {
        takeCoreAndAsk();
        showMix();
        showSize();
        show("Frame1");
    }

    void compute() {
        double f = 0, Za = 0, Zc = 0;
        if (!readInputs(f, Za, Zc)) return;
        const double L = windingInductance(Za, f); // microhenry
        const double Na = 100 * std::sqrt(L / al);
        const double Nc = Na / std::sqrt(Za / Zc);
        caption("lblspireprimario", "OCCORRONO " + formatFixed(Na, 1) + " SPIRE VERSO L'ANTENNA");
        caption("lblspiresecondario",
                "INTERCALATE CON " + formatFixed(Nc, 1) + " SPIRE VERSO IL CAVO");
    }
};

ETERO_FORM(AdattatoriToroidali, "frmadattatoritoroidali");

} // namespace

} // namespace etero::transformers
