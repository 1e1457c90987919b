// The program's own page: how to type numbers, the terms of use, the
// version, and a cartoon of an inventor at work.
#include "pages.h"
#include "shell/app/registry.h"

#include <array>
#include <vector>

namespace etero::pages {

namespace {

// An inventor with a screwdriver at his contraption, a lit bulb on top.
Drawing inventor() {
    Drawing d(220, 232);
    const Rgb outline = 0x4A4A4A, skin = 0xF1C27D, hair = 0xE8E8E8, coat = 0xFFFFFF;
    filled(d.rect(1, 1, 218, 230), 0xFFF6E0, 0x9A8F7A);
    stroked(d.line(8, 218, 212, 218), 0xB0A58C, 2);

    // The bench and the contraption on it.
    filled(d.rect(112, 150, 100, 8), 0xA0703C, 0x6B4A26);
    filled(d.rect(118, 158, 6, 59), 0xA0703C, 0x6B4A26);
    filled(d.rect(198, 158, 6, 59), 0xA0703C, 0x6B4A26);
    filled(d.rect(128, 110, 62, 40), 0x7D8A96, 0x3E4650);
    for (double x : {134.0, 154.0}) {
        filled(d.ellipse(x, 116, 16, 16), 0xFFFFFF, 0x3E4650);
        stroked(d.line(x + 8, 124, x + 12, 119), 0xC0392B, 1.2);
    }
    filled(d.ellipse(176, 116, 7, 7), 0xE74C3C, 0x3E4650);
    filled(d.ellipse(176, 128, 7, 7), 0x2ECC71, 0x3E4650);
    filled(d.ellipse(129, 139, 5, 5), 0xC8C8C8, 0x3E4650);
    // A spring of copper wire up to the bulb.
    std::vector<double> spring{159, 110};
    for (int i = 1; i <= 8; ++i) {
        spring.push_back(i % 2 ? 153.0 : 165.0);
        spring.push_back(110 - i * 3.6);
    }
    spring.push_back(159);
    spring.push_back(80);
    stroked(d.polyline(spring), 0xB87333, 1.6);
    // The lit bulb: its glow, the glass, the filament and the screw base.
    for (int i = 0; i < 7; ++i) {
        const double a[7][4] = {{159, 30, 159, 22}, {176, 36, 182, 30}, {183, 52, 191, 52},
                                {142, 36, 136, 30}, {135, 52, 127, 52}, {180, 66, 186, 71},
                                {138, 66, 132, 71}};
        stroked(d.line(a[i][0], a[i][1], a[i][2], a[i][3]), 0xFFA000, 2.2);
    }
    filled(d.ellipse(143, 34, 32, 38), 0xFFE95A, 0xC9A400);
    stroked(d.polyline({153, 64, 155, 50, 158, 62, 161, 50, 164, 62, 166, 50}), 0xD35400, 1.2);
    filled(d.rect(152, 70, 14, 10), 0xA0A0A0, 0x5A5A5A);
    for (double y : {73.0, 76.0})
        stroked(d.line(152, y, 166, y), 0x5A5A5A, 1);

    // The inventor: legs, coat, the arm that works, the head.
    filled(d.rect(44, 176, 13, 38), 0x3B4A6B, outline);
    filled(d.rect(64, 176, 13, 38), 0x3B4A6B, outline);
    filled(d.ellipse(38, 209, 22, 10), 0x222222, 0x222222);
    filled(d.ellipse(62, 209, 24, 10), 0x222222, 0x222222);
    stroked(d.line(50, 108, 42, 150), outline, 11);
    stroked(d.line(50, 108, 42, 150), coat, 9);
    filled(d.ellipse(36, 145, 11, 11), skin, 0xB5835A);
    filled(d.polyline({48, 100, 80, 100, 92, 182, 36, 182}), coat, outline);
    stroked(d.line(64, 104, 66, 180), outline, 1);
    for (double y : {118.0, 136.0, 154.0})
        filled(d.ellipse(68, y, 4, 4), 0x8A8A8A, 0x8A8A8A);
    stroked(d.line(78, 108, 110, 135), outline, 11);
    stroked(d.line(78, 108, 110, 135), coat, 9);
    // The screwdriver in his hand, its tip on a screw of the box.
    stroked(d.line(113, 138, 122, 140), 0xC0392B, 6);
    stroked(d.line(122, 140, 131, 141.5), 0x707070, 2);
    filled(d.ellipse(107, 130, 12, 12), skin, 0xB5835A);
    filled(d.rect(58, 92, 12, 10), skin, 0xB5835A);
    // White hair standing out all round a bald crown.
    for (const auto& e : {std::array<double, 4>{33, 52, 22, 30},
                          {37, 40, 24, 20},
                          {56, 38, 22, 14},
                          {74, 44, 14, 16}})
        filled(d.ellipse(e[0], e[1], e[2], e[3]), hair, 0x9A9A9A);
    filled(d.ellipse(44, 48, 40, 48), skin, 0xB5835A);
    filled(d.ellipse(45, 66, 8, 13), skin, 0xB5835A);
    stroked(d.ellipse(64, 63, 11, 11), 0x222222, 1.2);
    stroked(d.ellipse(76, 63, 10, 11), 0x222222, 1.2);
    stroked(d.line(75, 68, 76, 68), 0x222222, 1.2);
    filled(d.ellipse(68, 67, 3, 3), 0x222222, 0x222222);
    filled(d.ellipse(80, 67, 3, 3), 0x222222, 0x222222);
    stroked(d.polyline({84, 71, 89, 79, 84, 81}), 0xB5835A, 1.2);
    filled(d.ellipse(71, 81, 13, 5), hair, 0x9A9A9A);
    stroked(d.arc(71, 82, 11, 8, 200, 140), 0x7A3B2E, 1.2);
    return d;
}

class Abaut : public Page {
  public:
    Abaut() : Page("frmabaut") {}

