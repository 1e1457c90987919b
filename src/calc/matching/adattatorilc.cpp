// Two-element L networks matching two resistances at one frequency: the
// high-pass form (series capacitor, shunt inductor) and the low-pass form
// (series inductor, shunt capacitor), stepping up or down.
#include "matching.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::matching {

namespace {

// One L network, 250 x 110: input terminals on the left, output terminals on
// the right. The shunt element stands on the side of the higher impedance.
Drawing lNetwork(Part series, Part shunt, bool shuntAtInput) {
    const double top = 30, bottom = 100, in = 10, out = 240;
    Drawing d(250, 110);
    d.terminal(in - 3, top);
    d.terminal(in - 3, bottom);
    d.terminal(out + 3, top);
    d.terminal(out + 3, bottom);
    d.line(in, bottom, out, bottom);
    const double xs = shuntAtInput ? 70 : 180, from = shuntAtInput ? 110 : 30;
    d.line(in, top, from, top);
    drawPart(d, series, from, top, 100, Dir::Right);
    d.line(from + 100, top, out, top);
    drawPart(d, shunt, xs, top, bottom - top, Dir::Down);
    d.dot(xs, top);
    d.dot(xs, bottom);
    return d;
}

class FrmAdattatoriLC : public MatchingForm {
  public:
    FrmAdattatoriLC() : MatchingForm("frmadattatoriLC") {}

  protected:
    void design() override {
        window("ADATTATORI AD INDUTTANZA - CAPACITA'      RETI A \" L \"");
        field("Label2", "FREQUENZA in MHz", "txtfrequenza");
        field("Label3", "IMPEDENZA INPUT in Ohm", "txtinput", "minore dell'impedenza output");
        field("Label4", "IMPEDENZA OUTPUT in Ohm", "txtoutput", "maggiore dell'impedenza input");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });

        // The step-up pair in the design, the step-down pair in the same places.
        picture("Image1", lNetwork(Part::Capacitor, Part::Inductor, false)).as(Role::OnDrawing);
        picture("Image2", lNetwork(Part::Inductor, Part::Capacitor, false)).as(Role::OnDrawing);
        picture("Image3", lNetwork(Part::Capacitor, Part::Inductor, true))
            .as(Role::OnDrawing)
            .hidden();
        picture("Image4", lNetwork(Part::Inductor, Part::Capacitor, true))
            .as(Role::OnDrawing)
            .hidden();
        label("lblzin", "Zin").as(Role::OnDrawing);
        label("lblzout", "Zout").as(Role::OnDrawing);
        label("lblzin1", "Zin").as(Role::OnDrawing);
        label("lblzout1", "Zout").as(Role::OnDrawing);
        Drawing& d = drawing(540, 140);
        d.line(270, 0, 270, 140).dashed = true;
        d.slot("Image1", 10, 26, 250, 110, 0);
        d.slot("Image3", 10, 26, 250, 110, 0);
        d.slot("Image2", 280, 26, 250, 110, 0);
        d.slot("Image4", 280, 26, 250, 110, 0);
        d.slot("lblzin", 10, 4, 115, 18);
        d.slot("lblzout", 145, 4, 115, 18, 1);
        d.slot("lblzin1", 280, 4, 115, 18);
        d.slot("lblzout1", 415, 4, 115, 18, 1);

