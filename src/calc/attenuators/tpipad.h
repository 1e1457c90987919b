// The T and pi pads between an input impedance and an equal or lower output
// impedance, for a chosen attenuation no smaller than the least the two
// impedances allow. The balanced pads split each series arm into two halves,
// one in each wire.
#pragma once

#include "pads.h"

#include "shell/form/form.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::attenuators {

class TPiPad : public Form {
  public:
    TPiPad(std::string name, bool balanced) : Form(std::move(name)), balanced_(balanced) {}

  protected:
    void design() override {
        window(balanced_ ? "ATTENUATORI  E  ADATTATORI  RESISTIVI  BILANCIATI"
                         : "ATTENUATORI  E  ADATTATORI RESISTIVI");
        field("Label1", "IMPEDENZA D' INGRESSO in OHM", "txtZI", "inserire i dati");
        field("Label2", "IMPEDENZA D' USCITA in OHM", "txtZO", "inserire i dati");
        field("Label3", "ATTENUAZIONE DESIDERATA in DB", "txtLD", "inserire i dati");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        label("Label4", "RETE a T").as(Role::OnDrawing);
        label("Label5", "RETE a P GRECO").as(Role::OnDrawing);
        for (const char* name : results())
            result(name, std::string(name, 3, 2)).as(Role::OnDrawing); // "R1" from "lblR1T"
        result("lblperdita");
        label("Label6", "L'IMPEDENZA D' INGRESSO DEVE ESSERE MAGGIORE O UGUALE ALL'IMPEDENZA D' "
                        "USCITA  QUANDO E' UGUALE NON SI HANNO PERDITE D' INSERZIONE")
            .as(Role::Hint);
        label("Label7", balanced_ ? "Quando le impedenze sono diverse, determinati valori di "
                                    "attenuazione non consentono il calcolo"
                                  : "DETERMINATI RAPPORTI DI IMPEDENZE DIVERSE POSSONO NON "
                                    "CONSENTIRE L'ATTENUAZIONE IMPOSTATA")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
        schematic();

        const std::vector<const char*> names = results();
        std::vector<std::string> cleared(names.begin(), names.end());
        cleared.push_back("lblperdita");
        blankOnInputChange(cleared);
    }

  private:
    std::vector<const char*> results() const {
        if (balanced_)
            return {"lblR1T", "lblR1Ta", "lblR2T", "lblR2Ta", "lblR3T",
                    "lblR1P", "lblR2P",  "lblR3P", "lblR3Pa"};
        return {"lblR1T", "lblR2T", "lblR3T", "lblR1P", "lblR2P", "lblR3P"};
    }

    // The T pad on the left, the pi pad on the right, input on the left of each.
    void schematic() {
        Drawing& d = drawing(560, 210);
        const double top = 70, bottom = 160;

        d.slot("Label4", 20, 12, 240, kLabelHeight, SlotAlign::Centre);
        ports(d, 20, 260, top, bottom);
        d.line(20, top, 50, top);
        seriesArm(d, 50, 130, top, "lblR1T", 80);
        d.line(130, top, 150, top);
        seriesArm(d, 150, 230, top, "lblR2T", 80);
        d.line(230, top, 260, top);
        if (balanced_) {
            d.line(20, bottom, 50, bottom);
            seriesArm(d, 50, 130, bottom, "lblR1Ta", 80, true);
            d.line(130, bottom, 150, bottom);
            seriesArm(d, 150, 230, bottom, "lblR2Ta", 80, true);
            d.line(230, bottom, 260, bottom);
        } else {
            d.line(20, bottom, 260, bottom);
        }
        shuntArm(d, 140, top, bottom, "lblR3T", 90, 1, (top + bottom) / 2);

        d.slot("Label5", 300, 12, 240, kLabelHeight, SlotAlign::Centre);
        ports(d, 300, 540, top, bottom);
        d.line(300, top, 370, top);
        seriesArm(d, 370, 470, top, "lblR3P", 100);
        d.line(470, top, 540, top);
        if (balanced_) {
            d.line(300, bottom, 370, bottom);
            seriesArm(d, 370, 470, bottom, "lblR3Pa", 100, true);
            d.line(470, bottom, 540, bottom);
        } else {
            d.line(300, bottom, 540, bottom);
        }
        shuntArm(d, 330, top, bottom, "lblR1P", 80, 1, (top + bottom) / 2);
        shuntArm(d, 510, top, bottom, "lblR2P", 80, -1, (top + bottom) / 2);
    }

    void compute() {
        double zi = num("txtZI"), zo = num("txtZO");
        const double a = num("txtLD");
        if (zi * zo * a <= 0) return missingData("txtZI");
        if (zi < zo) {
            warn("IMPEDENZA IN < IMPEDENZA OUT", "messaggio di errore");
            return focus("txtZI");
        }
        const double k = zi / zo;
        const double lmin = 10 * std::log10(std::pow(k + std::sqrt(k - 1), 2));
        if (a < lmin) {
            warn("DATI NON CONGRUI", "messaggio di errore");
            return focus("txtLD");
        }
        const double kp = std::pow(10.0, a / 10);

        // T network
        double r3 = (2 / (kp - 1)) * std::sqrt(kp * zi * zo);
        double ratio = (kp + 1) / (kp - 1);
        double r1 = zi * ratio - r3;
        double r2 = zo * ratio - r3;
        r1 = twoDecimals(r1);
        r2 = twoDecimals(r2);
        r3 = twoDecimals(r3);
        if (balanced_) {
            // each series arm halved between the two wires, not rounded again
            caption("lblR1T", formatLocale(r1 / 2));
            caption("lblR1Ta", formatLocale(r1 / 2));
            caption("lblR2T", formatLocale(r2 / 2));
            caption("lblR2Ta", formatLocale(r2 / 2));
        } else {
            caption("lblR1T", formatLocale(r1));
            caption("lblR2T", formatLocale(r2));
        }
        caption("lblR3T", formatLocale(r3));

        // pi network: the same formulas on conductances
        zi = 1 / zi;
        zo = 1 / zo;
        const double g3 = (2 / (kp - 1)) * std::sqrt(kp * zi * zo);
        const float ratioSingle = static_cast<float>((kp + 1) / (kp - 1));
        r3 = 1 / g3;
        r2 = 1 / (zo * ratioSingle - g3);
        r1 = 1 / (zi * ratioSingle - g3);
        caption("lblR1P", formatLocale(twoDecimals(r1)));
        caption("lblR2P", formatLocale(twoDecimals(r2)));
        const float series = static_cast<float>(twoDecimals(r3));
        if (balanced_) {
            const float half = series / 2;
            caption("lblR3P", formatLocale(half));
            caption("lblR3Pa", formatLocale(half));
        } else {
            caption("lblR3P", formatLocale(series));
        }

        caption("lblperdita", "PERDITA D'INSERZIONE " + formatLocale(twoDecimals(lmin)) + " dB");
    }

    bool balanced_;
};

} // namespace etero::attenuators
