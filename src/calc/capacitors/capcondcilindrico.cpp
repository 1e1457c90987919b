// The capacitance of a cylindrical capacitor: two coaxial cylinders with a
// dielectric between them.
#include "capacitors.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>
#include <string>

namespace etero::capacitors {

namespace {

class FrmCapCondCilindrico : public DielectricForm {
  public:
    FrmCapCondCilindrico() : DielectricForm("frmcapcondcilindrico") {}

  protected:
    void design() override {
        window("CALCOLO DELLA CAPACITA'  DI UN CONDENSATORE CILINDRICO");
        dielectricOptions();
        field("Label1", "RAGGIO DEL CILINDRO INTERNO IN cm", "txtr1", "in centimetri");
        field("Label2", "RAGGIO DEL CILINDRO ESTERNO IN cm", "txtr2", "in centimetri");
        field("Label3", "LUNGHEZZA DEL CILINDRO IN cm ", "txtl", "in centimetri");
        label("Label4", "SEMPRE >> DEL DIAMETRO DEL CILINDRO ESTERNO").as(Role::Hint);
        command("cmdcalcola", "C A L C O L A", [this] { compute(); });
        result("lblcapacità");
        sparkOverTable();
        closeCommand("cmdesci", "E S C I");

        blankOnInputChange({"lblcapacità"});
    }

    void dielectricChosen() override { caption("lblcapacità", ""); }

  private:
    void compute() {
        r1 = num("txtr1");
        r2 = num("txtr2");
        l = num("txtl");
        if (r1 * r2 * l <= 0) return missingData("txtr1");
        if (r1 > r2) {
            warn("IL CILINDRO INTERNO DEVE ESSERE MINORE", kErrorTitle);
            return focus("txtr1");
        }
        if (r1 < r2) {
            // Metres; 6.28 · l · εr / ln(r2 / r1) times ten is in picofarads.
            r1 = r1 / 100;
            r2 = r2 / 100;
            l = l / 100;
            double C = 6.28 * l * er / std::log(r2 / r1);
            C = C * 10;
            capacity = formatFixed(C, 1);
            caption("lblcapacità", "LA CAPACITA' DEL CONDENSATORE E' CIRCA : " + capacity + "  pF");
        }
    }

    double r1 = 0, r2 = 0, l = 0;
    std::string capacity; // as shown
};

ETERO_FORM(FrmCapCondCilindrico, "frmcapcondcilindrico");

} // namespace

} // namespace etero::capacitors
