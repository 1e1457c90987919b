// How to make a non-polarised electrolytic capacitor from two polarised
// ones connected back to back, and what it costs.
#include "pages.h"
#include "shell/app/registry.h"

namespace etero::pages {

namespace {

class ElettroNonPolarizzati : public Page {
  public:
    ElettroNonPolarizzati() : Page("frmelettrononpolarizzati") {}

  protected:
    void design() override {
        window("CONDENSATORI ELETTROLITICI NON POLARIZZZATI");
        Drawing& d = drawing(800, 390);
        on(d, "Label1", "COME REALIZZARE UN CONDENSATORE ELETTROLITICO NON POLARIZZATO", 8, 4, 784,
           30, SlotAlign::Centre)
            .font(12, true);
        // Two capacitors in series, their negative plates joined; under each,
        // dashed, the fast diode that may be put across it.
        const double y = 170, low = 236;
        d.terminal(24, y);
        electrolytic(d, 27, y, 110, Dir::Right, true);
        d.line(137, y, 171, y);
        d.dot(154, y);
        electrolytic(d, 171, y, 110, Dir::Right, false);
        d.terminal(284, y);
        const Rgb optional = 0x808080;
        for (double x : {60.0, 154.0, 248.0}) {
            Shape& lead = d.line(x, y, x, low);
            lead.dashed = true;
            lead.pen = optional;
        }
        diode(d, 60, low, 94, Dir::Right, true, optional);
        diode(d, 154, low, 94, Dir::Right, false, optional);
        const double x = 320, w = 472;
        on(d, "Label2",
           "IN PRESENZA DI CORRENTI ALTERNATE PUO' SORGERE LA NECESSITA' DI UTILIZZARE "
           "CONDENSATORI ELETTROLITICI NON POLARIZZATI",
           x, 44, w, 48);
        on(d, "Label3",
           "OCCORRONO DUE IDENTICI ELETTROLITICI POLARIZZATI COLLEGATI BACK TO BACK CIOE' IN "
           "ANTISERIE",
           x, 100, w, 48);
        on(d, "Label4",
           "LA CAPACITA' RISULTANTE E' PARI ALLA META' DI QUELLA DI UN SINGOLO CONDENSATORE, "
           "QUINDI SI DIMEZZA",
           x, 156, w, 48);
        on(d, "Label5",
           "LA TENSIONE DI LAVORO RIMANE UGUALE A QUELLA DI UN SINGOLO CONDENSATORE E NON "
           "RADDOPPIA COME AVVIENE NELLA SERIE.",
           x, 212, w, 48);
        on(d, "Label6",
           "NE CONSEGUE CHE L'ASPETTO NEGATIVO E' CHE SI DIMEZZA LA CAPACITA' E SI RADDOPPIANO "
           "LE DIMENSIONI FISICHE ",
           x, 268, w, 48);
        on(d, "Label7",
           "PUO' ESSERE OPPORTUNO INSERIRE IN PARALLELO AGLI ELETTROLITICI DUE DIODI FAST PER "
           "RIDURRE LA TENSIONE INVERSA SUI CONDENSATORI",
           x, 324, w, 48);
        closeCommand("Command1", "E X I T");
    }
};

ETERO_FORM(ElettroNonPolarizzati, "frmelettrononpolarizzati");

} // namespace

} // namespace etero::pages
