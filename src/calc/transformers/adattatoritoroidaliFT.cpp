// A broadband impedance transformer wound on a ferrite toroid of the FT
// series: the primary turns from the inductance that gives five times the
// primary impedance at the lowest frequency, the secondary turns from the
// impedance ratio; N = 1000 · √(L / AL), L in millihenry.
#include "transformers.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::transformers {

namespace {

using namespace toroids;

class AdattatoriToroidaliFT : public ToroidTransformer {
  public:
    // Wider than the iron-powder window, so that its longer caption shows whole.
    AdattatoriToroidaliFT()
        : ToroidTransformer("frmadattatoritoroidaliFT", data::ferriteCores(), 10320) {}

  protected:
    void design() override {
        window(
            " ADATTATORI  D'IMPEDENZA A LARGA BANDA CON NUCLEI TOROIDALI IN FERRITE  - SERIE FT");
        layoutInTwips();
        windowSize(inner + 480, 6690);
        coreChoice();
        frame("Frame1").hidden().at(240, 960, inner, 660);
        result("lblpermeabilità").at(360, 1260, inner - 240, 255);
        endFrame();
        result("lblal").at(240, 1740, inner, 255);
        corePrompt("SELEZIONARE UN TOROIDE IDONEO PER FREQUENZA E DIMENSIONI", 2100, 1);
        const int notes =
            inputs(2520, "MINIMA FREQUENZA DI LAVORO  in MHz", "IMPEDENZA PRIMARIA  in OHM",
                   "IMPEDENZA SECONDARIA  in OHM", "", [this] { compute(); });
        label("Label4", kNotABalun).as(Role::Hint).at(240, notes, inner, 255);
        closeCommand("cmdesci", "E S C I").at(inner - 1080, notes + 480, 1320, 435);

        onSelect("cmbnucleo", [this] { selectCore(); });
    }

  private:
    void selectCore() {
        takeCoreAndAsk();
        showSize();
        showMaterial();
        showAl();
        show("Frame1");
    }

    void compute() {
        double f = 0, Zp = 0, Zs = 0;
        if (!readInputs(f, Zp, Zs)) return;
        const double L = windingInductance(Zp, f) / 1000; // millihenry
        const double Np = 1000 * std::sqrt(L / al);
        const double Ns = Np / std::sqrt(Zp / Zs);
        caption("lblspireprimario", "OCCORRONO " + formatFixed(Np, 1) + " SPIRE PRIMARIO");
        caption("lblspiresecondario",
                "INTERCALATE CON " + formatFixed(Ns, 1) + " SPIRE SECONDARIO");
    }
};

ETERO_FORM(AdattatoriToroidaliFT, "frmadattatoritoroidaliFT");

} // namespace

} // namespace etero::transformers
