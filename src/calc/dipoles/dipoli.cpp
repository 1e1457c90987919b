// The half-wave dipole: the length of each arm for the centre frequency of
// the band, and the quarter-wave arm of the inverted-V version, recomputed
// at every change of the frequency.
#include "dipoles.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::dipoles {

namespace {

class Dipoli : public DipoleForm {
  public:
    Dipoli() : DipoleForm("frmdipoli") {}

  protected:
    void design() override {
        window("LUNGHEZZA DEL BRACCIO DEL DIPOLO");
        field("Label1", "FREQUENZA DI CENTRO BANDA IN MHz  :", "txtfrequenza");
        label("lbllunghezza").as(Role::OnDrawing).hidden();
        result("lblbraccio").hidden();
        label("Label2", "QUALORA SI INTENDA COSTRUIRE IL DIPOLO NELLA VERSIONE A \"  V INVERTITA "
                        "\" LA LUNGHEZZA DEL BRACCIO A UN QUARTO D' ONDA SARA' DI METRI :")
            .as(Role::Hint);
        result("lbllunghezzavert").hidden();
        label("Label3", " FREQUENZE AMMISSIBILI : da 0,1 a 500 MHz").as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
        schematic();

        onChange("txtfrequenza", [this] { compute(); });
    }

  private:
    // The dipole with one arm measured.
    void schematic() {
        Drawing& d = drawing(460, 130);
        dipole(d, 40, 420, 50, 70);
        dimension(d, 40, 230, 24, 46, "lbllunghezza", 120);
    }

    void compute() {
        f = static_cast<float>(num("txtfrequenza"));
        if (f > 0) {
            const std::string A = formatFixed(71.3 / f, 2);
            caption("lbllunghezza", A + " mt.");
            caption("lblbraccio", "LUNGHEZZA DEL BRACCIO in mt.: " + A);
            const float quarter = static_cast<float>(71 / f);
            caption("lbllunghezzavert", formatFixed(quarter, 2));
            showAll({"lbllunghezza", "lblbraccio", "lbllunghezzavert"});
        } else {
            showAll({"lbllunghezza", "lblbraccio", "lbllunghezzavert"}, false);
        }
    }

    float f = 0; // the frequency, single precision
};

ETERO_FORM(Dipoli, "frmdipoli");

} // namespace

} // namespace etero::dipoles
