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
        const int chosen = selected("Option1");
        if (chosen >= 0) {
            const double first[] = {a / b, a / b, b / a, a * b, b / a, std::sqrt(a * b)};
            const double second[] = {a * b, a * a / b, a * a / b, a * a * b, b / (a * a),
                                     std::sqrt(b / a)};
            caption("lblinput(4)", formatPattern(first[chosen], "#,##0.###"));
            caption("lblinput(5)", formatPattern(second[chosen], "#,##0.###"));
        }
        showAll({"lblinput(2)", "lblinput(3)"});
    }

    double a = 0, b = 0; // the two known values, kept between events
};

ETERO_FORM(LeggeDiOhm, "frmleggediohm");

} // namespace

} // namespace etero
