// Two-element L networks matching two resistances at one frequency: the
// high-pass form (series capacitor, shunt inductor) and the low-pass form
// (series inductor, shunt capacitor), stepping up or down.
#include "matching.h"
#include "shell/app/registry.h"
#include "shell/number/fault.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::matching {

namespace {

// A value computed without an arithmetic fault; a fault stops the handler
// here, before the value is stored anywhere.
template <class T> T checked(T x) {
    checkFaultFlags();
    return x;
}

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
        // Inputs and commands at the top left, the two networks side by side
        // below them, the results of each network under its own picture, the
        // long note in a column on the right.
        layoutInTwips();
        windowSize(12300, 7350);
        field("Label2", "FREQUENZA in MHz", "txtfrequenza").at(2850, 210, 1650, 360);
        control("Label2").at(240, 270, 2550, 270);
        field("Label3", "IMPEDENZA INPUT in Ohm", "txtinput", "minore dell'impedenza output")
            .at(2850, 660, 1650, 360);
        control("Label3").at(240, 720, 2550, 270);
        field("Label4", "IMPEDENZA OUTPUT in Ohm", "txtoutput", "maggiore dell'impedenza input")
            .at(2850, 1110, 1650, 360);
        control("Label4").at(240, 1170, 2550, 270);
        command("cmdcalcola", "CALCOLA", [this] { compute(); }).at(4950, 210, 1950, 510);

        // The step-up pair in the design, the step-down pair in the same places.
        constexpr int kLeft = 240, kRight = 4290, kPictureTop = 1950;
        constexpr int kPictureWidth = 3750, kPictureHeight = 1650;
        picture("Image1", lNetwork(Part::Capacitor, Part::Inductor, false))
            .at(kLeft, kPictureTop, kPictureWidth, kPictureHeight);
        picture("Image2", lNetwork(Part::Inductor, Part::Capacitor, false))
            .at(kRight, kPictureTop, kPictureWidth, kPictureHeight);
        picture("Image3", lNetwork(Part::Capacitor, Part::Inductor, true))
            .hidden()
            .at(kLeft, kPictureTop, kPictureWidth, kPictureHeight);
        picture("Image4", lNetwork(Part::Inductor, Part::Capacitor, true))
            .hidden()
            .at(kRight, kPictureTop, kPictureWidth, kPictureHeight);
        // Zin over the input terminals, Zout over the output terminals.
        label("lblzin", "Zin").at(kLeft, 1680, 1650, 240);
        label("lblzout", "Zout").at(kLeft + 2850, 1680, 900, 240);
        label("lblzin1", "Zin").at(kRight, 1680, 1650, 240);
        label("lblzout1", "Zout").at(kRight + 2850, 1680, 900, 240);

        // The results of the left network under the left picture, those of
        // the right network under the right one.
        frame("Frame1").hidden().at(kLeft, 3750, 7800, 1500);
        label("lbldescrizione").font(0, true).at(kLeft + 150, 3930, 7500, 300);
        result("lblc1").at(kLeft + 150, 4320, 3450, 360);
        result("lbll1").at(kLeft + 150, 4770, 3450, 360);
        result("lblc2").at(kRight + 150, 4320, 3450, 360);
        result("lbll2").at(kRight + 150, 4770, 3450, 360);
        endFrame();
        label("Label1", "UN TRASFORMATORE DI ADATTAMENTO PUO' ESSERE COSTITUITO DA UNA RETE AD "
                        "\" L\"  COMPOSTA DA UN CONDENSATORE E DA UNA BOBINA QUINDI DA DUE "
                        "REATTANZE DI SEGNO OPPOSTO. PUO' ESSERE IN SALITA (Zin < Zout) O IN "
                        "DISCESA (Zin > Zout), PASSA ALTO O BASSO")
            .as(Role::Hint)
            .at(kLeft, 3750, 7800, 1500);
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
            .as(Role::Hint)
            .at(8340, 210, 3660, 4350);
        label("Label5", "LE PERDITE SONO DOVUTE ALLA RESISTENZA OHMICA DEL FILO DELLA BOBINA E "
                        "ALLA PERDITA DI ISOLAMENTO NEL DIELETTRICO DEL CONDENSATORE")
            .as(Role::Hint)
            .at(kLeft, 5400, 7800, 510);
        command("cmdchiamabobine", "COST.BOBINE", [this] {
            coilDesigner();
        }).at(4950, 960, 1950, 510);
        closeCommand("cmdesci", "E S C I").at(10200, 6150, 1800, 510);

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
            // All four results are computed before anything is shown: a fault
            // stops the handler here and leaves the description, the pictures
            // and the results kept for the equal-impedance case as the last
            // complete computation left them.
            const double c1 = checked(159150 / (f * std::sqrt(lo * D)));
            const double l1 = checked(hi / (6.28 * f) * std::sqrt(lo / D));
            const double c2 = checked(159155 / (f * hi) * std::sqrt(D / lo));
            const float l2 = checked(static_cast<float>(std::sqrt(lo * D) / (6.28 * f)));
            C1 = c1;
            L1 = l1;
            C2 = c2;
            L2 = l2;
            if (stepUp) {
                caption("lbldescrizione", "  PASSA ALTO IN SALITA                             "
                                          "PASSA BASSO IN SALITA");
            } else {
                caption("lbldescrizione", "  PASSA ALTO IN DISCESA                           "
                                          "PASSA BASSO IN DISCESA");
            }
            showAll({"Image1", "Image2"}, stepUp);
            showAll({"Image3", "Image4"}, !stepUp);
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
