// A square spiral coil etched on a printed circuit board: from the track
// width, the gap between tracks and the turns, the inner and outer sides of
// the spiral and its inductance.
#include "coils.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>
#include <vector>

namespace etero {

namespace {

using namespace coils;

class BobinePiatte : public Form {
  public:
    BobinePiatte() : Form("frmbobinepiatte") {}

  protected:
    void design() override {
        window("BOBINE SU CIRCUITO STAMPATO");
        field("Label5", "LARGHEZZA PISTA in mm", "txtlp");
        field("Label6", "DISTANZA PISTE in mm", "txtls");
        field("Label7", "NUMERO SPIRE", "txtn");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblinduttanza");
        label("Label1", "LATO ESTERNO").as(Role::OnDrawing);
        label("Label2", "LATO INTERNO").as(Role::OnDrawing);
        label("Label3", "LARG. PISTA").as(Role::OnDrawing);
        label("Label4", "DIST.PISTA").as(Role::OnDrawing);
        closeCommand("cmdesci", "E S C I");
        schematic();

        blankOnInputChange({"lblinduttanza"});
    }

  private:
    // Three turns of track on the board, the winding as wide on each side as
    // the hole in the middle, so that the outer side is three times the
    // inner; the four dimensions marked.
    void schematic() {
        Drawing& d = drawing(440, 335);
        const double L = 100, T = 60, side = 210, R = L + side, B = T + side;
        const int turns = 3;
        const double winding = side / 3, track = 16;
        const double gap = (winding - turns * track) / (turns - 1), pitch = track + gap;
        Shape& board = d.rect(L - 18, T - 18, side + 36, side + 36);
        board.filled = true;
        board.fill = 0xDCEBC8;
        board.pen = 0x6E8B4E;
        board.penWidth = 1;
        // the track's centre line, from the outer end round to the middle
        auto inset = [&](int k) { return k * pitch + track / 2; };
        std::vector<double> path{L - 10, T + inset(0)};
        for (int k = 0; k < turns; ++k) {
            const double c = inset(k);
            path.insert(path.end(),
                        {R - c, T + c, R - c, B - c, L + c, B - c, L + c, T + inset(k + 1)});
        }
        const double viaX = L + winding + 22, viaY = T + inset(turns);
        path.insert(path.end(), {viaX, viaY});
        Shape& spiral = d.polyline(path);
        spiral.pen = kCopper;
        spiral.penWidth = track;
        Shape& pad = d.rect(L - 16, T + inset(0) - 8, 12, 16);
        pad.filled = true;
        pad.fill = kCopper;
        pad.pen = kCopper;
        Shape& via = d.ellipse(viaX - 9, viaY - 9, 18, 18);
        via.filled = true;
        via.fill = kCopper;
        via.pen = kCopper;
        Shape& hole = d.ellipse(viaX - 3.5, viaY - 3.5, 7, 7);
        hole.filled = true;
        hole.fill = kWhite;
        hole.pen = kWhite;
        // outer side, above the board
        extension(d, L, T - 20, L, 22);
        extension(d, R, T - 20, R, 22);
        d.arrowLine(L, 28, R, 28);
        d.slot("Label1", L + 20, 6, side - 40, 18, SlotAlign::Centre);
        // inner side, below the board
        const double h1 = L + winding, h2 = R - winding;
        extension(d, h1, B - winding, h1, B + 46);
        extension(d, h2, B - winding, h2, B + 46);
        d.arrowLine(h1, B + 40, h2, B + 40);
        d.slot("Label2", (h1 + h2) / 2 - 80, B + 46, 160, 18, SlotAlign::Centre);
        // track width and gap on the right-hand side, by leader lines
        const double trackY = T + 80, gapY = T + 130;
        leader(d, R - track / 2, trackY, R + 34, trackY - 24);
        d.slot("Label3", R + 42, trackY - 34, 86, 18, SlotAlign::Left);
        leader(d, R - track - gap / 2, gapY, R + 34, gapY + 24);
        d.slot("Label4", R + 42, gapY + 16, 86, 18, SlotAlign::Left);
    }

    // A thin line from a label to the point it names, with a dot on the point.
    static void leader(Drawing& d, double x, double y, double toX, double toY) {
        d.line(x, y, toX, toY).penWidth = 1;
        d.line(toX, toY, toX + 6, toY).penWidth = 1;
        Shape& s = d.ellipse(x - 2, y - 2, 4, 4);
        s.filled = true;
    }

    void compute() {
        const double w = num("txtlp");
        const double s = num("txtls");
        const double n = num("txtn");
        if (w * s * n <= 0) {
            warn("MANCA DATO", kErrorTitle);
            return focus("txtlp");
        }
        const double a = n * w + (n - 1) * s;
        const double L =
            5.6568 * a * std::pow(n, 5.0 / 3.0) * (std::log(a) / std::log(10.0) + 0.9031);
        caption("Label1", formatFixed(3 * a, 1) + " mm");
        caption("Label2", formatFixed(a, 1) + " mm");
        caption("Label3", formatLocale(w) + " mm");
        caption("Label4", formatLocale(s) + " mm");
        const double value = roundThroughFixed(L / 1000, -1);
        caption("lblinduttanza",
                std::string("L'INDUTTANZA E' ") + kMicro + "HENRY " + formatLocale(value));
    }
};

ETERO_FORM(BobinePiatte, "frmbobinepiatte");

} // namespace

} // namespace etero
