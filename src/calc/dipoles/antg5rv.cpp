// The G5RV multiband dipole: a page of fixed dimensions for three versions,
// each with its half-dipole, the length of its open-wire matching line and a
// note on shortening that line when it is made of TV ribbon.
#include "dipoles.h"
#include "shell/app/registry.h"

#include <array>

namespace etero::dipoles {

namespace {

struct Version {
    const char* option;
    const char* arm;
    const char* line;
    const char* note;
};

constexpr std::array<Version, 3> kVersions{{
    {"Option1", "15.55 m", " 10.35 m",
     "LA LUNGHEZZA DELLA LINEA DI ADATTAMENTO DIPENDE ANCHE DALLA TIPOLOGIA DI COSTRUZIONE E "
     "DALLA DISTANZA DEI CONDUTTORI. SE REALIZZATA IN PIATTINA TV (300 ohm) RIDURLA A CIRCA "
     "9.2 m"},
    {"Option2", "13.75 m", " 12.2 m",
     "LA LUNGHEZZA DELLA LINEA DI ADATTAMENTO DIPENDE DALLA TIPOLOGIA DI COSTRUZIONE E DALLA "
     "DISTANZA DEI CONDUTTORI. SE REALIZZATA IN PIATTINA TV RIDURLA SPERIMENTALMENTE (10 % ca)"},
    {"Option3", "7.77 m", " 5.15 m",
     "LA LUNGHEZZA DELLA LINEA DI ADATTAMENTO DIPENDE ANCHE DALLA TIPOLOGIA DI COSTRUZIONE E "
     "DALLA DISTANZA DEI CONDUTTORI. SE REALIZZATA IN PIATTINA TV RIDURLA A CIRCA 4.58 m)"},
}};

class AntG5RV : public DipoleForm {
  public:
    AntG5RV() : DipoleForm("frmantg5rv") {}

  protected:
    void design() override {
        window("ANTENNA TIPO G5RV");
        option("Option1", "VERSIONE ORIGINALE   3.6 - 28 MHz").selected();
        option("Option2", "VERSIONE TIPO ZS6BKW   3.6 - 28 MHz");
        option("Option3", "VERSIONE ACCORCIATA   7 - 28  MHz");
        // The first version as the window opens.
        label("lblbraccio", "15.55 m").as(Role::OnDrawing);
        label("lbladattamento", "10.35 m").as(Role::OnDrawing);
        label("Label2", "SCALETTA  10 -12 cm").as(Role::OnDrawing);
        label("Label3", "BALUN TUNER").as(Role::OnDrawing);
        label("Label4", "discesa coax 50 ohm").as(Role::OnDrawing);
        label("Label1", "LA LUNGHEZZA DELLA LINEA DI ADATTAMENTO DIPENDE ANCHE DALLA TIPOLOGIA DI "
                        "COSTRUZIONE E DALLA DISTANZA DEI CONDUTTORI. SE REALIZZATA IN PIATTINA "
                        "TV  (300 ohm) RIDURLA A CIRCA 9.2 m")
            .as(Role::Hint);
        label("Label5", "NE SONO STATE PRODOTTE DIVERSE VERSIONI CARATTERIZZATE "
                        "DALL'OTTIMIZZAZIONE IN UNA BANDA A SCAPITO DELLE ALTRE")
            .as(Role::Hint);
        label("Label6", "L'IMPEDENZA DELLA LINEA VA DA 300 A 500 OHM E PIU' MA AGGIUSTANDONE LA "
                        "LUNGHEZZA ALL'ESTREMITA' INFERIORE DOVREBBE AVVICINARSI AI 50 OHM, ALMENO "
                        "NELLA BANDA PREFERITA. E' UTILE INTERPORRE UN BALUN 1:1 E UN ADATTATORE "
                        "D'ANTENNA. LA TARATURA SARA' QUINDI UN COMPROMESSO TRA LE VARIE BANDE.")
            .as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
        schematic();

        // The three buttons share the window, so choosing one releases the others.
        for (std::size_t i = 0; i < kVersions.size(); ++i)
            onClick(kVersions[i].option, [this, i] { choose(i); });
    }

  private:
    // The dipole, the ladder line down from its centre to the balun and
    // tuner, and the coaxial cable on to the station.
    void schematic() {
        Drawing& d = drawing(520, 262);
        const double y = 50, x1 = 40, x2 = 480, c = 260, boxTop = 180;
        dipole(d, x1, x2, y, 0);
        dimension(d, c, x2, 24, 46, "lblbraccio", 110);
        // the ladder line, its spacers drawn across it
        for (double side : {-6.0, 6.0}) {
            Shape& w = d.line(c + side, y + 4, c + side, boxTop);
            w.pen = kFeeder;
            w.penWidth = 1.2;
        }
        for (double k = y + 16; k < boxTop - 6; k += 14)
            d.line(c - 9, k, c + 9, k).penWidth = 0.8;
        d.arrowLine(c - 30, y + 6, c - 30, boxTop);
        d.slot("lbladattamento", c - 120, (y + boxTop) / 2 - 9, 84, 18, SlotAlign::Right);
        d.slot("Label2", c + 16, (y + boxTop) / 2 - 9, 170, 18);
        Shape& box = d.rect(c - 55, boxTop, 110, 28);
        box.filled = true;
        box.fill = 0xF0F0F0;
        d.slot("Label3", c - 52, boxTop + 5, 104, 18, SlotAlign::Centre);
        Shape& coax = d.line(c, boxTop + 28, c, 258);
        coax.pen = kFeeder;
        coax.penWidth = 3;
        d.slot("Label4", c + 10, 229, 170, 18);
    }

    void choose(std::size_t index) {
        for (std::size_t i = 0; i < kVersions.size(); ++i)
            if (i != index) setOn(kVersions[i].option, false);
        const Version& v = kVersions[index];
        caption("lblbraccio", v.arm);
        caption("lbladattamento", v.line);
        caption("Label1", v.note);
    }
};

ETERO_FORM(AntG5RV, "frmantg5rv");

} // namespace

} // namespace etero::dipoles
