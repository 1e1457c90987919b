// A copper wire known by its diameter and its weight: its section, its
// length, the current it may carry and its total resistance; for instance
// the winding of a coil or a choke weighed on the scales.
#include "wires.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::wires {

namespace {

class LunghezzaFilo : public Form {
  public:
    LunghezzaFilo() : Form("frmlunghezzafilo") {}

  protected:
    void design() override {
        window("RELAZIONE TRA LUNGHEZZA SEZIONE PESO E RESISTENZA DI UN CONDUTTORE");
        label("Label1", "CONOSCENDO LO SPESSORE E IL PESO DI UN CONDUTTORE SI CALCOLA LA "
                        "SEZIONE, LA LUNGHEZZA , LA CORRENTE AMMESSA E LA RESISTENZA")
            .as(Role::Title);
        field("Label2", "DIAMETRO DEL CONDUTTORE  in mm. :", "txtd");
        field("Label3", "PESO IN GRAMMI", "txtgrammi");
        label("Label4", "separare i decimali con il punto del tastierino numerico").as(Role::Hint);
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        frame("Frame1").hidden();
        result("lblsezione");
        result("lbllunghezza");
        result("lblimax");
        result("lblrtot");
        endFrame();
        label("Label5", "IN PRATICA CONOSCENDO IL PESO E IL DIAMETRO DI UN FILO COSTITUENTE UNA "
                        "BOBINA O UNA IMPEDENZA CON MOLTE SPIRE SI RISALE APPROSSIMATIVAMENTE "
                        "ALLE CARATTERISTICHE DELLA STESSA")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");

        hideOnInputChange({"Frame1"});
    }

  private:
    void compute() {
        const double d = num("txtd");
        const double g = num("txtgrammi");
        if (d * g <= 0) return missingData("txtd");
        const double S = (d / 2) * (d / 2) * 3.1415926; // mm²
        const double w = kCopperDensity * S;            // grams per metre
        const std::string length = formatFixed(g / w, 2);
        const double Imax = kCurrentDensity * S;
        const std::string current = formatFixed(Imax, Imax >= 1 ? 2 : 4);
        float R = static_cast<float>((kCopperResistivity / S) * parseLocale(length));
        R = static_cast<float>(parseLocale(formatFixed(R, 6)));
        const std::string section = formatFixed(S, 3);
        caption("lblsezione", "LA SEZIONE DEL FILO E'  " + section + " mmq");
        caption("lbllunghezza", "LA LUNGHEZZA DEL CONDUTTORE E'  " + length + " metri");
        caption("lblimax", "LA CORRENTE MASSIMA AMMESSA E'  " + current + " Amp");
        caption("lblrtot", " LA RESISTENZA TOTALE DEL CONDUTTORE E'  " + formatLocale(R) + " OHM");
        show("Frame1");
    }
};

ETERO_FORM(LunghezzaFilo, "frmlunghezzafilo");

} // namespace

} // namespace etero::wires
