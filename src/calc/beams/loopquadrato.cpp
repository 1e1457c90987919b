// The single-element quad: the side and perimeter of the square loop and the
// quarter-wave 75 ohm matching section for two velocity factors, from the
// working frequency, recomputed as it is typed. The line-matching calculator
// opens beside it.
#include "beams.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::beams {

namespace {

class LoopQuadrato : public LiveForm {
  public:
    LoopQuadrato() : LiveForm("frmloopquadrato") {}

  protected:
    void design() override {
        window("LOOP QUADRO         DIMENSIONAMENTO");
        field("Label1", "FREQUENZA IN MHz", "txtfrequenza");
        label("lbllato").as(Role::OnDrawing).hidden();
        result("lblperimetro").hidden();
        label("Label2", "OCCORRE ADATTARE L'IMPEDENZA DI 50 OHM DEL CAVO CON QUELLA DEL PUNTO DI "
                        "ALIMENTAZIONE CHE E'  CIRCA 110 - 140 OHM, UTILIZZANDO UNO SPEZZONE DI "
                        "CAVO A UN QUARTO D'ONDA A 75 OHM, SE IL FATTORE DI VELOCITA' E' 0.66 LA "
                        "SUA LUNGHEZZA E' PARI A METRI:")
            .as(Role::Hint)
            .hidden();
        result("lblout066").hidden();
        label("Label4", "SE IL FATTORE DI VELOCITA'  E'  0.8 LA LUNGHEZZA E'  PARI A METRI :")
            .as(Role::Hint)
            .hidden();
        result("lblout08").hidden();
        label("Label3", "PUO' ESSERE UTILIZZATO ANCHE UN ADATTATORE A GAMMA MATCH")
            .as(Role::Hint)
            .hidden();
        command("cmdadattatori", "ADATTATORI", [this] { openBeside("frmadattatori", 200, 200); });
        closeCommand("cmdesci", "E S C I");
        schematic();

        followFrequency(
            {"lbllato", "Label2", "Label3", "Label4", "lblperimetro", "lblout066", "lblout08"},
            [this] { compute(); });
    }

  private:
    // The square loop fed at the middle of its lower side, its side measured
    // above it.
    void schematic() {
        Drawing& d = drawing(420, 310);
        const double left = 110, right = 310, top = 50, bottom = 250;
        loopFedBelow(d, left, top, right, bottom);
        coaxDown(d, (left + right) / 2, bottom + 2, 40);
        widthAbove(d, left, right, top, top - 20, "lbllato");
    }

    void compute() {
        lato = formatFixed(76.58 / f, 3);
        perimetro = 4 * parseLocale(lato);
        caption("lbllato", lato + " mt");
        caption("lblperimetro", "IL PERIMETRO E' DI " + formatLocale(perimetro) + " mt");
        caption("lblout066", formatFixed(parseLocale(lato) * 0.66, 2));
        caption("lblout08", formatFixed(parseLocale(lato) * 0.8, 2));
    }

    std::string lato;     // the side as shown, m
    double perimetro = 0; // m, from the side as shown
};

ETERO_FORM(LoopQuadrato, "frmloopquadrato");

} // namespace

} // namespace etero::beams
