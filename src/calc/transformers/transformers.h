// What the radio-frequency impedance transformers share. The winding on the
// higher-impedance side must have a reactance of five times that impedance
// at the working frequency; the other winding has its turns divided by the
// square root of the impedance ratio. The two forms that wind on a catalogue
// toroid also share their inputs, shown once a core is chosen, and the first
// half of their core selection.
#pragma once

#include "calc/toroids/toroids.h"
#include "shell/form/form.h"

#include <functional>
#include <string>

namespace etero::transformers {

// Inductance in microhenry of the winding on the side of impedance Z (ohm)
// at the frequency f (MHz).
inline double windingInductance(double Z, double f) {
    return 5 * Z / (6.28 * f);
}

inline constexpr const char* kNotABalun = "DA NON CONFONDERE CON BALUN E UN - UN  A LARGA BANDA";

class ToroidTransformer : public toroids::CoreForm {
  public:
    // `inner`: the width in twips between the window's two margins of 240.
    ToroidTransformer(std::string name, const data::ToroidCatalogue& catalogue, int inner)
        : CoreForm(std::move(name), catalogue), inner(inner) {}

  protected:
    const int inner;

    // The heading, the list of cores and the size of the chosen one.
    void coreChoice() {
        label("lblhelp1", "CLICCARE SUL TOROIDE SELEZIONATO")
            .as(Role::Title)
            .at(240, 90, 5400, 345);
        coreList().at(240, 480, 2160, 315);
        result("lbldimensioni").at(2640, 510, inner - 2400, 255);
    }

    // The request to choose a core, `lines` high, at `top`.
    void corePrompt(const char* prompt, int top, int lines) {
        label("lblhelp", prompt).as(Role::Hint).at(240, top, inner, 255 * lines);
    }

    // From `top` down: the frequency and the two impedances (the cable
    // side at 50 ohm), the hint on decimals, the compute command and the two
    // windings; all but the results hidden until a core is chosen. Typing
    // blanks the results. Gives the top of what follows.
    int inputs(int top, const char* frequency, const char* primary, const char* secondary,
               const char* tip, std::function<void()> compute) {
        const char* fields[][3] = {{"Label1", frequency, "txtfrequenza"},
                                   {"Label2", primary, "txtimpantenna"},
                                   {"Label3", secondary, "txtimpcavo"}};
        for (const auto& f : fields) {
            field(f[0], f[1], f[2], tip).hidden().at(4560, top, 1440, 315);
            control(f[0]).hidden().at(240, top + 60, 4200, 255);
            top += 420;
        }
        control("txtimpcavo").initial("50");
        label("lblpunto", kDecimalsHint).as(Role::Hint).hidden().at(240, top, inner, 255);
        top += 420;
        command("cmdcalcola", "CALCOLA", std::move(compute)).hidden().at(240, top, 1320, 435);
        result("lblspireprimario").at(1800, top, inner - 1560, 255);
        result("lblspiresecondario").at(1800, top + 360, inner - 1560, 255);
        blankOnInputChange({"lblspireprimario", "lblspiresecondario"});
        return top + 900;
    }

    // A core is chosen: it becomes the current one and the inputs replace
    // the prompt. The form then looks the core up and shows Frame1.
    void takeCoreAndAsk() {
        takeCore();
        hide("lblhelp");
        show("lblpunto");
        blank({"lblspireprimario", "lblspiresecondario"});
        showAll({"cmdcalcola", "txtfrequenza", "txtimpantenna", "txtimpcavo", "Label1", "Label2",
                 "Label3"});
    }

    // The three inputs: true when they can be computed. A zero among them is
    // missing data; a negative product is passed over in silence.
    bool readInputs(double& f, double& Z1, double& Z2) {
        f = num("txtfrequenza");
        Z1 = num("txtimpantenna");
        Z2 = num("txtimpcavo");
        const double product = f * Z1 * Z2;
        if (product == 0) {
            missingData("txtfrequenza");
            return false;
        }
        return product > 0;
    }
};

} // namespace etero::transformers
