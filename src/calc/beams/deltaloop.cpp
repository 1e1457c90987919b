// The delta loop: perimeter, side, feed point and the quarter-wave 75 ohm
// matching section from the working frequency, recomputed as it is typed.
#include "beams.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::beams {

namespace {

class DeltaLoop : public LiveForm {
  public:
    DeltaLoop() : LiveForm("frmdeltaloop") {}

  protected:
    void design() override {
        window("ANTENNA  DELTA -  LOOP");
        field("Label1", "FREQUENZA DI LAVORO IN MHz:", "txtfrequenza");
        result("lblper").hidden();
        label("lbll").as(Role::OnDrawing).hidden();
        label("lblalim").as(Role::OnDrawing).hidden();
        label("lbladatt").as(Role::OnDrawing).hidden();
        label("Label2", "CAVO 75 OHM").as(Role::OnDrawing);
        label("Label3", "CAVO 50 OHM AL RxTx").as(Role::OnDrawing);
        label("Label4", "LA POLARIZZAZIONE IN FIGURA E'  VERTICALE MA SE SI POSIZIONA UN VERTICE "
                        "DEL TRIANGOLO IN BASSO E QUI SI COLLEGA L'ALIMENTAZIONE , LA "
                        "POLARIZZAZIONE DIVENTA ORIZZONTALE")
            .as(Role::Hint);
        label("Label5", "IN FASE DI REALIZZAZIONE PUO' ESSERE CONVENIENTE SISTEMARE UNA PULEGGIA "
                        "IN OGNI ANGOLO IN MODO DA RENDERE SCORREVOLE IL CONDUTTORE E INDIVIDUARE "
                        "IL MIGLIORE FEED POINT")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
        schematic();

        followFrequency({"lblper", "lbll", "lblalim", "lbladatt"}, [this] { compute(); });
    }

  private:
    // The triangle, apex up, fed on its right side a quarter of the
    // perimeter from the apex: the 75 ohm quarter-wave section runs from the
    // feed point to the 50 ohm cable of the transceiver.
    void schematic() {
        Drawing& d = drawing(540, 330);
        const double ax = 200, ay = 30, bl = 80, br = 320, by = 230;
        // the feed point, three quarters of the way down the right side
        const double fx = ax + (br - ax) * 0.75, fy = ay + (by - ay) * 0.75;
        const double gx = (br - ax) / 233.2 * 6, gy = (by - ay) / 233.2 * 6; // half the gap
        conductor(d, {fx - gx, fy - gy, ax, ay, bl, by, br, by, fx + gx, fy + gy});
        d.dot(fx - gx, fy - gy);
        d.dot(fx + gx, fy + gy);
        // the side, along the base
        extension(d, bl, by + 3, bl, by + 26);
        extension(d, br, by + 3, br, by + 26);
        measure(d, bl, by + 20, br, by + 20, "lbll", (bl + br) / 2 - 80, by + 36, 160, 18);
        // the feed distance, beside the right side
        alongside(d, ax, ay, fx, fy, 16);
        d.slot("lblalim", (ax + fx) / 2 + 22, (ay + fy) / 2 - 18, 110, 18);
        // the matching section and the cable to the transceiver
        const double cx = 420, junction = 250;
        Shape& match = d.polyline({fx, fy, cx, fy, cx, junction});
        match.pen = kCable;
        match.penWidth = 2.5;
        d.dot(cx, junction);
        coaxDown(d, cx, junction, 44);
        d.slot("Label2", cx + 8, fy + 14, 540 - cx - 10, 18);
        d.slot("lbladatt", cx + 8, fy + 36, 540 - cx - 10, 18);
        d.slot("Label3", cx - 110, junction + 54, 220, 18, SlotAlign::Centre);
    }

    void compute() {
        perimetro = 306 / f * 0.97;
        caption("lblper", "IL PERIMETRO MISURA " + formatFixed(perimetro, 2) + " mt.");
        caption("lbll", formatFixed(perimetro / 3, 2) + " mt.");
        caption("lblalim", formatFixed(perimetro / 4, 2) + " mt.");
        caption("lbladatt", formatFixed(306 / f / 4 * 0.66, 2) + " mt.");
    }

    double perimetro = 0; // m
};

ETERO_FORM(DeltaLoop, "frmdeltaloop");

} // namespace

} // namespace etero::beams
