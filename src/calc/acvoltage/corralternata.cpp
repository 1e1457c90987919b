// An alternating quantity in time: wavelength, frequency, angular frequency
// and period, any one of them giving the other three.
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <array>

namespace etero::acvoltage {

namespace {

constexpr std::array<const char*, 4> kInputCaptions{
    "METRI :", "FREQUENZA IN KHz :", "PULSAZIONE/SECONDO :", "PERIODO/millisecondi:"};

const std::vector<std::string> kResults{"lbloutput1", "lbloutput2", "lbloutput3"};

class CorrAlternata : public Form {
  public:
    CorrAlternata() : Form("frmcorralternata") {}

  protected:
    void design() override {
        window("CORRENTE ALTERNATA IN FUNZIONE DEL TEMPO");
        frame("Frame1", "dato conosciuto").tip("effettuare una scelta");
        options("Option1", 0, {"METRI", "FREQUENZA", "PULSAZIONE", "PERIODO"});
        endFrame();
        field("lblselezione", "", "txtinput", "immissione dato");
        for (const std::string& name : kResults)
            result(name);
        label("Label1", "PERIODO   FREQUENZA  e  PULSAZIONE  definiscono una grandezza alternata "
                        "in funzione del tempo")
            .as(Role::Hint);
        label("Label2", "SEPARARE I DECIMALI CON IL PUNTO").as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); }).tip("abilita il calcolo");
        closeCommand("cdmesci", "CHIUDI").tip("esce dall'applicazione");

        onOption("Option1", [this](int i) { choose(i); });
        blankOnInputChange(kResults);
    }

  private:
    void choose(int index) {
        text("txtinput", "");
        blank(kResults);
        caption("lblselezione", kInputCaptions.at(static_cast<std::size_t>(index)));
    }

    void compute() {
        x = num("txtinput");
        if (x <= 0) return missingData("txtinput");
        switch (selected("Option1")) {
        case 0: // metres
            fk = 300000 / x;
            omega = 6.2832 * fk * 1000;
            T = roundThroughFixed(1 / fk, 6);
            caption("lbloutput1", frequencyCaption());
            caption("lbloutput2", omegaCaption());
            caption("lbloutput3", periodCaption());
            break;
        case 1: // kHz
            lambda = 300000 / x;
            omega = 6.2832 * x * 1000;
            T = roundThroughFixed(1 / x, 6);
            caption("lbloutput1", lambdaCaption());
            caption("lbloutput2", omegaCaption());
            caption("lbloutput3", periodCaption());
            break;
        case 2: // radians per second
            fk = x / 6283.2;
            lambda = 300000 / fk;
            T = roundThroughFixed(1 / fk, 6);
            caption("lbloutput1", frequencyCaption());
            caption("lbloutput2", lambdaCaption());
            caption("lbloutput3", periodCaption());
            break;
        case 3: // milliseconds
            omega = 6283 / x;
            fk = omega / 6283;
            lambda = 300000 / fk;
            caption("lbloutput1", frequencyCaption());
            caption("lbloutput2", omegaCaption());
            caption("lbloutput3", lambdaCaption());
            break;
        default:
            break;
        }
    }

    std::string frequencyCaption() const {
        return "LA FREQUENZA E'  " + formatFixed(fk, 2) + " Khz";
    }
    std::string omegaCaption() const {
        return "LA PULSAZIONE E'  " + formatFixed(omega, 2) + " RADIANTI SECONDO";
    }
    std::string lambdaCaption() const {
        return "CORRISPONDE A  " + formatFixed(lambda, 2) + " METRI";
    }
    std::string periodCaption() const {
        return "IL PERIODO E'  " + formatLocale(T) + " MILLISECONDI";
    }

    double x = 0;
    double fk = 0, omega = 0, lambda = 0; // kHz, rad/s, metres
    double T = 0;                         // ms, rounded through the text to six decimals
};

ETERO_FORM(CorrAlternata, "frmcorralternata");

} // namespace

} // namespace etero::acvoltage
