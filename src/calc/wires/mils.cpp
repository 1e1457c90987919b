// Millimetres to mils and mils to millimetres, live; a mil is a thousandth
// of an inch.
#include "wires.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::wires {

namespace {

constexpr const char* kDecimalsTip = "USA IL PUNTO PER SEPARARE I DECIMALI";

class Mils : public Form {
  public:
    Mils() : Form("frmmils") {}

  protected:
    void design() override {
        window("CONVERSIONE DA MILLIMETRI IN MILS E DA MILS IN MILLIMETRI");
        frame("Frame1", " Opzioni ");
        options("Option1", 0, {"DA MILLIMETRI A MILS", "DA MILS A MILLIMETRI"});
        endFrame();
        field("lblinput", "", "txtinput", kDecimalsTip);
        control("lblinput").tip(kDecimalsTip);
        result("lblout").color(kBlue).hidden();
        label("Label1", "UN MIL CORRISPONDE A UN MILLESIMO DI POLLICE").as(Role::Hint);
        label("Label2", "PER SEPARARE I DECIMALI USARE IL PUNTO").as(Role::Hint);
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int i) { direction(i); });
        onChange("txtinput", [this] { convert(); });
    }

  private:
    void direction(int index) {
        hide("lblout");
        text("txtinput", "");
        caption("lblinput", index == 0 ? "INSERIRE MILLIMETRI" : "INSERIRE MILS");
        forecolor("Option1(0)", index == 0 ? kRed : kBlack);
        forecolor("Option1(1)", index == 1 ? kRed : kBlack);
    }

    void convert() {
        // Hidden first, so that a value that cannot be converted leaves no
        // result of the previous one in view.
        hide("lblout");
        const double x = num("txtinput");
        if (x <= 0) return focus("txtinput");
        if (isOn("Option1(0)")) {
            caption("lblout", "CORRISPONDENTE A MILS : " + formatLocale(x * kMilsPerMillimetre));
        } else if (isOn("Option1(1)")) {
            const double y = x * kMillimetresPerMil;
            caption("lblout", "CORRISPONDENTI A mm : " + formatLocale(y) + "   PARI A " +
                                  formatLocale(y * 1000) + " microMETRI");
        }
        show("lblout");
    }
};

ETERO_FORM(Mils, "frmmils");

} // namespace

} // namespace etero::wires
