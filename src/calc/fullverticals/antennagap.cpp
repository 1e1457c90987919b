// The Slim Jim: a folded half-wave radiator over a quarter-wave matching
// line, with a gap where the two meet. Radiator, line, spacing, height of
// the feed point and gap from the working frequency as it is typed, with an
// advice on the elements' diameter.
#include "fullverticals.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cstdint>

namespace etero::fullverticals {

namespace {

class AntennaGap : public JForm {
  public:
    AntennaGap() : JForm("frmantennagap") {}

  protected:
    void design() override {
        window("ANTENNA VERTICALE  TIPO GAP   CHIAMATA ANCHE \" SLIM JIM \"");
        field("Label1", "FREQUENZA IN MHz.", "txtfrequenza");
        result("lbldiametro");
        label("Label2", "ANTENNA PER VHF SIMILE ALLA \" J \" CON UN BASSO ANGOLO DI RADIAZIONE.  "
                        "     NIENTE RADIALI NE' COLLEGAMENTO A TERRA")
            .as(Role::Hint);
        label("Label3", "COLLEGARE IL CENTRALE DEL CAVO DA 50 OHM AL RADIATORE E LA CALZA ALLO "
                        "STUB. OCCORRE ATTORNO UNO SPAZIO LIBERO DI ALMENO 1/4 LAMBDA.")
            .as(Role::Hint);
        label("Label4", "LA SPAZIATURA NON E'  CRITICA .   LUNGHEZZA SPAZIATURA E GAP "
                        "INTERAGISCONO TRA LORO E CONDIZIONANO LA  DISTANZA  DEL PUNTO DI "
                        "ALIMENTAZIONE CHE DOVRA' ESSERE TROVATA PER TENTATIVI PER IL MINIMO ROS.")
            .as(Role::Hint);
        label("lblaltezza").as(Role::OnDrawing);
        label("lbllinea").as(Role::OnDrawing);
        label("lbldist").as(Role::OnDrawing);
        label("lblalim").as(Role::OnDrawing);
        label("lblgap").as(Role::OnDrawing);
        schematic();
        closeCommand("cmdesci", kClose);

        followFrequency({"lblaltezza", "lbllinea", "lbldist", "lblalim", "lblgap"},
                        [this] { compute(); });
    }

  private:
    // One conductor folded at the top: the radiator down the left side, the
    // right side broken by the gap above the matching line, the two joined
    // at the base; the cable tapped across them a little above the base.
    void schematic() {
        Drawing& d = drawing(340, 420);
        const double left = 150, right = 190, top = 40, base = 340, scale = (base - top) / 21800;
        const double lineTop = base - 7200 * scale, gapTop = lineTop - 10; // gap drawn wider
        const double tap = base - 1500 * scale;
        conductor(d,
                  {right, gapTop, right, top, left, top, left, base, right, base, right, lineTop});
        tappedFeed(d, left, right, tap, base);
        heightMeasure(d, left - 40, top, base, "lblaltezza", left - 48, 100);
        heightMeasure(d, left - 20, tap, base, "lblalim", left - 48, 100);
        heightMeasure(d, right + 40, lineTop, base, "lbllinea", right + 48, 90);
        heightMeasure(d, right + 20, gapTop, lineTop, "lblgap", right + 48, 90);
        widthMeasure(d, left, right, top - 14);
        d.slot("lbldist", right + 8, top - 32, 100, 18);
    }

    void compute() {
        Ln = toInt16(7200 / f);
        R = toInt16(21800 / f);
        P = formatFixed(650 / f, 1);
        Gp = roundThroughFixed(300 / f, 1);
        advice(27);
        showLengths(R, Ln);
        caption("lbldist", P + " cm.");
        caption("lblalim", formatFixed(1500 / f, 1));
        caption("lblgap", formatLocale(Gp) + " cm.");
    }

    std::int16_t Ln = 0, R = 0; // whole centimetres
    std::string P;              // cm, as shown
    double Gp = 0;              // cm, rounded as shown
};

ETERO_FORM(AntennaGap, "frmantennagap");

} // namespace

} // namespace etero::fullverticals