        frame("Frame1").hidden();
        result("lbldescrizione");
        result("lblc1");
        result("lbll1");
        result("lblc2");
        result("lbll2");
        endFrame();
        label("Label1", "UN TRASFORMATORE DI ADATTAMENTO PUO' ESSERE COSTITUITO DA UNA RETE AD "
                        "\" L\"  COMPOSTA DA UN CONDENSATORE E DA UNA BOBINA QUINDI DA DUE "
                        "REATTANZE DI SEGNO OPPOSTO. PUO' ESSERE IN SALITA (Zin < Zout) O IN "
                        "DISCESA (Zin > Zout), PASSA ALTO O BASSO")
            .as(Role::Hint);
        label("lblteoria",
              "IN GENERE L'IMPEDENZA DI UN GENERATORE DIFFERISCE DA QUELLA DELL'UTILIZZATORE O "
              "CARICO E QUESTO FATTO IMPEDISCE UN OTTIMALE TRASFERIMENTO DELLA POTENZA.   PER IL "
              "MASSIMO TRASFERIMENTO SUL CARICO OCCORRE CONIUGARE LE DUE IMPEDENZE PER ESEMPIO "
              "CON UN CIRCUITO ADATTATORE \"LC\", CHE IN TEORIA NON DISSIPA, E OPERANTE AD UNA BEN "
              "PRECISA FREQUENZA.    I RISULTATI NON SONO DIRETTAMENTE APPLICABILI NELL'IPOTESI "
              "DI UN TX COLLEGATO ALL' ANTENNA, DOVE L'INIZIO DEL CAVO PRESENTA UNA IMPEDENZA "
              "COSTANTE ( 50 OHM ) SOLO IN ASSENZA DI \"ROS\" , QUINDI QUASI MAI, E IL TX VEDE "
              "UN'IMPEDENZA FORMATA DA UNA COMPONENTE RESISTIVA E UNA REATTIVA CHE VARIANO IN "
              "FUNZIONE DELLA LUNGHEZZA DELLA LINEA DI ALIMENTAZIONE.    IN QUESTO CASO BASTERA' "
              "PREVEDERE LA POSSIBILITA' DI RENDERE VARIABILI I VALORI DI CAPACITA'  E "
              "INDUTTANZA.")
            .as(Role::Hint);
        label("Label5", "LE PERDITE SONO DOVUTE ALLA RESISTENZA OHMICA DEL FILO DELLA BOBINA E "
                        "ALLA PERDITA DI ISOLAMENTO NEL DIELETTRICO DEL CONDENSATORE")
            .as(Role::Hint);
        command("cmdchiamabobine", "COST.BOBINE", [this] { coilDesigner(); });
        closeCommand("cmdesci", "E S C I");

        for (const char* input : {"txtfrequenza", "txtinput", "txtoutput"})
            onChange(input, [this] { backToExplanation(); });
    }

  private:
    void backToExplanation() {
        show("Label1");
        hide("Frame1");
        caption("lblzin", "zin");
        caption("lblzin1", "zin");
        caption("lblzout", "zout");
        caption("lblzout1", "zout");
    }

    void coilDesigner() { openBeside("frmbobine", 180, 180, 4100, 3000); }

    void compute() {
        hide("Label1");
        const double f = num("txtfrequenza"), Zin = num("txtinput"), Zout = num("txtoutput");
        const double product = f * Zin * Zout;
        if (product == 0) {
            warn("MANCANO UNO O PIU' DATI", kErrorTitle);
            return focus("txtfrequenza");
        }
        if (product < 0) return;
        caption("lblzin", formatLocale(Zin));
        caption("lblzin1", formatLocale(Zin));
        caption("lblzout", formatLocale(Zout));
        caption("lblzout1", formatLocale(Zout));

        if (Zin == Zout) {
            // No new results; the captions are written again, from the last
            // computation, inside the hidden frame.
            warn("NON OCCORRE ADATTAMENTO", "AVVISO");
            focus("txtinput");
            hide("Frame1");
        } else {
            // The same four formulas either way, with the lower impedance as lo.
            const bool stepUp = Zin < Zout;
            const double lo = stepUp ? Zin : Zout, hi = stepUp ? Zout : Zin, D = hi - lo;
            if (stepUp) {
                caption("lbldescrizione", "  PASSA ALTO IN SALITA                             "
                                          "PASSA BASSO IN SALITA");
            } else {
                caption("lbldescrizione", "  PASSA ALTO IN DISCESA                           "
                                          "PASSA BASSO IN DISCESA");
            }
            showAll({"Image1", "Image2"}, stepUp);
            showAll({"Image3", "Image4"}, !stepUp);
            C1 = 159150 / (f * std::sqrt(lo * D));
            L1 = hi / (6.28 * f) * std::sqrt(lo / D);
            C2 = 159155 / (f * hi) * std::sqrt(D / lo);
            L2 = static_cast<float>(std::sqrt(lo * D) / (6.28 * f));
            show("Frame1");
        }
        caption("lblc1", "LA CAPACITA' E' " + formatFixed(C1, 1) + " pF");
        caption("lblc2", "LA CAPACITA' E' " + formatFixed(C2, 1) + " pF");
        caption("lbll1", "L'INDUTTANZA E' " + formatFixed(L1, 2) + kMicro + "H");
        caption("lbll2", "L'INDUTTANZA E' " + formatFixed(L2, 2) + kMicro + "H");
    }

    // The last results, kept for the window's lifetime; L2 in single precision.
    double C1 = 0, L1 = 0, C2 = 0;
    float L2 = 0;
};

ETERO_FORM(FrmAdattatoriLC, "frmadattatoriLC");

} // namespace

} // namespace etero::matching
