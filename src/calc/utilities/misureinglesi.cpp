// Lengths between metric and imperial units, converted on every keystroke.
// Opens a second converter for wire and winding units beside itself.
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <array>

namespace etero {

namespace {

const std::vector<std::string> kUnits{"CENTIMETRI", "METRI", "CHILOMETRI", "POLLICI",
                                      "PIEDI",      "IARDE", "MIGLIA"};

const std::array<const char*, 7> kInputCaptions{
    "INSERISCI cm ",   "INSERISCI mt ",   "INSERISCI Km ",   "INSERISCI POLLICI",
    "INSERISCI PIEDI", "INSERISCI IARDE", "INSERISCI MIGLIA"};

const std::array<const char*, 7> kPrefixes{"CORRISPONDE A cm ",    "CORRISPONDE A mt ",
                                           "CORRISPONDE A Km ",    "CORRISPONDE A POLLICI ",
                                           "CORRISPONDE A PIEDI ", "CORRISPONDE A IARDE ",
                                           "CORRISPONDE A MIGLIA "};

// One cell of the conversion table: the value is multiplied by `times`, then
// divided by `over`. The factors are the program's own, used as they stand
// even where two cells disagree (inches to km take 2.54, inches to cm 2.540005).
struct Factor {
    double times = 1;
    double over = 1;
};

// Rows: from; columns: to (cm, m, km, inches, feet, yards, miles).
constexpr std::array<std::array<Factor, 7>, 7> kTable{{
    {{{1, 1},
      {1, 100},
      {1, 100000},
      {0.3937007, 1},
      {0.0328083, 1},
      {0.01093613, 1},
      {0.0000062137, 1}}},
    {{{100, 1}, {1, 1}, {1, 1000}, {39.37007, 1}, {3.28083, 1}, {1.093611, 1}, {0.00062137, 1}}},
    {{{100000, 1},
      {1000, 1},
      {1, 1},
      {39370.07, 1},
      {3280.83, 1},
      {1093.6133, 1},
      {0.62137119, 1}}},
    {{{2.540005, 1},
      {0.02540005, 1},
      {2.54, 100000},
      {1, 1},
      {0.083333, 1},
      {0.0277777, 1},
      {0.0000157828, 1}}},
    {{{30.48006, 1},
      {0.3048006, 1},
      {0.3048006, 1000},
      {12, 1},
      {1, 1},
      {0.333333, 1},
      {0.000189394, 1}}},
    {{{91.44018, 1}, {0.9144018, 1}, {0.0009144018, 1}, {36, 1}, {3, 1}, {1, 1}, {0.000568182, 1}}},
    {{{160934.72, 1}, {1609.3472, 1}, {1.6093472, 1}, {63360, 1}, {5280, 1}, {1760, 1}, {1, 1}}},
}};

class MisureInglesi : public Form {
  public:
    MisureInglesi() : Form("frmmisureinglesi") {}

  protected:
    void design() override {
        window("Conversione misure inglesi");
        frame("Frame2", "DA");
        options("Option1", 0, kUnits);
        control("Option1(0)").selected();
        endFrame();
        frame("Frame3", "A");
        options("Option2", 0, kUnits);
        control("Option2(3)").selected();
        endFrame();
        field("lblinput", "INSERISCI cm", "txtinput", "inserisci misura da convertire");
        result("lbloutput");
        label("Label1", "1 POLLICE (1'') = 2,540005 cm").as(Role::Hint);
        label("Label2", "1 PIEDE (1') = 12 POLLICI = 30,48006 cm").as(Role::Hint);
        frame("Frame1", " Frazioni inglesi ordinarie ").tip("frazioni di uso comune");
        label("Label3", "In pollice").as(Role::Caption);
        // The fractions and their millimetres, word for word in two lines,
        // shown as one table.
        label("Label4", "1/16  1/8  3/16  1/4  5/16  3/8  7/16  1/2  9/16  5/8  11/16 3/4  13/16 "
                        "7/8  15/16")
            .as(Role::TableRow);
        label("Label5", "in mm").as(Role::Caption);
        label("Label6", "1.599  3.175  4.700  6.350  7.937  9.525 11.112  12.70  14.288  15.875 "
                        "17.463  19.050  20.638  22.225 23.813")
            .as(Role::TableRow);
        endFrame();
        command("cmdaltreconversioni", "Altre conversioni", [this] { others(); });
        closeCommand("cmdchiudi", "CHIUDI");

        onOption("Option1", [this](int i) { chooseFrom(i); });
        onOption("Option2", [this](int) { chooseTo(); });
        onChange("txtinput", [this] { convert(); });
    }

  private:
    void chooseFrom(int index) {
        hide("lbloutput");
        // Emptying a filled field converts 0 at once, which shows the result again.
        text("txtinput", "");
        caption("lblinput", kInputCaptions.at(static_cast<std::size_t>(index)));
    }

    void chooseTo() {
        hide("lbloutput");
        text("txtinput", "");
    }

    void convert() {
        x = num("txtinput");
        const int from = selected("Option1");
        const int to = selected("Option2");
        if (from >= 0 && to >= 0) {
            const Factor f =
                kTable.at(static_cast<std::size_t>(from)).at(static_cast<std::size_t>(to));
            y = x * f.times / f.over;
            caption("lbloutput", kPrefixes.at(static_cast<std::size_t>(to)) + formatLocale(y));
        }
        show("lbloutput");
    }

    void others() { openBeside("frmaltreconversioni", 200, 800, 5100, 3500); }

    double x = 0; // the length typed
    double y = 0; // the length converted
};

ETERO_FORM(MisureInglesi, "frmmisureinglesi");

} // namespace

} // namespace etero
