// A straight conductor run parallel to a ground plane and joined to it at
// one end, used as a VHF/UHF inductance: its inductance in nanohenry from
// the conductor's diameter and length and its distance from the plane.
#include "coils.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero {

namespace {

using namespace coils;

class BobineUhf : public Form {
  public:
    BobineUhf() : Form("frmbobineuhf") {}

  protected:
    void design() override {
        window("Bobine adatte per  uso in VHF - UHF");
        frame("Frame1", "Inserimento dati");
        field("Label1", "Diametro del conduttore in mm.", "txtdiametro");
        field("Label2", "Lunghezza del conduttore in mm.", "txtlunghezza");
        field("Label3", "Distanza dal piano di terra in mm.", "txtdistanza");
        endFrame();
        command("ccmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblinduttanza");
        label("lbllunghezza", "lung").as(Role::OnDrawing);
        label("lbldistanza", "distanza").as(Role::OnDrawing);
        label("Label4", "Il conduttore corre parallelo al piano di terra ed è collegato ad esso "
                        "ad una estremità.")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
        schematic();

        blankOnInputChange({"lblinduttanza"});
    }

  private:
    // The conductor above the plane, earthed at its right end, its length
    // and its height marked.
    void schematic() {
        Drawing& d = drawing(400, 200);
        const double x0 = 80, x1 = 330, y = 72, plane = 150;
        Shape& ground = d.rect(30, plane, 340, 8);
        ground.filled = true;
        ground.fill = 0x9A9A9A;
        ground.penWidth = 1;
        for (double x = 42; x <= 370; x += 12)
            d.line(x, plane + 8, x - 8, plane + 16).penWidth = 1;
        d.text(200, plane + 32, "piano di terra", 8, Anchor::CentredOn);
        Shape& conductor = d.polyline({x0, y, x1, y, x1, plane});
        conductor.pen = kCopper;
        conductor.penWidth = 5;
        d.terminal(x0 - 4, y);
        // length above the conductor
        extension(d, x0, y - 6, x0, 26);
        extension(d, x1, y - 6, x1, 26);
        d.arrowLine(x0, 32, x1, 32);
        d.slot("lbllunghezza", (x0 + x1) / 2 - 80, 10, 160, 18, SlotAlign::Centre);
        // height above the plane
        d.arrowLine(150, y + 4, 150, plane);
        d.slot("lbldistanza", 158, (y + plane) / 2 - 9, 150, 18, SlotAlign::Left);
    }

    void compute() {
        const double d = num("txtdiametro");
        const double l = num("txtlunghezza");
        const float h = static_cast<float>(num("txtdistanza"));
        const double r = d / 2;
        if (d * l == 0) return missingData("txtdiametro");
        if (d * l < 0) return;
        const double S1 = std::sqrt(l * l + r * r);
        const double S2 = std::sqrt(l * l + 4.0 * h * h);
        const double T1 =
            0.4605 * l * (std::log(2.0 * h / r) / std::log(10.0)) * (l + S1) / (l + S2);
        const double T2 = 0.0002 * ((S2 - S1) + l / 4 - 2.0 * h + r);
        const double L = T1 + T2;
        caption("lblinduttanza", "Induttanza in nanoHenry : = " + formatFixed(L, 3));
        caption("lbllunghezza", formatLocale(l) + " mm");
        caption("lbldistanza", formatLocale(h) + " mm");
    }
};

ETERO_FORM(BobineUhf, "frmbobineuhf");

} // namespace

} // namespace etero
