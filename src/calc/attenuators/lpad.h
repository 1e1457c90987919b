// The minimum-loss L pad between a higher input impedance and a lower output
// impedance: a series arm on the input side and a shunt arm across the
// output. The balanced pad splits the series arm into two halves, one in
// each wire.
#pragma once

#include "pads.h"

#include "shell/form/form.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::attenuators {

class LPad : public Form {
  public:
    LPad(std::string name, bool balanced) : Form(std::move(name)), balanced_(balanced) {}

  protected:
    void design() override {
        window(balanced_ ? "RETI AD ELLE   BILANCIATE" : "RETI AD ELLE");
        field("Label1", "IMPEDENZA D' INGRESSO in OHM", "txtRH", "inserire i dati");
        label("Label2", "lato impedenza maggiore").as(Role::Hint);
        field("Label3", "IMPEDENZA D' USCITA in OHM", "txtRL", "inserire i dati");
        label("Label4", "lato impedenza minore").as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblR1", "R1").as(Role::OnDrawing);
        if (balanced_) result("lblR1a", "R1").as(Role::OnDrawing);
        result("lblR2", "R2").as(Role::OnDrawing);
        result("lblperdita");
        label("Label5", "L'IMPEDENZA D' INGRESSO DEVE ESSERE MAGGIORE DELL'IMPEDENZA D' USCITA")
            .as(Role::Hint);
        label("Label6", "La rete a L è la più semplice rete idonea ad adattare due impedenze "
                        "diverse ")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
        schematic();

        if (balanced_)
            blankOnInputChange({"lblR1", "lblR1a", "lblR2", "lblperdita"});
        else
            blankOnInputChange({"lblR1", "lblR2", "lblperdita"});
    }

  private:
    // Input on the left: the series arm first, then the shunt arm across the output.
    void schematic() {
        Drawing& d = drawing(400, 200);
        const double left = 30, right = 370, top = 60, bottom = 150;
        ports(d, left, right, top, bottom);
        d.line(left, top, 90, top);
        seriesArm(d, 90, 210, top, "lblR1", 110);
        d.line(210, top, right, top);
        if (balanced_) {
            d.line(left, bottom, 90, bottom);
            seriesArm(d, 90, 210, bottom, "lblR1a", 110, true);
            d.line(210, bottom, right, bottom);
        } else {
            d.line(left, bottom, right, bottom);
        }
        shuntArm(d, 290, top, bottom, "lblR2", 72, 1, (top + bottom) / 2);
    }

    void compute() {
        const double rh = num("txtRH"), rl = num("txtRL");
        if (rh * rl <= 0) return missingData("txtRH");
        if (rh <= rl) {
            warn("L'impedenza IN deve essere maggiore dell'impedenza OUT", "messaggio di errore");
            return focus("txtRH");
        }
        double r1 = std::sqrt(rh * (rh - rl));
        if (balanced_) r1 = r1 / 2;
        const double r2 = std::sqrt(rh * rl * rl / (rh - rl));
        float loss = static_cast<float>(10 * std::log10(std::pow((rl + r2) / r2, 2) * rh / rl));
        loss = static_cast<float>(roundThroughFixed(loss, 2));
        caption("lblR1", formatFixed(r1, 1));
        if (balanced_) caption("lblR1a", caption("lblR1"));
        caption("lblR2", formatFixed(r2, 1));
        caption("lblperdita", "L'ATTENUAZIONE E' " + formatLocale(loss) + " dB");
    }

    bool balanced_;
};

} // namespace etero::attenuators
