// Multilayer air coil of circular section, both ways: the turns for an
// inductance, or the inductance of a number of turns, from the outer and
// inner radius and the width of the bobbin (Wheeler); then the wire that
// fills the winding, its length, its turns per layer and layers, and its
// resistance to direct current.
#include "inductors.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::inductors {

namespace {

using coils::kFindInductance;
using coils::kFindTurns;

class BobinaMultiCircolare : public MultilayerCoil {
  public:
    BobinaMultiCircolare() : MultilayerCoil("frmbobinamulticircolare") {}

  protected:
    void design() override {
        window("CALCOLO BOBINE  MULTISTRATO CIRCOLARI  IN  ARIA");
        options("Option1", 0, {kFindTurns, kFindInductance});
        field("Label1", "raggio esterno bobina in mm (R)", "txtraggiobobina");
        control("Label1").tip("calcolato al centro spira");
        field("Label2", "raggio interno bobina in mm (r)", "txtraggionucleo");
        field("Label3", "larghezza del rocchetto in mm", "txtlarghezza");
        field("lblinput", "", "txtinput");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        frame("Frame2").hidden();
        result("lbloutput");
        result("lbllunghezzafilo");
        result("lbldiametrofilo");
        result("lblspirestrato");
        result("lblstratispire");
        result("lblresistenza");
        endFrame();
        drawingLabels();
        label("Label4", "TRATTANDOSI DI FORMULE EMPIRICHE I RISULTATI SONO INDICATIVI E "
                        "L'ERRORE E' PROPORZIONALE AL NUMERO DELLE SPIRE")
            .as(Role::Hint);
        wireGaugeCommand();
        closeCommand("cmdesci", "E X I T");
        crossSection();

        onOption("Option1", [this](int i) {
            caption("lblinput", inputCaption(i));
            hide("Frame2");
            resetDrawing();
        });
        for (const char* f : {"txtraggiobobina", "txtraggionucleo", "txtlarghezza"})
            onChange(f, [this] { clear("Spessore"); });
        onChange("txtinput", [this] { clear(" Spessore"); });
    }

  private:
    void clear(const char* depth) {
        hide("Frame2");
        resetDrawing(depth);
    }

    void compute() {
        const double X = num("txtinput");
        const double R = num("txtraggiobobina") / 10;
        const double r = num("txtraggionucleo") / 10;
        const double b = num("txtlarghezza") / 10;
        if (X * r * R * b <= 0) return missingData("txtinput");
        const double a = (R + r) / 2; // mean radius
        const double c = R - r;       // depth of the winding
        double N = X;
        if (isOn("Option1(0)")) {
            const std::string turns =
                formatFixed(std::sqrt(X * (9 * b + 10 * c + 6 * a) / (0.315 * a * a)), 1);
            N = parseLocale(turns);
            caption("lbloutput", "il numero delle spire in aria è  " + turns);
        } else {
            caption("lbloutput", multilayerInductance(wheelerMultilayer(N, a, b, c)));
        }
        const double length = roundThroughFixed(a * 6.28 * N, 0); // cm
        caption("lbllunghezzafilo",
                "la lunghezza del filo è " + formatLocale(length / 100) + " metri circa");
        // Each turn takes an equal share of the winding's section.
        const double f = std::sqrt(b * c / N); // wire diameter, cm
        const double t = b / f;                // turns per layer
        const double n = N / t;                // layers
        caption("lbldiametrofilo", "il diametro del filo è  " + formatFixed(f * 10, 2) + " mm");
        caption("lblspirestrato", "le spire per strato sono " + formatFixed(t, 1));
        caption("lblstratispire", "gli strati sono " + formatFixed(n, 1));
        const double Rdc = (length / 100 * 0.0229) / ((f * 10) * (f * 10));
        caption("lblresistenza", "la resistenza alla DC è Ohm " + formatFixed(Rdc, 2));
        showSizes(formatLocale(r) + " cm ", formatLocale(R) + " cm", formatLocale(b) + " cm",
                  formatLocale(c) + " cm");
        show("Frame2");
    }
};

ETERO_FORM(BobinaMultiCircolare, "frmbobinamulticircolare");

} // namespace

} // namespace etero::inductors