  protected:
    void design() override {
        window("Informazioni");
        layoutInTwips();
        picture("Picture1", inventor()).at(180, 180, 3300, 3480);
        label("Label1", "USARE IL PUNTO DEL TASTIERINO PER SEPARARE GLI EVENTUALI DECIMALI; "
                        "l'operatività è risultata molto più pratica e veloce che con l'uso della "
                        "virgola. USARE TAB O MOUSE PER SPOSTARSI")
            .color(kBlue)
            .at(3780, 180, 5400, 900);
        label("Label2", "L'uso del programma è gratuito, pertanto, l'autore non si assume alcuna "
                        "responsabilità, esplicita o implicita.")
            .at(3780, 1260, 5400, 480);
        label("Label3", "Non potrà quindi, in nessun caso, essere ritenuto responsabile per "
                        "incidenti o danni che derivino, direttamente o indirettamente, o siano "
                        "causati dall'uso del programma o dal suo funzionamento.")
            .at(3780, 1920, 5400, 720);
        label("Label4", "Il semplice uso del programma comporta l'accettazione di quanto sopra "
                        "precisato.")
            .at(3780, 2820, 5400, 480);
        label("Label5", "prima vers.  2002").at(180, 3840, 3300, kLine);
        label("Label6", "VERSIONE CORRENTE : 2.19  del 2019")
            .font(0, true)
            .at(180, 4140, 3300, kLine);
        label("Label7", "Gli aggiornamenti del programma si possono scaricare gratuitamente dalla "
                        "pagina dell'autore in rete.")
            .at(3780, 3480, 5400, 480);
        closeCommand("cmdchiudi", "CHIUDI").at(7680, 4080, 1500, 435);
    }
};

ETERO_FORM(Abaut, "frmabaut");

} // namespace

} // namespace etero::pages
