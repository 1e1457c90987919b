// What every form that winds on a catalogue toroid shares: the drop-down of
// cores `cmbnucleo`, filled from the catalogue when the form loads, and the
// pieces of the core selection (the current core, the mix or material
// caption, the size caption, the AL label) that each form runs in its own
// order.
#pragma once

#include "data/toroids.h"
#include "shell/form/form.h"
#include "shell/number/number.h"

#include <functional>
#include <string>

namespace etero::toroids {

inline constexpr const char* kCoreListPrompt = "TOROIDI";
inline constexpr const char* kCoreListTip = "CLICCARE E TASTI CURSORE O MOUSE";
inline constexpr const char* kMixHeading = " MISCELA     1° COLORE       2° COLORE       FREQ. MHz";
inline constexpr const char* kColourCodeFrame = " CODICE COLORI IN BASE ALLA MISCELA ";
inline constexpr const char* kFerriteAlPrefix = "Al (ferrite AMIDON) = ";

class CoreForm : public Form {
  public:
    CoreForm(std::string name, const data::ToroidCatalogue& catalogue)
        : Form(std::move(name)), catalogue_(catalogue) {}

  protected:
    // The drop-down of cores, showing its prompt until a core is picked.
    Control& coreList() { return combo("cmbnucleo").initial(kCoreListPrompt).tip(kCoreListTip); }

    // The lower half shared by the two turns calculators: the help note, the
    // inductance field, the compute command, the turns result, the hint on
    // decimals and the close command; typing blanks the turns.
    void turnsControls(std::function<void()> compute) {
        label("lblhelp2", "PER TROVARE IL NUMERO DELLE SPIRE INSERIRE IL VALORE DELL'INDUTTANZA "
                          "IN microHENRY. IL RISULTATO E' TEORICO IN QUANTO LA PIU' O MENO "
                          "OMOGENEA DISTRIBUZIONE DELLE SPIRE MODIFICA  L' INDUTTANZA E GLI "
                          "STESSI  PRODUTTORI DICHIARANO UNA TOLLERANZA DEL 20 % DELLA "
                          "PERMEABILITA'")
            .as(Role::Hint)
            .hidden()
            .at(240, 2160, 7200, 1020);
        input("txtinduttanza", "INDUTTANZA IN microHENRY").hidden().at(240, 3360, 1560, 315);
        command("cmdcalcola", "CALCOLA", std::move(compute)).hidden().at(1920, 3300, 1320, 435);
        result("lblspire").at(3480, 3390, 3960, 255);
        label("lblpunto", "GLI EVENTUALI DECIMALI DEVONO ESSERE SEPARATI CON IL PUNTO")
            .as(Role::Hint)
            .hidden()
            .at(240, 3960, 7200, 255);
        closeCommand("cmdesci", "E S C I").at(6120, 4440, 1320, 435);
        onChange("txtinduttanza", [this] { caption("lblspire", ""); });
    }

    // Filled on every opening; nothing is selected.
    void load() override { listItems("cmbnucleo", catalogue_.names()); }

    // The picked row and its AL become the current core.
    void takeCore() {
        position = listIndex("cmbnucleo");
        al = catalogue_.core(position).al;
    }

    // Iron powder: the colour-code heading, then the mix key and its row.
    void showMix() {
        caption("lblcolor", kMixHeading);
        const std::string key = data::mixKey(catalogue_.core(position).name);
        if (const auto row = catalogue_.mixCaption(key))
            caption("lblcolore", key + *row);
        else
            focus("cmbnucleo");
    }

    void showSize() {
        if (const auto size = catalogue_.sizeCaption(position))
            caption("lbldimensioni", *size);
        else
            focus("cmbnucleo");
    }

    // Ferrite: the material's permeability and band.
    void showMaterial() {
        const std::string key = data::mixKey(catalogue_.core(position).name);
        if (const auto row = catalogue_.mixCaption(key))
            caption("lblpermeabilità", *row);
        else
            focus("cmbnucleo");
    }

    void showAl() { caption("lblal", kFerriteAlPrefix + formatLocale(al)); }

    // The current core, kept between events and openings.
    int position = -1;
    double al = 0;

  private:
    const data::ToroidCatalogue& catalogue_;
};

} // namespace etero::toroids
