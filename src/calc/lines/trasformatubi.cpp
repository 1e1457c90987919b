// The quarter-wave impedance transformer made of two concentric tubes
// between an antenna and a 50 ohm line: first the impedance it must have,
// then, for two tube diameters tried by the user, the impedance they give
// and the length of the tubes.
#include "lines.h"
#include "shell/app/registry.h"
#include "shell/form/form.h"

#include <cmath>
#include <string>

namespace etero::lines {

namespace {

class TrasformaTubi : public Form {
  public:
    TrasformaTubi() : Form("frmtrasformatubi") {}

  protected:
    void design() override {
        window("TRASFORMATORE D'IMPEDENZA A TUBI CONCENTRICI        L' IMPEDENZA DELLA LINEA "
               "E'  FISSATA IN 50 OHM");
        label("Label1", "UTILIZZATO IN VHF  E  UHF.  E' UN TRASFORMATORE D'IMPEDENZA FORMATO DA "
                        "DUE TUBI CONCENTRICI LUNGHI ENTRAMBI 1/4 D'ONDA . UN ESTREMO E' "
                        "COLLEGATO ALL'ANTENNA CHE SI VUOLE ADATTARE, L'ALTRO ALLA LINEA")
            .as(Role::Hint);
        label("Label2", "PRIMA SI CALCOLA L'IMPEDENZA RICHIESTA POI PER APPROSSIMAZIONE IL "
                        "DIAMETRO DEI TUBI")
            .as(Role::Hint);
        field("Label3", "IMPEDENZA  ANTENNA in OHM", "txtzant");
        field("Label4", "FREQUENZA in MHz", "txtfrequenza");
        command("cmdcalcola", "CALCOLA IMPEDENZA RICHIESTA", [this] { required(); });
        result("lblimprichiesta");
        label("Label5", "ASSEGNARE PER APPROSSIMAZIONE DEI VALORI AL DIAMETRO DEI DUE TUBI IN "
                        "MODO CHE L'IMPEDENZA OTTENUTA SI AVVICINI IL PIU'  POSSIBILE  "
                        "ALL'IMPEDENZA  RICHIESTA")
            .as(Role::Hint);
        field("Label6", "DIAMETRO INTERNO DEL TUBO ESTERNO in mm (d1)", "txtd1");
        field("Label7", "DIAMETRO ESTERNO DEL TUBO INTERNO in mm (d2)", "txtd2");
        command("cmdcalcola1", "CALCOLA IMPEDENZA OTTENUTA", [this] { obtained(); });
        result("lblimpottenuta");
        result("lbllunghezza");
        label("lbld1", "d1").as(Role::OnDrawing);
        label("lbld2", "d2").as(Role::OnDrawing);
        label("lbllung", "lunghezza").as(Role::OnDrawing);
        label("Label8", "AL COASSIALE 50 OHM").as(Role::OnDrawing);
        schematic();
        label("Label9", kDecimalsHint).as(Role::Hint);
        closeCommand("cmdesci", "C H I U D I");

        // Any input change blanks every result, the drawing's three labels
        // included; the kept antenna impedance and frequency stay.
        blankOnInputChange(
            {"lblimprichiesta", "lblimpottenuta", "lbllunghezza", "lbld1", "lbld2", "lbllung"});
    }

  private:
    // The two tubes in section along their length, the diameters at the
    // left, the length above, the coaxial line at the right end.
    void schematic() {
        Drawing& d = drawing(460, 190);
        const double x1 = 70, x2 = 330;
        d.rect(x1, 50, x2 - x1, 100);           // the outer tube
        d.rect(x1, 80, x2 - x1, 40);            // the inner tube
        d.arrowLine(x1 - 18, 52, x1 - 18, 148); // d1: inside the outer tube
        d.arrowLine(x2 - 18, 82, x2 - 18, 118); // d2: across the inner tube
        d.arrowLine(x1, 32, x2, 32);
        // The line: the inner tube to the inner conductor where it stands out
        // of the cable, the outer tube to the shield, met at its lower side.
        d.line(x2, 100, 372, 100);
        d.polyline({x2, 140, 395, 140, 395, 109});
        coaxAcross(d, 380, 440, 100);
        d.slot("lbllung", x1, 12, x2 - x1, 16, SlotAlign::Centre);
        d.slot("lbld1", 0, 92, x1 - 22, 16, SlotAlign::Right);
        d.slot("lbld2", x2 - 124, 92, 100, 16, SlotAlign::Right);
        d.slot("Label8", 300, 160, 160, 16, SlotAlign::Centre);
    }

    void required() {
        Za = num("txtzant");
        f = num("txtfrequenza");
        if (Za * f <= 0) return missingData("txtzant");
        Zr = std::sqrt(Za * 50);
        caption("lblimprichiesta",
                " L'IMPEDENZA RICHIESTA DAL TRASFORMATORE E' " + formatFixed(Zr, 1) + " OHM");
    }

    // With the antenna and frequency of the last required impedance.
    void obtained() {
        d1 = num("txtd1");
        d2 = num("txtd2");
        if (Za * f * d1 * d2 <= 0) return missingData("txtzant");
        if (d1 <= d2) {
            warn("DIAMETRI NON CORRETTI", kErrorTitle);
            return focus("txtd1");
        }
        Z0 = formatFixed(138 * std::log(d1 / d2) / std::log(10.0), 1);
        L = roundThroughFixed(7490 / f, 1);
        caption("lblimpottenuta", "L'IMPEDENZA OTTENUTA E' " + Z0 + " OHM");
        caption("lbllunghezza", "IL TRASFORMATORE E' LUNGO cm. " + formatLocale(L));
        caption("lbld1", formatLocale(d1) + " mm");
        caption("lbld2", formatLocale(d2) + " mm");
        caption("lbllung", formatLocale(L) + " cm");
    }

    double Za = 0, f = 0; // kept from the last required impedance
    double Zr = 0, d1 = 0, d2 = 0, L = 0;
    std::string Z0; // the impedance obtained, as shown
};

ETERO_FORM(TrasformaTubi, "frmtrasformatubi");

} // namespace

} // namespace etero::lines
