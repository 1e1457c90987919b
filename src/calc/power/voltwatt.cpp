// A power in one of seven units across a load resistance: the RMS voltage
// and the power level in dBm.
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <array>
#include <cmath>

namespace etero {

namespace {

struct Unit {
    const char* option;
    const char* word;   // shown beside the power field
    double k;           // rounded conversion between the power and the voltage unit
    const char* suffix; // of the voltage
    double m;           // to milliwatts
};

// Indexed from 1, as the option buttons are.
const std::array<Unit, 8> kUnits{{
    {},
    {"DA WATT A VOLT E dBm", "WATT", 1, " VOLT rms", 1000},
    {"DA MILLIWATT A MILLIVOLT E dBm", "milliWATT", 31.623, " MILLIVOLT rms", 1},
    {"DA MICROWATT A MILLIVOLT E dBm", "microWATT", 1, " MILLIVOLT rms", 1 / 1e3},
    {"DA NANOWATT A MILLIVOLT E dBm", "nanoWATT", 0.0316, " MILLIVOLT rms", 1 / 1e6},
    {"DA NANOWATT A MICROVOLT E dBm", "nanoWatt", 31.623, " MICROVOLT rms", 1 / 1e6},
    {"DA PICOWATT A MICROVOLT E dBm", "picoWATT", 1, " MICROVOLT rms", 1 / 1e9},
    {"DA FEMTOWATT A MICROVOLT E dBm", "femtoWATT", 0.0316, " MICROVOLT rms", 1 / 1e12},
}};

class VoltWatt : public Form {
  public:
    VoltWatt() : Form("frmvoltwatt") {}

  protected:
    void design() override {
        window("VALORE IN dBm  IN RAPPORTO ALLA POTENZA E ALL' IMPEDENZA");
        frame("Frame1");
        for (int i = 1; i <= 7; ++i)
            option("Option1", i, kUnits[static_cast<std::size_t>(i)].option);
        endFrame();
        field("Label1", "OHM", "txtohm").initial("50");
        field("lblinput", "", "txtinput");
        result("lbloutput");
        result("lbldbm");
        label("Label2", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO").as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int i) {
            caption("lblinput", kUnits.at(static_cast<std::size_t>(i)).word);
            blank({"lbloutput", "lbldbm"});
        });
        blankOnInputChange({"lbloutput", "lbldbm"});
    }

  private:
    void compute() {
        R = num("txtohm");
        P = num("txtinput");
        if (R * P <= 0) return missingData("txtohm");
        const int chosen = selected("Option1");
        if (chosen < 1) return;
        const Unit& u = kUnits.at(static_cast<std::size_t>(chosen));
        volts = formatFixed(std::sqrt(P * R) * u.k, 3);
        caption("lbloutput", volts + u.suffix);
        dBm = std::log(P * u.m) / std::log(10.0) * 10;
        dBm = roundThroughFixed(dBm, 1);
        caption("lbldbm", "PARI A  " + formatLocale(dBm) + " dBm");
    }

    double R = 0, P = 0, dBm = 0;
    std::string volts; // the voltage as shown
};

ETERO_FORM(VoltWatt, "frmvoltwatt");

} // namespace

} // namespace etero
