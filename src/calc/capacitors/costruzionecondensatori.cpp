// The capacitance of a plate capacitor built by hand, from the area of one
// plate, the spacing and the dielectric between them.
#include "capacitors.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::capacitors {

namespace {

class FrmCostruzioneCondensatori : public DielectricForm {
  public:
    FrmCostruzioneCondensatori() : DielectricForm("frmcostruzionecondensatori") {}

  protected:
    void design() override {
        window("COSTRUZIONE CONDENSATORI");
        dielectricOptions();
        label("Label1",
              "E' ormai raro che ci si debba cimentare nella costruzione di condensatori, sia "
              "fissi che variabili.  Tuttavia in caso di necessità conoscendo la superficie e la "
              "distanza delle armature si può calcolare la capacità .")
            .as(Role::Hint);
        field("Label2", "SUPERFICIE DELL'ARMATURA   in cmq (area di una singola piastra)",
              "txtsuperficie", "in centimetri quadri");
        field("Label3", "DISTANZA DELLE ARMATURE, OSSIA SPESSORE DEL DIELETTRICO   in mm",
              "txtdistanza", "in millimetri");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblcapacità");
        sparkOverTable();
        closeCommand("cmdesci", "E S C I");

        blankOnInputChange({"lblcapacità"});
    }

    void dielectricChosen() override { caption("lblcapacità", ""); }

  private:
    void compute() {
        A = num("txtsuperficie");
        d = num("txtdistanza");
        if (A * d <= 0) return missingData("txtsuperficie");
        d = d / 10; // centimetres
        // Single precision, as the value is kept; an overflow of the single
        // is an arithmetic fault like any other.
        C = static_cast<float>(0.0885 * er * A / d);
        C = static_cast<float>(parseLocale(formatFixed(C, 1)));
        caption("lblcapacità",
                "LA CAPACITA' DEL CONDENSATORE E' CIRCA : " + formatLocale(C) + "  pF");
    }

    double A = 0, d = 0;
    float C = 0;
};

ETERO_FORM(FrmCostruzioneCondensatori, "frmcostruzionecondensatori");

} // namespace

} // namespace etero::capacitors
