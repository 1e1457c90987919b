// Three divider probes that extend a digital multimeter's direct-voltage
// ranges: a chain of series resistors from the probe tip, a shunt resistor,
// and the meter's own input resistance in parallel with that shunt.
#include "pages.h"
#include "shell/app/registry.h"

#include <array>

namespace etero::pages {

namespace {

struct Probe {
    const char* title;
    int resistors; // in the series chain
    const char* chain;
    const char* shunt;
    const char* meter;
};

const std::array<Probe, 3> kProbes{{
    {"SONDA 1 : 10 PER DVM  CON IMPEDENZA 10 Mega Ohm", 5,
     "10 M x 4 + 5 M x 1  per un totale di 45 MEGAohm", "10 M ohm",
     "10 Mohm INTERNA AL  MULTIMETRO"},
    {"SONDA 1 : 100 PER DVM  CON IMPEDENZA 10 Mega Ohm", 9, "10 M x 9 per un totale di 90 MEGAohm",
     "1 M ohm", "10 Mohm INTERNA AL  MULTIMETRO"},
    {"SONDA 1 : 100 PER DVM  CON IMPEDENZA 1 Mega Ohm usabile anche con oscilloscopi "
     "limitatamente alla corr. continua",
     6, "10 M x 4 + 9 M x 1 + 0.5 M x 1 per un totale di 49.5 MEGAohm", "1 M ohm",
     "1 Mohm INTERNA AL  MULTIMETRO"},
}};

class SondeCC : public Page {
  public:
    SondeCC() : Page("frmsondecc") {}

  protected:
    void design() override {
        window("SONDE PER CORRENTE CONTINUA");
        Drawing& d = drawing(1000, 476);
        int n = 1;
        for (std::size_t i = 0; i < kProbes.size(); ++i)
            probe(d, kProbes[i], 8 + 154.0 * static_cast<double>(i), n);
        on(d, "Label" + std::to_string(n),
           "POICHE' UN RAMO DEL PARTITORE DELLA SONDA VIENE A TROVARSI IN PARALLELO CON LA "
           "RESISTENZA INTERNA DELLO STRUMENTO. UNA SONDA CALCOLATA PER UN DVM CON IMPEDENZA 10 "
           "MEGAOHM NON PUO' ESSERE USATA CON UN DVM DA 1 MEGAOHM E VICEVERSA.  LA PRECISIONE "
           "DELLA MISURA DIPENDE DALLA TOLLERANZA DEI RESISTORI CHE DEVONO QUINDI ESSERE "
           "SELEZIONATI",
           776, 60, 216, 340);
        closeCommand("cmdesci", "C H I U D I");
    }

  private:
    // One probe from the top `top`: its title, the tip, the chain, the shunt
    // and, in the dashed outline of the multimeter, its input resistance.
    void probe(Drawing& d, const Probe& p, double top, int& n) {
        auto next = [&n] { return "Label" + std::to_string(n++); };
        const double y = top + 76, ground = top + 128, shunt = 470, meter = 580;
        on(d, next(), p.title, 8, top, 750, 40).font(0, true);
        on(d, next(), "PUNTALE", 10, y - 30, 84, 18, SlotAlign::Centre);
        filled(d.polyline({16, y, 34, y - 3, 34, y + 3}), 0x707070, kBlack);
        filled(d.rect(34, y - 7, 44, 14), 0xC0392B, kBlack);
        double x = 90;
        d.line(78, y, x, y);
        for (int i = 0; i < p.resistors; ++i, x += 36)
            d.resistor(x, y, 36, Dir::Right);
        on(d, next(), p.chain, 90, y + 10, 370, 36);
        d.line(x, y, meter, y);
        d.dot(shunt, y);
        d.resistor(shunt, y, ground - y, Dir::Down);
        d.dot(shunt, ground);
        on(d, next(), p.shunt, shunt + 14, y + 20, 80, 18);
        d.line(shunt - 30, ground, meter, ground);
        d.ground(shunt - 30, ground);
        Shape& dvm = d.rect(meter - 28, y - 20, 196, ground - y + 34);
        dvm.dashed = true;
        dvm.pen = 0x5A6A7A;
        d.resistor(meter, y, ground - y, Dir::Down);
        on(d, next(), p.meter, meter + 14, y + 12, 150, 40);
    }
};

ETERO_FORM(SondeCC, "frmsondecc");

} // namespace

} // namespace etero::pages
