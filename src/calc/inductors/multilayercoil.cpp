// Multilayer air coil of circular section from its winding (Wheeler): the
// wire diameter, the inner radius and width of the bobbin and the number of
// turns give the layers, the outer radius, the inductance, the length of
// wire and its resistance to direct current.
#include "inductors.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::inductors {

namespace {

class MultilayerCoilForm : public MultilayerCoil {
  public:
    MultilayerCoilForm() : MultilayerCoil("frmmultilayercoil") {}

  protected:
    void design() override {
        window("CALCOLO  BOBINE  MULTISTRATO  CIRCOLARI  IN  ARIA      FORMULA DI WHEELER");
        field("Label1", "diametro filo in mm", "txtdiametrofilo");
        field("Label2", "raggio interno bobina in mm (r)", "txtraggionucleo");
        field("Label3", "larghezza del rocchetto in mm", "txtlarghezza");
        field("Label4", "numero delle spire", "txtspire");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        frame("Frame1").hidden();
        result("lblhenry");
        result("lbllunghezzafilo");
        result("lblnspirestrato");
        result("lblnstrati");
        result("lblrdc");
        endFrame();
        drawingLabels();
        label("lbltesto", "LA  FORMULA DI WHEELER UTILIZZATA  E'  EMPIRICA  E  PERTANTO I "
                          "RISULTATI SONO DA CONSIDERARSI APPROSSIMATIVI")
            .as(Role::Hint)
            .hidden();
        wireGaugeCommand();
        closeCommand("cmdesci", "E X I T");
        crossSection();

        for (const char* f : {"txtdiametrofilo", "txtraggionucleo", "txtlarghezza"})
            onChange(f, [this] { clear("Spessore"); });
        onChange("txtspire", [this] { clear(" Spessore"); });
    }

  private:
    void clear(const char* depth) {
        hide("Frame1");
        resetDrawing(depth);
    }

    void compute() {
        const double d = num("txtdiametrofilo") / 10;
        const double r = num("txtraggionucleo") / 10;
        const double b = num("txtlarghezza") / 10;
        const double N = num("txtspire");
        if (d * r * b * N <= 0) return missingData("txtdiametrofilo");
        const double t = b / d;                                          // turns per layer
        const double n = N / t;                                          // layers
        const double c = d * n;                                          // depth of the winding
        const double R = r + c;                                          // outer radius
        const double a = (r + R) / 2;                                    // mean radius
        const double length = roundThroughFixed(6.28 * a / 100 * N, -1); // metres
        caption("lblhenry",
                "L'INDUTTANZA E' " + multilayerInductance(wheelerMultilayer(N, a, b, c)));
        const double A = (d / 2) * (d / 2) * 3.14159; // wire section
        const double Rdc = 0.018 / A * length / 100;
        caption("lbllunghezzafilo", "L'AVVOLGIMENTO E' LUNGO CIRCA METRI " + formatLocale(length));
        caption("lblnspirestrato", "LE SPIRE PER STRATO SONO " + formatFixed(t, 1));
        caption("lblnstrati", "GLI STRATI SONO  " + formatFixed(n, 1));
        caption("lblrdc",
                "LA RESISTENZA ALLA CORRENTE CONTINUA E' " + formatFixed(Rdc, 2) + " OHM");
        showSizes(formatLocale(r) + " cm ", formatFixed(R, 1) + " cm", formatLocale(b) + " cm",
                  formatFixed(c, 2) + " cm");
        show("Frame1");
        show("lbltesto");
    }
};

ETERO_FORM(MultilayerCoilForm, "frmmultilayercoil");

} // namespace

} // namespace etero::inductors
