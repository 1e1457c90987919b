// Decibels and signal ratios: a gain or attenuation in decibels gives the
// voltage and power ratios (with a worked example that the window grows to
// show), or two voltages or two powers give the decibels between them.
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero {

namespace {

// The window's normal place and size, set on opening and on every option
// click; a mode-0 computation moves it up and grows it to show the example.
constexpr int kLeft = 2100, kTop = 2000, kWidth = 7890, kHeight = 4900;
constexpr int kGrownTop = 1000, kGrownHeight = 6700;

constexpr const char* kOnlyPositive = "SOLO VALORI POSITIVI";

class Decibel : public Form {
  public:
    Decibel() : Form("frmdB") {}

  protected:
    void design() override {
        window("CONVERSIONI TRA DECIBEL E VARIAZIONI DI SEGNALE");
        layoutInTwips();
        const std::string tip = "inserire i dati e cliccare \"Calcola\"";

        label("Label1", "Il decibel (dB) è un'unità di misura logaritmica che indica il rapporto "
                        "esistente tra il segnale applicato all'ingresso e il segnale prelevato "
                        "all'uscita di un dispositivo. Il Decibel può esprimere un guadagno o una "
                        "attenuazione.")
            .as(Role::Hint)
            .at(120, 60, 7530, 780);
        frame("Frame1", " Opzioni di calcolo ").at(120, 900, 4560, 1500);
        option("Option1", 0, "NOTI I DECIBEL TROVARE LA VARIAZIONE IN TENSIONE E IN POTENZA")
            .at(240, 1140, 4320, 390);
        option("Option1", 1, "NOTE LE TENSIONI DI ENTRATA E USCITA TROVARE I DECIBEL")
            .at(240, 1560, 4320, 390);
        option("Option1", 2, "NOTE LE POTENZE DI ENTRATA E USCITA TROVARE I DECIBEL")
            .at(240, 1980, 4320, 390);
        endFrame();
        label("Label2", "per separare i decimali usare il punto")
            .as(Role::Hint)
            .at(4920, 1140, 2730, 450);

        // Inputs on the left, results on the right, on the same rows.
        field("lblinput1", "DECIBEL", "txtinput1", tip);
        control("lblinput1").at(120, 2640, 2100, 255);
        control("txtinput1").at(2280, 2580, 1200, 315);
        field("lblinput2", "", "txtinput2", tip).hidden().at(2280, 3000, 1200, 315);
        control("lblinput2").hidden().at(120, 3060, 2100, 255);
        label("lbloutput1", "RAPPORTO  in TENSIONE").as(Role::Caption).at(3720, 2640, 2340, 255);
        result("lblout1").at(6120, 2580, 1530, 315);
        label("lbloutput2", "RAPPORTO in POTENZA").as(Role::Caption).at(3720, 3060, 2340, 255);
        result("lblout2").at(6120, 3000, 1530, 315);
        result("lblvariazione").hidden().at(3720, 3420, 3930, 255);

        label("Label11", " dopo l'inserimento cliccare su CALCOLA  --->")
            .as(Role::Hint)
            .at(120, 3900, 5040, 255);
        command("cmdcalcola", "CALCOLA", [this] { compute(); }).at(5280, 3810, 1140, 435);
        closeCommand("cmdesci", "E S C I").at(6510, 3810, 1140, 435);

        // The worked example, below the part of the window the normal size shows.
        label("Label3", "  Facciamo un esempio ").as(Role::Title).at(120, 4920, 2700, 255);
        label("Label4", "In un dispositivo che presenta un guadagno o una attenuazione di DB :")
            .as(Role::Caption)
            .at(120, 5250, 5700, 255);
        result("lbldbesempio").at(5880, 5250, 1200, 255);
        field("Label5", "se si applica in ingresso una tensione di  :", "txtvoltesempio",
              "IL CALCOLO E'  INDIPENDENTE DALL'UNITA' DI MISURA")
            .at(5880, 5520, 1200, 315);
        control("Label5").at(120, 5580, 5700, 255);
        label("Label6", "si ottengono in uscita :").as(Role::Caption).at(120, 5940, 2340, 255);
        label("Label7", "in guadagno  : ").as(Role::Caption).at(2520, 5940, 1260, 255);
        result("Label9").at(3780, 5940, 1260, 255);
        label("Label8", " in attenuazione  : ").as(Role::Caption).at(5040, 5940, 1500, 255);
        result("Label10").at(6540, 5940, 1110, 255);

        onOption("Option1", [this](int i) { choose(i); });
        onChange("txtinput1", [this] {
            text("txtvoltesempio", "");
            caption("lbldbesempio", "");
        });
        onChange("txtvoltesempio", [this] { example(); });
    }

    void load() override { windowPlace(kLeft, kTop, kWidth, kHeight); }

  private:
    void choose(int index) {
        resizeWindow(kWidth, kHeight);
        moveWindow(kLeft, kTop);
        switch (index) {
        case 0:
            caption("lblinput1", "DECIBEL");
            showAll({"lblinput2", "txtinput2"}, false);
            caption("lbloutput1", "RAPPORTO  in TENSIONE");
            showAll({"lbloutput2", "lblout2"});
            caption("lbloutput2", "RAPPORTO in POTENZA");
            break;
        case 1:
            caption("lblinput1", "TENSIONE ENTRATA");
            showAll({"lblinput2", "txtinput2"});
            caption("lblinput2", "TENSIONE USCITA");
            caption("lbloutput1", "DECIBEL");
            showAll({"lbloutput2", "lblout2"}, false);
            break;
        case 2:
            caption("lblinput1", "POTENZA ENTRATA");
            showAll({"lblinput2", "txtinput2"});
            caption("lblinput2", "POTENZA USCITA");
            caption("lbloutput1", "DECIBEL");
            showAll({"lbloutput2", "lblout2"}, false);
            break;
        }
        hide("lblvariazione");
    }

    void compute() {
        dB = num("txtinput1");
        if (dB < 0) {
            warn(kOnlyPositive, kErrorTitle);
            return focus("txtinput1");
        }
        const int mode = selected("Option1");
        if (mode == 0) {
            if (dB > 70) {
                warn("MASSIMO DB CALCOLABILE = 70", kErrorTitle);
                focus("txtinput1");
            } else {
                const double vr = std::pow(10.0, dB / 20);
                const double pr = vr * vr;
                Vr = formatPattern(vr, "#,##0.###");
                Pr = formatPattern(pr, "#,##0.###");
                caption("lblout1", Vr);
                caption("lblout2", Pr);
            }
            // The rejected value above 70 still brings the example into view.
            moveWindow(kLeft, kGrownTop);
            resizeWindow(kWidth, kGrownHeight);
            caption("lbldbesempio", formatLocale(dB));
        } else if (mode == 1 || mode == 2) {
            out = num("txtinput2");
            if (dB * out <= 0) {
                warn(kOnlyPositive, kErrorTitle);
                return focus("txtinput1");
            }
            double ratio = 0;
            if (dB <= out) {
                ratio = out / dB;
                caption("lblvariazione", "DB di GUADAGNO");
            } else {
                ratio = dB / out;
                caption("lblvariazione", "DB di ATTENUAZIONE");
            }
            const double factor = mode == 1 ? 20 : 10; // voltages : powers
            D = std::log(ratio) / std::log(10.0) * factor;
            caption("lblout1", formatPattern(D, "#0.##"));
            show("lblvariazione");
        }
    }

    // The example uses the voltage ratio as last shown; before any ratio was
    // shown its empty text cannot be read back, which abandons the handler.
    void example() {
        v = static_cast<float>(num("txtvoltesempio"));
        caption("Label9", formatPattern(v * parseLocale(Vr), "#,##0.###"));
        caption("Label10", formatPattern(v / parseLocale(Vr), "#,##0.###"));
    }

    double dB = 0;      // the decibels, or the input value in modes 1 and 2
    double out = 0;     // the output value in modes 1 and 2
    std::string Vr, Pr; // voltage and power ratios as shown
    double D = 0;       // the decibels between input and output
    float v = 0;        // the example's input voltage, single precision
};

ETERO_FORM(Decibel, "frmdB");

} // namespace

} // namespace etero
