// The third quantity of a tuned circuit from the other two: the resonant
// frequency of an inductance and a capacitance, or the capacitance or the
// inductance that resonates with the other at a frequency.
#include "resonance.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <array>
#include <cmath>

namespace etero::resonance {

namespace {

inline constexpr const char* kInductance = "INDUTTANZA :";
inline constexpr const char* kCapacitance = "CAPACITA' :";
inline constexpr const char* kFrequency = "FREQUENZA :";

struct Known {
    std::array<const char*, 3> captions; // lblinput(0), lblinput(1), lblinput(2)
    std::array<const char*, 3> units;    // lblumisura(0), lblumisura(1), lblumisura(2)
};

// For each option: the two known quantities and the one computed.
constexpr std::array<Known, 3> kKnown{{
    {{kInductance, kCapacitance, kFrequency}, {" microH", " pF", " MHz"}},
    {{kFrequency, kInductance, kCapacitance}, {" MHz", " microH", " pF"}},
    {{kFrequency, kCapacitance, kInductance}, {" MHz", " pF", " microH"}},
}};

class ValInduttanza : public ResonanceForm {
  public:
    ValInduttanza() : ResonanceForm("frmvalinduttanza") {}

  protected:
    void design() override {
        window("Calcolo dei parametri di un circuito con  Induttanza e Capacità");
        layoutInTwips();
        frame("Frame1", "dati conosciuti").at(120, 120, 4800, 1440);
        option("Option1", 0, "INDUTTANZA e CAPACITA'").at(360, 390, 4320, 315);
        option("Option1", 1, "FREQUENZA e INDUTTANZA").at(360, 750, 4320, 315);
        option("Option1", 2, "FREQUENZA e CAPACITA'").at(360, 1110, 4320, 315);
        endFrame();
        label("Label1", "USARE IL PUNTO PER SEPARARE I DECIMALI")
            .as(Role::Hint)
            .at(5160, 360, 2160, 720);

        // Each row: what the value is, the value, its unit.
        field("lblinput(0)", "", "txtinput1").at(1800, 1800, 2280, 315);
        control("lblinput(0)").at(120, 1860, 1560, 255);
        label("lblumisura(0)").as(Role::Caption).at(4200, 1860, 1080, 255);
        field("lblinput(1)", "", "txtinput2").at(1800, 2280, 2280, 315);
        control("lblinput(1)").at(120, 2340, 1560, 255);
        label("lblumisura(1)").as(Role::Caption).at(4200, 2340, 1080, 255);
        label("lblinput(2)").as(Role::Caption).at(120, 2820, 1560, 255);
        result("lblinput(3)").at(1800, 2760, 2280, 315);
        label("lblumisura(2)").as(Role::Caption).at(4200, 2820, 1080, 255);

        command("cmdcalcola", "CALCOLA", [this] { compute(); }).at(5400, 1800, 1920, 435);
        command("cmdchiamabobine", "DATI PRATICI COSTRUZIONE BOBINE IN ARIA", [this] {
            companionBeside("frmbobine", 3000);
        }).at(120, 3360, 4560, 435);
        command("cmdchiamatoroidi", "NUCLEI TOROIDALI  AMIDON", [this] {
            openBeside("frmamidon", 180, 180);
        }).at(4800, 3360, 2520, 435);
        closeCommand("cmdesci", "ESCI").at(5400, 2700, 1920, 435);

        onOption("Option1", [this](int i) { choose(i); });
    }

  private:
    void choose(int index) {
        const Known& k = kKnown.at(static_cast<std::size_t>(index));
        blank({"lblinput(3)"});
        for (int i = 0; i < 3; ++i)
            caption(controlName("lblinput", i), k.captions.at(static_cast<std::size_t>(i)));
        for (int i = 0; i < 3; ++i)
            caption(controlName("lblumisura", i), k.units.at(static_cast<std::size_t>(i)));
    }

    void compute() {
        a = static_cast<float>(num("txtinput1"));
        b = static_cast<float>(num("txtinput2"));
        if (a * b == 0) return missingData("txtinput1");
        if (a * b < 0) return;
        // The mode is read from what the two inputs are labelled.
        const std::string first = caption("lblinput(0)"), second = caption("lblinput(1)");
        double x = 0;
        if (first == kInductance && second == kCapacitance)
            x = 159 / std::sqrt(static_cast<double>(a * b)); // the frequency
        else if (first == kFrequency && (second == kInductance || second == kCapacitance))
            x = 25300 / (std::pow(a, 2.0) * b); // the capacitance, or the inductance
        else
            return;
        caption("lblinput(3)", formatPattern(x, "#,##0.###"));
    }

    float a = 0, b = 0; // the two known values, single precision
};

ETERO_FORM(ValInduttanza, "frmvalinduttanza");

} // namespace

} // namespace etero::resonance
