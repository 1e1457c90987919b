// The gamma match of a Yagi's radiator: length and spacing of the stub,
// the series capacitor and the length of RG 8/213 cable that makes it.
#include "lines.h"
#include "shell/app/registry.h"
#include "shell/form/form.h"

#include <string>

namespace etero::lines {

namespace {

class GammaMatch : public Form {
  public:
    GammaMatch() : Form("frmgammamatch") {}

  protected:
    void design() override {
        window("ADATTATORE A GAMMA MATCH");
        field("Label1", "FREQUENZA in MHz", "txtfrequenza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lbllambda");
        result("lblpf");
        result("lblcavo");
        result("lbldiametri");
        label("lbllunghezza", "STUB").as(Role::OnDrawing);
        label("lbldistanza").as(Role::OnDrawing);
        label("lblc").as(Role::OnDrawing);
        schematic();
        closeCommand("cmdesci", "E S C I");

        blankOnInputChange({"lbllambda", "lblpf", "lblcavo", "lbldiametri", "lbllunghezza",
                            "lbldistanza", "lblc"});
    }

  private:
    // The radiator across the top, the stub below it from the insulator to
    // the adjustable strap, the capacitor from the stub down to the inner
    // conductor of the feed, whose shield goes to the radiator's centre.
    void schematic() {
        Drawing& d = drawing(480, 200);
        const double y = 40, yStub = 80, centre = 100, start = 146, strap = 330, xc = 141;
        d.line(20, y, 460, y).penWidth = 4;
        d.text(centre, y - 18, "centro radiatore", 8, Anchor::CentredOn);
        d.line(centre, y - 8, centre, y + 8);
        d.line(start, yStub, strap, yStub).penWidth = 3;
        d.line(strap, y, strap, yStub).penWidth = 3;
        d.text(strap, y - 18, "ponticello regolabile", 8, Anchor::CentredOn);
        d.arrowLine(400, y + 3, 400, yStub);
        d.arrowLine(152, yStub + 16, strap, yStub + 16);
        d.rect(136, yStub - 6, 10, 12).filled = true;
        d.text(130, yStub, "isolatore", 8, Anchor::EndsAt);
        d.capacitor(xc, yStub + 6, 40, Dir::Down);
        d.polyline({xc, yStub + 46, xc, 135, 125, 135, 125, 142});
        coaxDown(d, 125, 150, 180);
        d.polyline({118, 152, centre, 152, centre, y});
        d.text(140, 172, "discesa coax", 8, Anchor::StartsAt);
        d.slot("lbllunghezza", 152, yStub + 20, strap - 152, 16, SlotAlign::Centre);
        d.slot("lbldistanza", 340, yStub + 6, 130, 16, SlotAlign::Centre);
        d.slot("lblc", xc + 14, yStub + 40, 100, 16);
    }

    void compute() {
        f = num("txtfrequenza");
        if (f <= 0) {
            warn("MANCA INPUT", kErrorTitle);
            return focus("txtfrequenza");
        }
        lambda = 299.793 / f;
        S = lambda * 6.25;
        D = lambda * 0.7;
        C = static_cast<float>(2100 / f);
        C = static_cast<float>(roundHalfEven(C));
        Lc = roundHalfEven(C / 0.97 + 1);
        caption("lbllunghezza", "cm. " + formatPattern(S, "##0.#"));
        caption("lbldistanza", "spaziatura cm " + formatPattern(D, "##0.#"));
        caption("lbllambda", "VALORE DI LAMBDA = mt. " + formatPattern(lambda, "##0.#"));
        caption("lblpf", "CONDENSATORE = pF  " + formatLocale(C));
        caption("lblcavo",
                "USANDO L'RG 8/213 COME CONDENSATORE LA LUNGHEZZA E' cm. " + formatLocale(Lc));
        caption("lbldiametri", "IL DIAMETRO DELLO STUB E' 1/2 - 1/4 IL DIAMETRO DEL RADIATORE");
        caption("lblc", formatLocale(C) + " pF");
    }

    double f = 0, lambda = 0, S = 0, D = 0, Lc = 0;
    float C = 0; // picofarads, single precision
};

ETERO_FORM(GammaMatch, "frmgammamatch");

} // namespace

} // namespace etero::lines
