// The two-resistor voltage divider: the voltage across each resistor and the
// current through both, for a given supply. The results stay in view when an
// input changes, but never after a refusal or a fault.
#include "shell/app/registry.h"
#include "shell/form/form.h"
#include "shell/number/number.h"

#include <cmath>
#include <string>

namespace etero::resistors {

namespace {

class Partitori : public Form {
  public:
    Partitori() : Form("frmpartitori") {}

  protected:
    void design() override {
        window("PARTITORI RESISTIVI");
        field("Label1", "TENSIONE DI ALIMENTAZIONE", "txtV", "usa il punto per i decimali");
        field("Label2", "VALORE di R 1 in OHM", "txtR1");
        field("Label3", "VALORE di R 2 in OHM", "txtR2");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        label("Label4", "R1").as(Role::OnDrawing);
        label("Label5", "R2").as(Role::OnDrawing);
        result("lblV1").as(Role::OnDrawing);
        result("lblV2").as(Role::OnDrawing);
        result("lblV", "Volt").as(Role::OnDrawing);
        result("lblcorrente").as(Role::OnDrawing);
        schematic();
        label("Label6", "FISSATI I VALORI DELLA TENSIONE DI ALIMENTAZIONE E DELLE RESISTENZE, SI "
                        "OTTENGONO LE RISPETTIVE TENSIONI PARZIALI")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
    }

  private:
    // The supply on the left; R1 over R2 on the right, from the supply's
    // positive wire down to the earthed return; the current along the top.
    void schematic() {
        Drawing& d = drawing(400, 250);
        const double bat = 70, x = 250, top = 50, mid = 140, bottom = 230;
        d.line(bat, top, bat, 130);
        d.line(bat - 20, 130, bat + 20, 130).penWidth = 2;
        d.line(bat - 10, 138, bat + 10, 138).penWidth = 4;
        d.line(bat, 138, bat, bottom);
        d.text(bat - 26, 126, "+", 9, Anchor::CentredOn);
        d.slot("lblV", bat + 26, 126, 110, 16, SlotAlign::Left);
        d.line(bat, top, x, top);
        d.polyline({155, top - 5, 163, top, 155, top + 5}).penWidth = 1;
        d.slot("lblcorrente", 40, 18, 320, 16, SlotAlign::Centre);
        d.resistor(x, top, mid - top, Dir::Down);
        d.resistor(x, mid, bottom - mid, Dir::Down);
        d.dot(x, mid);
        d.slot("Label4", x - 50, (top + mid) / 2 - 8, 38, 16, SlotAlign::Right);
        d.slot("Label5", x - 50, (mid + bottom) / 2 - 8, 38, 16, SlotAlign::Right);
        d.slot("lblV1", x + 14, (top + mid) / 2 - 8, 130, 16, SlotAlign::Left);
        d.slot("lblV2", x + 14, (mid + bottom) / 2 - 8, 130, 16, SlotAlign::Left);
        d.line(bat, bottom, x, bottom);
        d.ground(160, bottom);
        d.dot(160, bottom);
    }

    void compute() {
        // A refusal or a fault leaves nothing of an earlier computation in view.
        blank({"lblV1", "lblV2", "lblcorrente"});
        caption("lblV", "Volt");
        V = num("txtV");
        R1 = num("txtR1");
        R2 = static_cast<float>(num("txtR2"));
        if (V * R1 * R2 == 0) return missingData("txtV");
        I = static_cast<float>(V / (R1 + R2));
        V1 = formatFixed(R1 * I, 2);
        V2 = formatFixed(I * R2, 2);
        caption("lblV1", "Volt " + V1);
        caption("lblV2", "Volt " + V2);
        I = static_cast<float>(roundThroughFixed(I, 4));
        I = std::fabs(I);
        if (I >= 1)
            caption("lblcorrente", "LA CORRENTE E' :  " + formatLocale(I) + "  Amp.");
        else
            caption("lblcorrente", "LA CORRENTE E' :  " +
                                       formatLocale(static_cast<float>(I * 1000)) + "  milliAmp.");
        caption("lblV", "V. " + formatLocale(V));
    }

    double V = 0, R1 = 0; // volts, ohms
    float R2 = 0, I = 0;  // ohms, amperes
    std::string V1, V2;   // the two partial voltages, as shown
};

ETERO_FORM(Partitori, "frmpartitori");

} // namespace

} // namespace etero::resistors
