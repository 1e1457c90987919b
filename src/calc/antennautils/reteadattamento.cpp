// The L network that matches an antenna shorter than a quarter wave to a
// 50-ohm transmitter: a series coil that also cancels the antenna's
// capacitive reactance, and a capacitor across the transmitter side.
#include "antennautils.h"
#include "calc/verticals/verticals.h"
#include "shell/app/registry.h"
#include "shell/form/texts.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::antennautils {

namespace {

class ReteAdattamento : public UtilityForm {
  public:
    ReteAdattamento() : UtilityForm("frmreteadattamento") {}

  protected:
    void design() override {
        window("RETE DI ADATTAMENTO PER ANTENNE PIU' CORTE DI 1/4 LAMBDA");
        field("Label3", "FREQUENZA IN MHz", "txtfrequenza");
        field("Label4", "COMPONENTE RESISTIVA IN OHM", "txtresistenza");
        field("Label5", "COMPONENTE REATTIVA IN OHM (si può tralasciare il segno meno)",
              "txtreattanza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        command("cmdchiamabobine", "COSTR.BOBINE",
                [this] { openBeside("frmbobine", 180, 180, 4100, 3000); });
        result("lblserie");
        result("lblparallelo");
        label("lblcommento",
              "UN' ANTENNA PIU' CORTA DI 1/4 LAMBDA PRESENTA AI SUOI CAPI UNA RESISTENZA MINORE DI "
              "50 OHM IN SERIE A UNA REATTANZA CAPACITIVA. LA BOBINA IN SERIE ANNULLA LA REATTANZA "
              "DELL' ANTENNA E, CON IL CONDENSATORE IN PARALLELO SUL LATO DEL TRASMETTITORE, "
              "PORTA LA RESISTENZA A 50 OHM.")
            .as(Role::Hint);
        label("lbll").as(Role::OnDrawing);
        label("lblc").as(Role::OnDrawing);
        label("Label1", "R < 50 OHM      X < ZERO").as(Role::OnDrawing);
        label("Label2", "al tx 50 Ohm").as(Role::OnDrawing);
        schematic();
        closeButton();
    }

  private:
    // The transmitter terminals on the left, the capacitor across them, the
    // coil in series up to the foot of the short antenna.
    void schematic() {
        Drawing& d = drawing(420, 230);
        const double top = 130, bottom = 200, in = 24, xc = 100, xl = 150, coil = 120, xa = 350;
        d.terminal(in, top);
        d.terminal(in, bottom);
        d.line(in + 3, top, xl, top);
        d.capacitor(xc, top, bottom - top, Dir::Down);
        d.dot(xc, top);
        d.dot(xc, bottom);
        d.inductor(xl, top, coil, Dir::Right, 5);
        d.line(xl + coil, top, xa, top);
        d.line(in + 3, bottom, xa, bottom);
        d.ground(xa, bottom);
        verticals::radiator(d, xa, 24, top);
        d.slot("lbll", xl, top - 36, coil, 18, SlotAlign::Centre);
        d.slot("lblc", xc + 18, (top + bottom) / 2 - 9, 100, 18);
        d.slot("Label1", 120, 30, 220, 18, SlotAlign::Right);
        d.slot("Label2", 4, top - 32, 110, 18);
    }

    void compute() {
        // A refused input leaves no network of an earlier one in view.
        blank({"lbll", "lblc", "lblserie", "lblparallelo"});
        f = num("txtfrequenza");
        R = std::abs(num("txtresistenza"));
        X = std::abs(num("txtreattanza"));
        if (f * R <= 0) return refuse("DATI ERRATI O MANCANTI", kErrorTitle, "txtfrequenza");
        if (R >= 50) return refuse("MAX RESISTENZA 49 OHM", kErrorTitle, "txtresistenza");
        const double k = 50 / R;
        const double Xs = R * std::sqrt(k - 1);
        Xp = k * R / std::sqrt(k - 1);
        Xt = X + Xs;
        L = formatFixed(Xt / (6.28 * f), 2);
        C = roundThroughFixed(159000 / (f * Xp), 1);
        caption("lbll", std::string(kMicro) + "H  " + L);
        caption("lblc", "pF  " + formatLocale(C));
        caption("lblserie", "LA REATTANZA SERIE COMPLESSIVA E'+/- " + formatLocale(intFloor(Xt)) +
                                " OHM PARI A " + kMicro + "HENRY " + L);
        caption("lblparallelo", "LA REATTANZA PARALLELO E'+/- " + formatLocale(intFloor(Xp)) +
                                    " OHM PARI A " + " pF " + formatLocale(C));
    }

    double f = 0;  // MHz
    double R = 0;  // resistive part of the antenna, ohm, sign dropped
    double X = 0;  // reactive part, ohm, sign dropped
    double Xp = 0; // reactance of the parallel capacitor, ohm
    double Xt = 0; // reactance of the series coil, ohm
    std::string L; // series inductance, µH, as shown
    double C = 0;  // parallel capacitance, pF, rounded to one decimal
};

ETERO_FORM(ReteAdattamento, "frmreteadattamento");

} // namespace

} // namespace etero::antennautils
