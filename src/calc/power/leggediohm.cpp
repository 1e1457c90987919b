// Ohm's law and power: any two of volts, amperes, ohms and watts give the
// other two.
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <array>
#include <cmath>

namespace etero {

namespace {

struct Choice {
    const char* formulas;
    const char* firstInput;
    const char* secondInput;
    const char* firstResult;
    const char* secondResult;
};

// For each option: the formulas shown, the names of the two known values and
// of the two results.
constexpr std::array<Choice, 6> kChoices{{
    {"R = V : I     W= V x I", "VOLT :", "AMPER :", "OHM :", "WATT :"},
    {"I = V : R     W = (V x V) : R", "VOLT :", "OHM :", "AMPER :", "WATT :"},
    {"I = W : V     R = (V x V) : W", "VOLT :", "WATT :", "AMPER :", "OHM :"},
    {"V = I x R     W = (I x I) x R", "AMPER :", "OHM :", "VOLT :", "WATT :"},
    {"V = W : I     R = W : (I x I)", "AMPER :", "WATT :", "VOLT :", "OHM :"},
    {"V = radice(R x W)   I = radice( W : R)", "OHM :", "WATT :", "VOLT :", "AMPER :"},
}};

class LeggeDiOhm : public Form {
  public:
    LeggeDiOhm() : Form("frmleggediohm") {}

  protected:
    void design() override {
        window("POTENZA - TENSIONE - CORRENTE - RESISTENZA");
        frame("Frame1", "dati conosciuti").tip("effettuare una scelta");
        options("Option1", 0,
                {"VOLT  e  AMPERE", "VOLT e  OHM", "VOLT e  WATT", "AMPERE e OHM", "AMPERE e  WATT",
                 "OHM e  WATT"});
        endFrame();
        field("lblinput(0)", "", "txtinput1", "immissione dato");
        field("lblinput(1)", "", "txtinput2", "immissione dato");
        label("lblinput(2)").as(Role::Caption).hidden();
        result("lblinput(4)");
        label("lblinput(3)").as(Role::Caption).hidden();
        result("lblinput(5)");
        label("lblformule").as(Role::Hint);
        label("Label1", "USARE IL PUNTO PER SEPARARE I DECIMALI").as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); }).tip("abilita il calcolo");
        closeCommand("cdmesci", "CHIUDI").tip("esce dall'applicazione");

        onOption("Option1", [this](int i) { choose(i); });
        blankOnInputChange({"lblinput(4)", "lblinput(5)"});
    }

  private:
    void choose(int index) {
        const Choice& c = kChoices.at(static_cast<std::size_t>(index));
        blank({"lblinput(4)", "lblinput(5)"});
        caption("lblformule", c.formulas);
        caption("lblinput(0)", c.firstInput);
        caption("lblinput(1)", c.secondInput);
        caption("lblinput(2)", c.firstResult);
        caption("lblinput(3)", c.secondResult);
    }

    void compute() {
        a = num("txtinput1");
        b = num("txtinput2");
        if (a * b <= 0) return missingData("txtinput1");
        // Only the chosen option's formulas are evaluated, each just before its
        // caption is written: a fault in the second result (an overflow, or a
        // square that underflows to zero and is divided by) stops the handler
        // with the first result already shown, and a formula of another option
        // can never fault this one.
        switch (selected("Option1")) {
        case 0: // volts and amperes
            showFirst(a / b);
            showSecond(a * b);
            break;
        case 1: // volts and ohms
            showFirst(a / b);
            showSecond(a * a / b);
            break;
        case 2: // volts and watts
            showFirst(b / a);
            showSecond(a * a / b);
            break;
        case 3: // amperes and ohms
            showFirst(a * b);
            showSecond(a * a * b);
            break;
        case 4: // amperes and watts
            showFirst(b / a);
            showSecond(b / (a * a));
            break;
        case 5: // ohms and watts
            showFirst(std::sqrt(a * b));
            showSecond(std::sqrt(b / a));
            break;
        default:
            break;
        }
        showAll({"lblinput(2)", "lblinput(3)"});
    }

    void showFirst(double value) { caption("lblinput(4)", formatPattern(value, "#,##0.###")); }
    void showSecond(double value) { caption("lblinput(5)", formatPattern(value, "#,##0.###")); }

    double a = 0, b = 0; // the two known values, kept between events
};

ETERO_FORM(LeggeDiOhm, "frmleggediohm");

} // namespace

} // namespace etero
