// The anode load impedance of a valve from its anode voltage and current,
// by its class of operation (semi-empirical factors).
#include "valves.h"

#include "calc/matching/matching.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::valves {

namespace {

class ImpAnodica : public matching::MatchingForm {
  public:
    ImpAnodica() : MatchingForm("frmimpanodica") {}

  protected:
    void design() override {
        window("CALCOLO DELL'IMPEDENZA DEL CIRCUITO ANODICO IN FUNZIONE DELLA CLASSE DI LAVORO");
        frame("Frame1", "scelta classe di lavoro");
        options("Option1", 0, {"CLASSE \" A \"", "CLASSE \" B \"", "CLASSE \" C \""});
        endFrame();
        field("Label1", "TENSIONE ANODICA in Volt", "txtvolt");
        field("Label2", "CORRENTE ANODICA in milliAmp", "txtamp");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblza");
        label("Label3", "USARE IL PUNTO PER SEPARARE I DECIMALI    LE FORMULE  USATE SONO SEMI "
                        "EMPIRICHE")
            .as(Role::Hint);
        command("cmdchiamapigreco", "CALCOLO PI GRECO COME ADATTATORE D' IMPEDENZA",
                [this] { openFromCorner("frmadattimppassabasso"); });
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int index) { choose(index); });
        blankOnInputChange({"lblza"});
    }

  private:
    void choose(int index) {
        switch (index) {
        case 0:
            k = 1.3;
            break;
        case 1:
            k = 1.57;
            break;
        case 2:
            k = 2;
            break;
        default:
            break;
        }
        caption("lblza", "");
    }

    void compute() {
        const double Va = num("txtvolt"), Ia = num("txtamp");
        if (Va * Ia <= 0) return missingData("txtvolt");
        const double Za = intFloor(Va / (k * Ia / 1000));
        caption("lblza", "L'IMPEDENZA ANODICA DELLA VALVOLA E' " + formatLocale(Za) + " OHM");
    }

    double k = 1.3; // the factor of the class chosen last
};

ETERO_FORM(ImpAnodica, "frmimpanodica");

} // namespace

} // namespace etero::valves
