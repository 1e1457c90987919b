// Skin effect: the depth to which a radio-frequency current penetrates a
// copper or aluminium wire, and the wire's resistance at that frequency, as
// that of a conducting ring of the skin depth around it.
#include "wires.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::wires {

namespace {

class ResistenzaRf : public Form {
  public:
    ResistenzaRf() : Form("frmresistenzarf") {}

  protected:
    void design() override {
        window("EFFETTO PELLE E  RESISTENZA OHMICA IN ALTA FREQUENZA   ( > 1 MHz )");
        frame("Frame1", " Tipo di Conduttore ");
        for (int i = 0; i < static_cast<int>(kRfMetals.size()); ++i)
            option("Option1", i, kRfMetals[static_cast<std::size_t>(i)].caption);
        endFrame();
        field("Label1", "Diametro del conduttore in mm.", "txtdiametro");
        field("Label2", "Lunghezza del conduttore in metri", "txtlunghezza");
        field("Label3", "Frequenza in MHz", "txtfrequenza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lbldelta").color(kBlue);
        result("lblohm").color(kBlue);
        label("Label4", "SE IL CONDUTTORE E' STESO E NON ARROTOLATO LA RESISTENZA AUMENTA "
                        "PROPORZIONALMENTE ALLA RADICE QUADRATA DELLA FREQUENZA")
            .as(Role::Hint);
        closeCommand("cmnesci", "E S C I");

        onOption("Option1", [this](int i) {
            rho = rfResistivity(kRfMetals.at(static_cast<std::size_t>(i)));
            blank({"lbldelta", "lblohm"});
        });
    }

  private:
    void compute() {
        // Typing leaves the last results in view; a computation that is
        // refused or fails must not leave them looking like its own.
        blank({"lbldelta", "lblohm"});
        const double d = num("txtdiametro");
        const double len = num("txtlunghezza");
        const double f = num("txtfrequenza");
        if (d * len * f <= 0) return missingData("txtdiametro");
        if (const int i = selected("Option1"); i >= 0)
            rho = rfResistivity(kRfMetals.at(static_cast<std::size_t>(i)));
        const double delta = std::sqrt(rho / (3.14 * f * kPermeability)); // metres
        // d is in millimetres, so R · 1000 is the resistance in ohms
        const double R = rho * len / (delta * 3.14 * d);
        caption("lblohm", "LA RESISTENZA OHMICA E' " + formatFixed(R * 1000, 4) + "  OHM");
        caption("lbldelta", "L'EFFETTO PELLE E' DI mm " + formatFixed(delta * 1000, 4));
    }

    double rho = 0; // the chosen conductor, ohm · metre
};

ETERO_FORM(ResistenzaRf, "frmresistenzarf");

} // namespace

} // namespace etero::wires
