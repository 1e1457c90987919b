// The coaxial collinear for VHF and UHF: the lengths of its five sections,
// free quarter waves at both ends and coaxial sections between them shortened
// by the velocity factor of the chosen cable, from the working frequency as
// it is typed.
#include "calc/beams/beams.h"
#include "fullverticals.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <tuple>
#include <utility>

namespace etero::fullverticals {

namespace {

const std::vector<std::string> kSections{"lbla", "lblb", "lblc", "lbld", "lble"};

class AntCollineare : public beams::LiveForm {
  public:
    AntCollineare() : LiveForm("frmantcollineare") {}

  protected:
    void design() override {
        window("ANTENNA VERTICALE COLLINEARE IN CAVO COASSIALE - VHF UHF");
        frame("Frame1", "  IMPEDENZA CAVO ");
        options("Option1", 0, {"IMPEDENZA 50 OHM", "IMPEDENZA 75 OHM"});
        endFrame();
        field("Label1", "FREQUENZA IN MHz :", "txtfrequenza");
        label("lblhelp", "I TERMINALI DELLE CONNESSIONI DEVONO ESSERE TENUTI  ESTREMAMENTE CORTI")
            .as(Role::Hint)
            .hidden();
        for (const std::string& name : kSections)
            label(name).as(Role::OnDrawing).hidden();
        label("lbldiscesa").as(Role::OnDrawing);
        label("Label2",
              "QUI E' DISEGNATA IN ORIZZONTALE MA NORMALMENTE IL SUO USO E'  IN VERTICALE")
            .as(Role::OnDrawing);
        schematic();
        closeCommand("cmdesci", kClose);

        onOption("Option1", [this](int index) { choose(index); });
        followFrequency(kSections, [this] { compute(); });
    }

  private:
    // The antenna laid on its side, far end at the left: a free quarter
    // wave, three coaxial sections joined crosswise (inner conductor to
    // braid), a free quarter wave sleeve, and the feed line leaving at the
    // right. Drawn for the 50 ohm cable.
    void schematic() {
        Drawing& d = drawing(640, 196);
        const double y = 76, unit = 118;
        const double xa = 16, xb = xa + unit, xc = xb + unit * 0.66, xd = xc + unit * 1.32,
                     xe = xd + unit * 0.66, end = xe + unit;
        conductor(d, {xa, y, xb, y});
        for (auto [x1, x2] : {std::pair{xb, xc}, std::pair{xc, xd}, std::pair{xd, xe}}) {
            Shape& jacket = d.rect(x1 + 4, y - 6, x2 - x1 - 8, 12);
            jacket.pen = kCable;
            jacket.penWidth = 2;
        }
        for (double x : {xc, xd}) { // inner conductor to braid, crosswise
            d.line(x - 4, y - 6, x + 4, y + 6).penWidth = 1.5;
            d.line(x - 4, y + 6, x + 4, y - 6).penWidth = 1.5;
        }
        d.line(xb, y, xb + 4, y - 6).penWidth = 1.5;
        d.line(xe - 4, y - 6, xe, y).penWidth = 1.5;
        conductor(d, {xe, y, end, y});
        Shape& sleeve = d.rect(xe + 6, y - 13, end - xe - 12, 26);
        sleeve.pen = kElement;
        sleeve.penWidth = 1.5;
        cable(d, {end, y, end + 0, y + 50, end - 30, y + 50});
        d.terminal(end - 33, y + 50);
        d.text(end - 42, y + 50, "DISCESA", 8, Anchor::EndsAt);
        d.slot("lbldiscesa", end - 160, y + 62, 118, 18, SlotAlign::Right);
        // the lengths: the long sections above, the coaxial quarter waves below
        for (auto [x1, x2, name] : {std::tuple{xa, xb, "lbla"}, std::tuple{xc, xd, "lblc"},
                                    std::tuple{xe, end, "lble"}}) {
            widthMeasure(d, x1, x2, y - 34);
            d.slot(name, (x1 + x2) / 2 - 60, y - 56, 120, 18, SlotAlign::Centre);
        }
        for (auto [x1, x2, name] : {std::tuple{xb, xc, "lblb"}, std::tuple{xd, xe, "lbld"}}) {
            widthMeasure(d, x1, x2, y + 30);
            d.slot(name, (x1 + x2) / 2 - 60, y + 38, 120, 18, SlotAlign::Centre);
        }
        d.slot("Label2", 10, 168, 620, 22, SlotAlign::Centre);
    }

    void choose(int index) {
        switch (index) {
        case 0:
            v = 0.66F;
            caption("lbldiscesa", " 50 OHM");
            break;
        case 1:
            v = 0.8F;
            caption("lbldiscesa", " 75 OHM");
            break;
        default:
            break;
        }
        text("txtfrequenza", "");
        showAll(kSections, false);
    }

    void compute() {
        caption("lbla", formatFixed(7500 / f, 1) + " cm.");
        caption("lblb", formatFixed(7500 / f * v, 1) + " cm.");
        caption("lblc", formatFixed(15000 / f * v, 1) + " cm.");
        caption("lbld", formatFixed(7500 / f * v, 1) + " cm.");
        caption("lble", formatFixed(7500 / f, 1) + " cm.");
        show("lblhelp");
    }

    float v = 0.66F; // velocity factor of the chosen cable
};

ETERO_FORM(AntCollineare, "frmantcollineare");

} // namespace

} // namespace etero::fullverticals
