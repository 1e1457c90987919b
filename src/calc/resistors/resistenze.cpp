// Two resistors in series and in parallel, each total in the unit that suits
// its size; and the inverse problem: the resistor to put in parallel with
// one at hand to obtain a lower value. Two independent calculators in one
// window. A result stays in view when an input changes, but never after a
// refusal or a fault of its own calculator.
#include "shell/app/registry.h"
#include "shell/form/form.h"
#include "shell/number/number.h"

#include <string>

namespace etero::resistors {

namespace {

// A value in ohms as number and unit word: ohms up to 1000, kiloohms from
// 1001, megaohms from 1000001.
std::string inUnits(double v) {
    if (v < 1001) return formatFixed(v, 1) + "  " + "Ohm";
    if (v < 1000001) return formatFixed(v / 1000, 1) + "  " + "KiloOhm";
    return formatFixed(v / 1000000, 2) + "  " + "MegaOhm";
}

// Three carbon resistors with their colour bands: 1 kilohm, 470 ohm, 22 kilohm.
Drawing carbonResistors() {
    constexpr Rgb kBody = 0xD8C08A, kBrown = 0x7B3F00, kRed = 0xD01010, kOrange = 0xF08000,
                  kYellow = 0xF0D000, kViolet = 0x8020A0, kGold = 0xC09020;
    const Rgb bands[3][4] = {{kBrown, kBlack, kRed, kGold},
                             {kYellow, kViolet, kBrown, kGold},
                             {kRed, kRed, kOrange, kGold}};
    Drawing d(240, 120);
    for (int i = 0; i < 3; ++i) {
        const double y = 24 + 36 * i;
        d.line(10, y, 70, y);
        d.line(170, y, 230, y);
        Shape& body = d.rect(70, y - 11, 100, 22);
        body.filled = true;
        body.fill = kBody;
        for (int b = 0; b < 4; ++b) {
            Shape& band = d.rect(b == 3 ? 150 : 84 + 14 * b, y - 11, 7, 22);
            band.filled = true;
            band.fill = bands[i][b];
            band.pen = bands[i][b];
        }
    }
    return d;
}

class Resistenze : public Form {
  public:
    Resistenze() : Form("frmresistenze") {}

  protected:
    void design() override {
        window("RESISTENZE IN SERIE E IN PARALLELO");
        frame("Frame1");
        field("Label1", "Ohm prima resistenza :", "txtR1", "il punto per separare i decimali");
        field("Label2", "Ohm seconda resistenza :", "txtR2", "il punto per separare i decimali");
        command("cmdcalcola", "CALCOLA", [this] { seriesParallel(); }).tip("abilita il calcolo");
        result("lblserie");
        result("lblparallelo");
        endFrame();
        frame("Frame2", "OPERAZIONE INVERSA NEL CALCOLO DELLE RESISTENZE IN PARALLELO");
        field("Label3", "VALORE IN OHM DELLA RESISTENZA A DISPOSIZIONE", "txtra");
        field("Label4",
              "OHM DELLA RESISTENZA CHE SI VUOLE OTTENERE    che ovviamente sarà inferiore al "
              "valore di quella a disposizione",
              "txtrt");
        command("cmdesegui", "CALCOLA", [this] { inverse(); });
        result("lblresrichiesta").hidden();
        endFrame();
        label("Label5",
              "LA RESISTENZA RISULTANTE DI DUE (O PIU') RESISTENZE IN PARALLELO ASSUME UN "
              "VALORE SEMPRE INFERIORE A QUELLO DELLA RESISTENZA MINORE. SPESSO OCCORRE "
              "TROVARE IL VALORE DELLA RESISTENZA DA PORRE IN PARALLELO AD UN'ALTRA PER "
              "OTTENERE UN VALORE DESIDERATO (NON STANDARD)")
            .as(Role::Hint);
        frame("Frame3", "RESISTORI TUBOLARI A CARBONE");
        picture("Picture1", carbonResistors());
        endFrame();
        closeCommand("cmdesci", "").tip("chiude l'applicazione").picture = "exit";
        closeCommand("cmdexit", "E S C I").tip("chiude l'applicazione");
    }

  private:
    void seriesParallel() {
        // A refusal or a fault leaves no totals of earlier values in view.
        blank({"lblserie", "lblparallelo"});
        R1 = num("txtR1");
        R2 = num("txtR2");
        if (R1 * R2 <= 0) return missingData("txtR1");
        S = R1 + R2;
        P = R1 * R2 / (R1 + R2);
        caption("lblserie", "OHM SERIE =  " + inUnits(S));
        caption("lblparallelo", "OHM PARALLELO =  " + inUnits(P));
    }

    void inverse() {
        hide("lblresrichiesta");
        Ra = num("txtra");
        Rt = num("txtrt");
        if (Ra * Rt <= 0) return missingData("txtra");
        if (Rt >= Ra) {
            warn("la resistenza desiderata è sempre inferiore", kErrorTitle);
            return focus("txtra");
        }
        Rp = roundThroughFixed(1 / (1 / Rt - 1 / Ra), 0);
        caption("lblresrichiesta",
                "LA RESISTENZA DA PORRE IN PARALLELO E' DI Ohm " + formatLocale(Rp));
        show("lblresrichiesta");
    }

    double R1 = 0, R2 = 0, S = 0, P = 0; // the two resistors, series, parallel
    double Ra = 0, Rt = 0, Rp = 0;       // at hand, wanted, to put in parallel
};

ETERO_FORM(Resistenze, "frmresistenze");

} // namespace

} // namespace etero::resistors
