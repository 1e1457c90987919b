// The standard E-I transformer laminations: a sketch of the E and its I with
// the five dimensions lettered, the thirteen standard sizes in millimetres,
// and the permeability of the usual core materials. The transformer
// calculators open it beside themselves, and it stays open after them.
#include "pages.h"
#include "shell/app/registry.h"

#include <array>

namespace etero::pages {

namespace {

// Each column of the table is one tall label: its letter over its sizes.
constexpr std::array<const char*, 5> kColumns{
    "A\n30\n35\n40\n45\n50\n55\n62,5\n70\n80\n90\n100\n112,5\n125",
    "B\n36\n42\n48\n54\n60\n66\n75\n84\n96\n108\n120\n135\n150",
    "C\n12\n14\n16\n18\n20\n22\n25\n28\n32\n36\n40\n45\n50",
    "D\n6\n7\n8\n9\n10\n11\n12,5\n14\n16\n18\n20\n22,5\n25",
    "E\n18\n21\n24\n27\n30\n33\n37,5\n42\n48\n54\n60\n67,5\n75",
};

class Uniel : public Page {
  public:
    Uniel() : Page("frmuniel") {}

  protected:
    void design() override {
        window("   DIMENSIONI LAMIERINI UNIFICATI  -  U N I E L");
        Drawing& d = drawing(700, 340);
        lamination(d);
        // The table: five columns in a ruled box.
        const double left = 330, top = 22, column = 64, height = 230;
        d.rect(left, top, 5 * column, height).pen = 0x6A7A8C;
        for (int c = 0; c < 5; ++c) {
            if (c > 0) d.line(left + c * column, top, left + c * column, top + height).penWidth = 1;
            on(d, "Label" + std::to_string(6 + c), kColumns[static_cast<std::size_t>(c)],
               left + c * column + 2, top + 4, column - 4, height - 8, SlotAlign::Centre);
        }
        on(d, "Label11", "TUTTE LE MISURE SONO IN  mm", 330, 256, 320, 20, SlotAlign::Centre);
        on(d, "Label12", "PERMEABILITA'  MAGNETICA", 10, 288, 680, 20, SlotAlign::Centre)
            .font(0, true);
        on(d, "Label13", "FERRITE = 2.000     FERROSILICIO > 5.000     PERMALLORY = 100.000", 10,
           310, 680, 20, SlotAlign::Centre);
        closeCommand("Command1", "E S C I");
    }

  private:
    // The E (legs down) over its I, 5 pixels to the millimetre for the
    // smallest size (C = 12 mm), with the dimensions A to E marked.
    void lamination(Drawing& d) {
        const double x = 62, y = 46, w = 180, e = 120, i = 30; // E 36 × 24 mm, I 36 × 6 mm
        const Rgb steel = 0xCBD3DC, edge = 0x37414D;
        filled(d.polyline({x,       y,      x + w,   y,      x + w,   y + e, x + 150, y + e,
                           x + 150, y + 30, x + 120, y + 30, x + 120, y + e, x + 60,  y + e,
                           x + 60,  y + 30, x + 30,  y + 30, x + 30,  y + e, x,       y + e}),
               steel, edge);
        filled(d.rect(x, y + e + 3, w, i), steel, edge);
        const double bottom = y + e + 3 + i;

        // A down the left side, B across the top.
        d.line(x - 4, y, x - 22, y).penWidth = 0.8;
        d.line(x - 4, bottom, x - 22, bottom).penWidth = 0.8;
        d.arrowLine(x - 16, y, x - 16, bottom);
        on(d, "Label1", "A", x - 46, y + (bottom - y) / 2 - 10, 24, 20, SlotAlign::Centre);
        d.line(x, y - 4, x, y - 22).penWidth = 0.8;
        d.line(x + w, y - 4, x + w, y - 22).penWidth = 0.8;
        d.arrowLine(x, y - 16, x + w, y - 16);
        on(d, "Label2", "B", x + w / 2 - 12, y - 40, 24, 20, SlotAlign::Centre);
        // C across the centre leg.
        d.arrowLine(x + 60, y + 80, x + 120, y + 80);
        on(d, "Label3", "C", x + 78, y + 56, 24, 20, SlotAlign::Centre);
        // D, the back of the E (as wide as an outer leg and a window), and E,
        // the height of the windows, down the right side.
        d.line(x + w + 4, y, x + w + 22, y).penWidth = 0.8;
        d.line(x + 154, y + 30, x + w + 22, y + 30).penWidth = 0.8;
        d.line(x + w + 4, y + e, x + w + 22, y + e).penWidth = 0.8;
        d.arrowLine(x + w + 16, y, x + w + 16, y + 30);
        d.arrowLine(x + w + 16, y + 30, x + w + 16, y + e);
        on(d, "Label4", "D", x + w + 24, y + 5, 24, 20, SlotAlign::Centre);
        on(d, "Label5", "E", x + w + 24, y + 65, 24, 20, SlotAlign::Centre);
    }
};

ETERO_FORM(Uniel, "frmuniel");

} // namespace

} // namespace etero::pages
