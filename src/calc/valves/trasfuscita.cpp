// The output transformer of a single-ended output valve chosen from a list:
// core section, primary and secondary turns and wire diameters for an 8 or
// 4 ohm loudspeaker. Nothing is typed: the valve brings its anode load and
// its power.
#include "valves.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace etero::valves {

namespace {

class TrasfUscita : public IronCoreForm {
  public:
    TrasfUscita() : IronCoreForm("frmtrasfuscita") {}

  protected:
    void design() override {
        window("VALVOLE FINALI  -  CALCOLO TRASFORMATORE D'USCITA ");
        frame("Frame1", "IMPEDENZA ALTOPARLANTE");
        options("Option1", 0, {"IMPEDENZA 8 Ohm", "IMPEDENZA 4 Ohm"});
        endFrame();
        label("Label1", "SELEZIONARE UNA VALVOLA").as(Role::Caption);
        combo("cmbvalvole").initial("VALVOLE");
        command("cmdcalcola", "CALCOLA", [this] { compute(); }).hidden();
        label("lblvalvola").as(Role::OnDrawing);
        label("lblpri").as(Role::OnDrawing);
        label("lblsec").as(Role::OnDrawing);
        schematic();
        frame("Frame2").hidden();
        result("lblnucleo");
        result("lblspireprim");
        result("lblspiresec");
        endFrame();
        laminationTableCommand();
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int index) { chooseSpeaker(index); });
        onSelect("cmbvalvole", [this] { chooseValve(); });
    }

    void load() override {
        std::vector<std::string> names;
        for (const OutputValve& v : outputValves())
            names.emplace_back(v.name);
        listItems("cmbvalvole", std::move(names));
    }

  private:
    // The valve's anode through the primary to the supply; the secondary
    // across the loudspeaker.
    void schematic() {
        Drawing& d = drawing(440, 220);
        const double top = 40, bottom = 170;
        // A pentode: cathode, three grids, anode.
        d.ellipse(40, 70, 80, 80).penWidth = 1.2;
        d.line(65, 88, 95, 88).penWidth = 2.5;
        for (double y : {104.0, 114.0, 124.0})
            d.line(58, y, 102, y).dashed = true;
        d.polyline({66, 134, 66, 138, 94, 138});
        d.line(80, 88, 80, top);
        d.line(66, 138, 66, bottom);
        d.ground(66, bottom);
        d.line(20, 124, 58, 124);
        d.terminal(17, 124);
        d.line(80, top, 220, top);
        winding(d, 220, top, bottom - 20, false);
        d.line(220, bottom - 20, 220, 190);
        d.terminal(220, 193);
        d.text(232, 193, "+", 10, Anchor::StartsAt).bold = true;
        d.line(238, top, 238, bottom - 20).penWidth = 2;
        d.line(244, top, 244, bottom - 20).penWidth = 2;
        winding(d, 262, top, bottom - 20, true);
        d.line(262, top, 360, top);
        d.line(262, bottom - 20, 360, bottom - 20);
        // The loudspeaker: its magnet and its cone.
        d.line(360, top, 360, 85);
        d.line(360, bottom - 20, 360, 125);
        d.rect(352, 85, 16, 40);
        d.polyline({368, 85, 400, 60, 400, 150, 368, 125});
        d.slot("lblvalvola", 2, 50, 72, 18, SlotAlign::Right);
        d.slot("lblpri", 110, 96, 96, 18, SlotAlign::Right);
        d.slot("lblsec", 270, 96, 80, 18);
    }

    // The last result goes: it belonged to the other loudspeaker.
    void chooseSpeaker(int index) {
        hide("Frame2");
        blank({"lblpri", "lblsec"});
        switch (index) {
        case 0:
            Zsp = 8;
            break;
        case 1:
            Zsp = 4;
            break;
        default:
            break;
        }
    }

    // The list's text names the valve.
    void chooseValve() {
        hide("Frame2");
        blank({"lblpri", "lblsec"});
        show("cmdcalcola");
        const OutputValve* valve = findOutputValve(text("cmbvalvole"));
        if (!valve) return focus("cmbvalvole");
        Raa = valve->Raa;
        P = valve->P;
        caption("lblvalvola", valve->name);
    }

    void compute() {
        const double S = 2 * std::sqrt(P) + 0.5; // cm²
        const double Vpr = std::sqrt(P * Raa);
        const double Np = Vpr * 10000 / (4.44 * S * 25);
        const double n = std::sqrt(Raa / Zsp);
        const double Ns = Np / n;
        const double Ip = std::sqrt(P / Raa), Is = std::sqrt(P / Zsp);
        const double dP = 0.75 * std::sqrt(Ip), dS = 0.7 * std::sqrt(Is);

        // As shown: the section whole, the turns cut down, the primary wire
        // with both decimals, the secondary wire without trailing zeros.
        const std::int16_t section = toInt16(S);
        const std::string primaryTurns = formatLocale(intFloor(Np));
        const std::string secondaryTurns = formatLocale(intFloor(Ns));
        const std::string primaryWire = formatFixed(dP, 2);
        const std::string secondaryWire = formatLocale(roundThroughFixed(dS, 2));
        caption("lblnucleo", "IL NUCLEO MISURA " + formatLocale(section) + " cm. QUADRATI");
        caption("lblspireprim", "IL PRIMARIO E' FORMATO DA " + primaryTurns +
                                    " SPIRE CON DIAMETRO " + primaryWire + " mm");
        caption("lblspiresec", "IL SECONDARIO E' FORMATO DA " + secondaryTurns +
                                   " SPIRE CON DIAMETRO " + secondaryWire + " mm");
        caption("lblpri", primaryTurns + " SPIRE");
        caption("lblsec", secondaryTurns + " SPIRE");
        show("Frame2");
    }

    // The valve chosen last (anode load, power) and the loudspeaker.
    double Raa = 0, P = 0;
    std::int16_t Zsp = 8;
};

ETERO_FORM(TrasfUscita, "frmtrasfuscita");

} // namespace

} // namespace etero::valves
