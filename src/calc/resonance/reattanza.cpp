// The reactance of an inductance or of a capacitance at a frequency.
#include "resonance.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::resonance {

namespace {

class Reattanza : public ResonanceForm {
  public:
    Reattanza() : ResonanceForm("frmreattanza") {}

  protected:
    void design() override {
        window("Reattanza ");
        frame("Frame1", "Tipo di Reattanza");
        options("Option1", 0, {"REATTANZA  INDUTTIVA", "REATTANZA CAPACITIVA"});
        endFrame();
        field("lblinput(0)", "", "txtinput(0)");
        field("lblinput(1)", "", "txtinput(1)");
        label("lblinput(2)").as(Role::Caption);
        result("lblinput(3)");
        label("lblfantasma").as(Role::Hint);
        label("Label1", "L'uso dei Mhz e dei micro Henry ottimizza il calcolo per le HF")
            .as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        command("cmdchiamabobine", "Costruzione bobine",
                [this] { companionBeside("frmbobine", 2800); });
        closeCommand("cmnesci", "ESCI");

        onOption("Option1", [this](int i) { choose(i); });
        blankOnInputChange({"lblinput(3)"});
    }

  private:
    // The chosen kind in red, its formula and units.
    void choose(int index) {
        if (index == 0) {
            forecolor("Option1(0)", kRed);
            forecolor("Option1(1)", kBlack);
            caption("lblfantasma",
                    "XL in Ohm = 6,28 x Mhz x induttanza in " + std::string(kMicro) + "H");
            caption("lblinput(0)", "Mhz");
            caption("lblinput(1)", "microH");
            caption("lblinput(2)", "XL Ohm");
        } else {
            forecolor("Option1(1)", kRed);
            forecolor("Option1(0)", kBlack);
            caption("lblfantasma", "XC in Ohm = 159.000 : (Mhz x pF)");
            caption("lblinput(0)", "Mhz");
            caption("lblinput(1)", "picoF");
            caption("lblinput(2)", "XC Ohm");
        }
        blank({"lblinput(3)"});
    }

    void compute() {
        f = num("txtinput(0)");
        x = num("txtinput(1)");
        if (f * x <= 0) return missingData("txtinput(0)");
        if (isOn("Option1(0)"))
            caption("lblinput(3)", formatFixed(6.28 * f * x, 3));
        else
            caption("lblinput(3)", formatFixed(159000 / (f * x), 3));
    }

    double f = 0, x = 0;
};

ETERO_FORM(Reattanza, "frmreattanza");

} // namespace

} // namespace etero::resonance
