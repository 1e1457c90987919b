// A tuned circuit wound on an iron-powder toroid of the T series: from two
// of inductance, capacitance and frequency the third, then the turns for the
// inductance, N = 100 · √(L / AL).
#include "toroids.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <array>
#include <cmath>

namespace etero {

namespace {

using namespace toroids;

constexpr const char* kInductance = "INDUTTANZA :";
constexpr const char* kCapacitance = "CAPACITA' :";
constexpr const char* kFrequency = "FREQUENZA :";
constexpr const char* kMicrohenry = " microH";
constexpr const char* kPicofarad = " pF";
constexpr const char* kMegahertz = " MHz";

// For each mode: the two known quantities, the computed one (caption and
// unit each) and the caption of the compute command.
struct Choice {
    const char* first;
    const char* firstUnit;
    const char* second;
    const char* secondUnit;
    const char* result;
    const char* resultUnit;
    const char* command;
};

constexpr std::array<Choice, 3> kModes{{
    {kInductance, kMicrohenry, kCapacitance, kPicofarad, kFrequency, kMegahertz,
     "CALCOLA LA FREQUENZA E LE SPIRE"},
    {kFrequency, kMegahertz, kInductance, kMicrohenry, kCapacitance, kPicofarad,
     "CALCOLA LA CAPACITA' E LE SPIRE"},
    {kFrequency, kMegahertz, kCapacitance, kPicofarad, kInductance, kMicrohenry,
     "CALCOLA L'INDUTTANZA E LE SPIRE"},
}};

constexpr Rgb kChosen = kBlue;      // the chosen mode's caption
constexpr Rgb kButtonText = kBlack; // the system colour of button texts

class ToroidTuning : public CoreForm {
  public:
    ToroidTuning() : CoreForm("frmsintoniatoro", data::ironPowderCores()) {}

  protected:
    void design() override {
        window("BOBINE DI SINTONIA CON NUCLEI TOROIDALI ");
        layoutInTwips();
        windowSize(8040, 6690);

        label("lblhelp1", "SELEZIONARE IL TOROIDE").as(Role::Title).at(240, 90, 4800, 345);
        coreList().at(240, 480, 2160, 315);
        result("lbldimensioni").at(2640, 510, 5160, 255);
        frame("Frame2", "dati conosciuti")
            .tip("EFFETTUARE UNA SCELTA")
            .hidden()
            .at(240, 2100, 3120, 1440);
        option("Option1", 0, "INDUTTANZA e CAPACITA'").at(360, 2400, 2880, 315);
        option("Option1", 1, "FREQUENZA e INDUTTANZA").at(360, 2760, 2880, 315);
        option("Option1", 2, "FREQUENZA e CAPACITA'").at(360, 3120, 2880, 315);
        endFrame();
        label("lblinput(0)").as(Role::Caption).at(3600, 2250, 1560, 255);
        input("txtinput1").hidden().at(5220, 2190, 1440, 315);
        label("lblumisura(0)").at(6720, 2250, 1080, 255);
        label("lblinput(1)").as(Role::Caption).at(3600, 2670, 1560, 255);
        input("txtinput2").hidden().at(5220, 2610, 1440, 315);
        label("lblumisura(1)").at(6720, 2670, 1080, 255);
        label("lblinput(2)").as(Role::Caption).at(3600, 3090, 1560, 255);
        result("lblinput(3)").at(5220, 3090, 1440, 255);
        label("lblumisura(2)").at(6720, 3090, 1080, 255);
        command("cmdcalcola", "", [this] { compute(); }).hidden().at(3600, 3720, 4200, 435);
        result("lblspire").at(3600, 4320, 4200, 255);
        frame("Frame1", kColourCodeFrame).hidden().at(240, 960, 7560, 1020);
        label("lblcolor").at(360, 1260, 7320, 255);
        label("lblcolore").at(360, 1620, 7320, 255);
        endFrame();
        label("lblhelp2", " IL RISULTATO E' TEORICO IN QUANTO LA PIU' O MENO OMOGENEA "
                          "DISTRIBUZIONE DELLE SPIRE MODIFICA    L' INDUTTANZA E GLI STESSI  "
                          "PRODUTTORI DEI TOROIDI DICHIARANO UNA TOLLERANZA DEL 20 % DELLA "
                          "PERMEABILITA'")
            .as(Role::Hint)
            .hidden()
            .at(240, 4800, 7560, 780);
        label("lblpunto", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO")
            .as(Role::Hint)
            .hidden()
            .at(240, 5700, 5400, 255);
        closeCommand("cmdesci", "E S C I").at(6480, 5580, 1320, 435);

        onSelect("cmbnucleo", [this] { selectCore(); });
        onOption("Option1", [this](int i) { chooseMode(i); });
    }

  private:
    // A mode can be chosen only once a core is.
    void selectCore() {
        takeCore();
        blank({"lblinput(3)", "lblspire"});
        show("Frame2");
        showMix();
        showSize();
        show("Frame1");
    }

    void chooseMode(int index) {
        blank({"lblinput(3)", "lblspire"});
        showAll({"txtinput1", "txtinput2", "cmdcalcola", "lblhelp2", "lblpunto"});
        for (int i = 0; i < static_cast<int>(kModes.size()); ++i)
            forecolor(controlName("Option1", i), i == index ? kChosen : kButtonText);
        const Choice& m = kModes.at(static_cast<std::size_t>(index));
        caption("lblinput(0)", m.first);
        caption("lblumisura(0)", m.firstUnit);
        caption("lblinput(1)", m.second);
        caption("lblumisura(1)", m.secondUnit);
        caption("lblinput(2)", m.result);
        caption("lblumisura(2)", m.resultUnit);
        caption("cmdcalcola", m.command);
    }

    void compute() {
        a = num("txtinput1");
        b = num("txtinput2");
        // A zero product is missing data, also when two tiny values
        // underflow to it. Negative values are refused in the same way:
        // every mode would otherwise take the square root of a negative
        // number, or show a capacitance for a negative frequency as if it
        // were a positive one.
        if (a * b == 0 || a < 0 || b < 0) return missingData("txtinput1");
        // The mode is read from the captions the last option click wrote.
        const std::string first = caption("lblinput(0)"), second = caption("lblinput(1)");
        if (first == kInductance && second == kCapacitance) {
            const double L = a, C = b;
            const double f = 159 / std::sqrt(L * C);
            caption("lblinput(3)", formatFixed(f, 3));
            N = 100 * std::sqrt(L / al);
        } else if (first == kFrequency && second == kInductance) {
            const double f = a, L = b;
            const double C = 25300 / (f * f * L);
            caption("lblinput(3)", formatFixed(C, 3));
            N = 100 * std::sqrt(L / al);
        } else if (first == kFrequency && second == kCapacitance) {
            const double f = a, C = b;
            const double L = 25300 / (f * f * C);
            caption("lblinput(3)", formatFixed(L, 3));
            N = 100 * std::sqrt(L / al);
        }
        caption("lblspire", "OCCORRONO " + formatFixed(N, 1) + " SPIRE");
    }

    double a = 0, b = 0; // the two known values, in the units of the mode
    double N = 0;        // the last number of turns
};

ETERO_FORM(ToroidTuning, "frmsintoniatoro");

} // namespace

} // namespace etero
