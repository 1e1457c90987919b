// The 4:1 voltage balun and un-un wound bifilar on an iron-powder toroid:
// for each core, the turns to wind and the power it carries. Nothing is
// computed; the wiring of both kinds is drawn.
#include "shell/app/registry.h"
#include "shell/form/form.h"

#include <array>
#include <string>

namespace etero::baluns {

namespace {

struct Toroid {
    const char* core;
    const char* winding; // what lblspire shows for the core
};

constexpr std::array<Toroid, 7> kToroids{{
    {"T 80 - 2", "25 SPIRE BIFILARI   POTENZA 60 WATT"},
    {"T106 - 2", "16 SPIRE BIFILARI   POTENZA 100 WATT"},
    {"T130 - 2", "18 SPIRE BIFILARI   POTENZA 150 WATT"},
    {"T157 - 2", "16 SPIRE BIFILARI   POTENZA 250 WATT"},
    {"T200 - 2", "17 SPIRE BIFILARI   POTENZA 400 WATT"},
    {"T200A - 2", "13 SPIRE BIFILARI   POTENZA 400 WATT"},
    {"T400 - 2", "14 SPIRE BIFILARI   POTENZA 1000 WATT"},
}};

class BalunUnUn : public Form {
  public:
    BalunUnUn() : Form("frmBalunUnUn") {}

  protected:
    void design() override {
        window("BALUN e UN - UN  TOROIDALI PER HF    TIPO \" IN TENSIONE \"    CON RAPPORTO  4 "
               ": 1    A LARGA BANDA");
        frame("Frame1", " TOROIDI ");
        for (std::size_t i = 0; i < kToroids.size(); ++i)
            option("Option1", static_cast<int>(i), kToroids[i].core);
        endFrame();
        result("lblspire");
        label("Label1", "BAL - UN").as(Role::OnDrawing);
        label("Label2", "SBILANCIATA").as(Role::OnDrawing);
        label("Label3", "BILANCIATA").as(Role::OnDrawing);
        label("Label4", "UN - UN").as(Role::OnDrawing);
        label("Label5", "SBILANCIATA").as(Role::OnDrawing);
        label("Label6", "SBILANCIATA MASSA COMUNE").as(Role::OnDrawing);
        schematic();
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int i) {
            caption("lblspire", kToroids.at(static_cast<std::size_t>(i)).winding);
        });
    }

  private:
    // Both kinds are an autotransformer of two bifilar windings in series:
    // the input across one winding, the output across both, twice the
    // voltage. The balun earths the middle; the un-un earths one end.
    void schematic() {
        Drawing& d = drawing(600, 230);
        windings(d, 0, "Label1", "Label2", "Label3", true);
        d.line(300, 20, 300, 210).dashed = true;
        windings(d, 300, "Label4", "Label5", "Label6", false);
    }

    static void windings(Drawing& d, double x0, const std::string& title, const std::string& in,
                         const std::string& out, bool balun) {
        const double x = x0 + 150, top = 50, tap = 110, bottom = 170;
        const double inLeft = x0 + 30, outRight = x0 + 260;
        d.slot(title, x0 + 20, 6, 260, 16, SlotAlign::Centre);
        d.inductor(x, top, tap - top, Dir::Down);
        d.inductor(x, tap, bottom - tap, Dir::Down);
        // the two windings share the core, wound side by side
        d.line(x + 14, top + 6, x + 14, bottom - 6).dashed = true;
        d.line(x + 18, top + 6, x + 18, bottom - 6).dashed = true;
        d.dot(x - 7, top + 12);
        d.dot(x - 7, tap + 12);
        d.dot(x, tap);
        // output: the far ends of the two windings
        d.line(x, top, outRight, top);
        d.line(x, bottom, outRight, bottom);
        d.terminal(outRight, top);
        d.terminal(outRight, bottom);
        if (balun) {
            // input between the top and the earthed middle
            d.line(inLeft, top, x, top);
            d.dot(x, top);
            d.line(inLeft, tap, x, tap);
            d.ground(x0 + 90, tap);
            d.dot(x0 + 90, tap);
        } else {
            // input between the middle and the common earth
            d.line(inLeft, tap, x, tap);
            d.line(inLeft, bottom, x, bottom);
            d.dot(x, bottom);
            d.ground(x0 + 90, bottom);
            d.dot(x0 + 90, bottom);
        }
        d.terminal(inLeft, balun ? top : tap);
        d.terminal(inLeft, balun ? tap : bottom);
        d.slot(in, x0 + 14, 196, 110, 16, SlotAlign::Left);
        d.slot(out, x0 + 100, 196, 180, 16, SlotAlign::Right);
    }
};

ETERO_FORM(BalunUnUn, "frmBalunUnUn");

} // namespace

} // namespace etero::baluns
