// Degrees Celsius compared with the Fahrenheit, Réaumur and Kelvin scales,
// on every keystroke.
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero {

namespace {

class Temperatura : public Form {
  public:
    Temperatura() : Form("frmtemperatura") {}

  protected:
    void design() override {
        window("COMPARAZIONI TERMOMETRICHE");
        label("Label1", "COMPARAZIONE TRA GRADI CENTIGRADI ED ALTRI SISTEMI DI MISURAZIONE")
            .as(Role::Title);
        field("Label2", "GRADI CENTIGRADI", "txtcentigradi");
        label("Label3", "GRADI FAHRENHEIT").as(Role::Caption);
        result("lblfahr");
        label("Label4", "GRADI REAUMUR").as(Role::Caption);
        result("lblreau");
        label("Label5", "GRADI KELVIN").as(Role::Caption);
        result("lblkelv");
        closeCommand("cmdchiudi", "CHIUDI");

        onChange("txtcentigradi", [this] { compare(); });
    }

  private:
    void compare() {
        C = num("txtcentigradi");
        caption("lblfahr", formatPattern(C * 9 / 5 + 32, "#0.##"));
        caption("lblreau", formatPattern(C * 0.8, "#0.##"));
        // The offset is 273; the value is held in single precision.
        K = static_cast<float>(273 + C);
        K = static_cast<float>(roundThroughPattern(K, "#0.##"));
        caption("lblkelv", formatLocale(K));
    }

    double C = 0; // degrees Celsius
    float K = 0;  // kelvin, single precision
};

ETERO_FORM(Temperatura, "frmtemperatura");

} // namespace

} // namespace etero
