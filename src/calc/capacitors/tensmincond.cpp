// The least working voltage the capacitors of a transmitting filter must
// stand, live from the effective power read on the wattmeter.
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::capacitors {

namespace {

class FrmTensMinCond : public Form {
  public:
    FrmTensMinCond() : Form("frmtensmincond") {}

  protected:
    void design() override {
        window("MINIMA TENSIONE DI LAVORO DEI CONDENSATORI");
        label("Label1", "ALL'INTERNO DI UN FILTRO PER TRASMISSIONE SI SVILUPPANO TENSIONI  "
                        "MAGGIORI DI QUELLE RISCONTRABILI ALL'INGRESSO QUINDI OCCORRE CHE I "
                        "CONDENSATORI PRESENTI SIANO IN GRADO DI SOPPORTARLE")
            .as(Role::Hint);
        label("Label2", "IMPOSTATA LA POTENZA EFFICACE RILEVATA DAL WATTMETRO SI PUO'  CALCOLARE "
                        "LA TENSIONE DI LAVORO MINIMA CHE I CONDENSATORI DOVRANNO ESSERE IN GRADO "
                        "DI SOPPORTARE")
            .as(Role::Hint);
        field("Label3", "POTENZA eff. IN WATT", "txtpotenza", "separare i decimali con il punto");
        result("lbltensione");
        label("Label4", "IN SEDE DI REALIZZAZIONE DOVRANNO ESSERE SOVRADIMENSIONATI")
            .as(Role::Hint);
        label("Label5", "LA VALIDITA' DEL CALCOLO E' LIMITATA ALLE H.F.").as(Role::Hint);
        label("Label6", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO").as(Role::Hint);
        closeCommand("cmdesci", "E S C I");

        onChange("txtpotenza", [this] { compute(); });
    }

  private:
    void compute() {
        P = num("txtpotenza");
        if (P == 0) return caption("lbltensione", "");
        V = std::sqrt(50 * P) * 2.828;
        caption("lbltensione", "LA TENSIONE DI LAVORO MINIMA E' VOLT " + formatLocale(intFloor(V)));
    }

    double P = 0, V = 0;
};

ETERO_FORM(FrmTensMinCond, "frmtensmincond");

} // namespace

} // namespace etero::capacitors
