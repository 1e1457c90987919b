// Multilayer air coil wound on a rectangular core: from the turns, the core's
// height and width and the winding's thickness and length, the wire that
// fills the winding (filling factor 0.95), its turns per layer and layers,
// the inductance in millihenry, the length of wire and its resistance.
#include "inductors.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::inductors {

namespace {

using coils::extension;

class BobinaRettangolare : public Form {
  public:
    BobinaRettangolare() : Form("frmbobinarettangolare") {}

  protected:
    void design() override {
        window("INDUTTANZA DI UNA BOBINA MULTISTRATO RETTANGOLARE IN ARIA");
        label("Label1", "CALCOLO EMPIRICO APPROSSIMATIVO").as(Role::Title);
        field("Label2", "NUMERO DI SPIRE", "txtspire");
        field("Label3", "ALTEZZA DEL NUCLEO in mm. (d)", "txtaltezza");
        field("Label4", "LARGHEZZA DEL NUCLEO in mm. (y)", "txtlarghezza");
        field("Label5", "SPESSORE AVV.TO in mm. (b)", "txtspessore");
        field("Label6", "LARGHEZZA AVV.TO in mm. (L)", "txtlunghezza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        frame("Frame1").hidden();
        result("lblinduttanza");
        result("lblsezionefilo");
        result("lbllunghezzafilo");
        result("lblresistenza");
        result("lblspirestrato");
        result("lblnrstrati");
        endFrame();
        closeCommand("cmdesci", "E S C I");
        schematic();

        hideOnInputChange({"Frame1"});
    }

  private:
    // The coil seen along the core (the core d high and y wide, the winding
    // b thick around it) and from the side (the winding L long on the core).
    void schematic() {
        Drawing& d = drawing(460, 230);
        const double cx = 120, cy = 120;       // centre of the end view
        const double hd = 45, hy = 35, b = 28; // half height, half width, thickness
        auto block = [&](double x, double y, double w, double h, Rgb fill) {
            Shape& s = d.rect(x, y, w, h);
            s.filled = true;
            s.fill = fill;
            s.pen = 0x5A4A30;
            s.penWidth = 1;
        };
        block(cx - hy - b, cy - hd - b, 2 * (hy + b), 2 * (hd + b), coils::kCopper);
        block(cx - hy, cy - hd, 2 * hy, 2 * hd, 0xEFE4CC);
        // d: the core's height, at the left
        extension(d, cx - hy - 4, cy - hd, 32, cy - hd);
        extension(d, cx - hy - 4, cy + hd, 32, cy + hd);
        d.arrowLine(40, cy - hd, 40, cy + hd);
        d.text(28, cy + 4, "d", 10, Anchor::CentredOn);
        // y: the core's width, below
        extension(d, cx - hy, cy + hd + 4, cx - hy, 218);
        extension(d, cx + hy, cy + hd + 4, cx + hy, 218);
        d.arrowLine(cx - hy, 212, cx + hy, 212);
        d.text(cx, 200, "y", 10, Anchor::CentredOn);
        // b: the thickness, above
        extension(d, cx + hy, cy - hd - 4, cx + hy, 18);
        extension(d, cx + hy + b, cy - hd - b - 4, cx + hy + b, 18);
        d.arrowLine(cx + hy, 24, cx + hy + b, 24);
        d.text(cx + hy + b / 2, 16, "b", 10, Anchor::CentredOn);
        // the side view: the core and the winding L long on it
        const double sx0 = 270, sx1 = 440, wx0 = 305, wx1 = 405;
        block(sx0, cy - hd, sx1 - sx0, 2 * hd, 0xEFE4CC);
        block(wx0, cy - hd - b, wx1 - wx0, 2 * (hd + b), coils::kCopper);
        for (double x = wx0 + 8; x < wx1; x += 8)
            d.line(x, cy - hd - b, x, cy + hd + b).penWidth = 0.6;
        extension(d, wx0, cy + hd + b + 4, wx0, 218);
        extension(d, wx1, cy + hd + b + 4, wx1, 218);
        d.arrowLine(wx0, 212, wx1, 212);
        d.text((wx0 + wx1) / 2, 200, "L", 10, Anchor::CentredOn);
    }

    void compute() {
        const double N = num("txtspire");
        double d = num("txtaltezza");
        double y = num("txtlarghezza");
        double b = num("txtspessore");
        double L = num("txtlunghezza");
        // Every size is needed and none can be negative: without this check
        // the divisions below would be undefined or the results meaningless.
        if (N <= 0 || d <= 0 || y <= 0 || b <= 0 || L <= 0) return missingData("txtspire");
        // in millimetres
        const double s = L * b * 0.95 / N;           // section per turn, 0.95 the filling factor
        const double w = std::sqrt(s);               // wire diameter
        const double A = (w / 2) * (w / 2) * 3.1415; // wire section
        const double t = L * 0.95 / w;               // turns per layer
        const double n = N / t;                      // layers
        // in metres
        d /= 1000;
        b /= 1000;
        L /= 1000;
        y /= 1000;
        const double p = d + y + 2 * b; // half the mean turn
        const std::string inductance =
            formatFixed(0.00178 * (p * N) * (p * N) / (1.908 * p + 9 * L + 10 * b), 3);
        const double length = (2 * d + 2 * y + 4 * b) * N;
        const double Rdc = 0.017241 * length / A;
        show("Frame1");
        caption("lblinduttanza", "L'INDUTTANZA E' " + inductance + "  milliHENRY");
        caption("lblsezionefilo", "IL DIAMETRO DEL FILO E' mm " + formatFixed(w, 2));
        caption("lbllunghezzafilo",
                "LA LUNGHEZZA DEL FILO E' CIRCA METRI  " + formatFixed(length, 2));
        caption("lblresistenza", "LA RESISTENZA DEL FILO E' CIRCA OHM " + formatFixed(Rdc, 2));
        caption("lblspirestrato", "SPIRE PER STRATO nr " + formatFixed(t, 1));
        caption("lblnrstrati", "GLI STRATI SONO " + formatFixed(n, 1));
    }
};

ETERO_FORM(BobinaRettangolare, "frmbobinarettangolare");

} // namespace

} // namespace etero::inductors
