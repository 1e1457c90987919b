// Where the magnetic-loop calculator comes from: the literature it draws on,
// a credit line, and a cartoon of a man who has had enough of his computer.
#include "pages.h"
#include "shell/app/registry.h"

#include <vector>

namespace etero::pages {

namespace {

// A man swinging an axe at a computer monitor; its screen is already cracked.
Drawing axeman() {
    Drawing d(210, 197);
    const Rgb outline = 0x4A4A4A, skin = 0xF1C27D, wood = 0x9C6B3A;
    filled(d.rect(1, 1, 208, 195), 0xEAF2FA, 0x8A98A8);
    stroked(d.line(8, 184, 202, 184), 0xA8B4C0, 2);

    // The desk and the monitor on it.
    filled(d.rect(108, 128, 96, 7), wood, 0x6B4A26);
    filled(d.rect(114, 135, 6, 48), wood, 0x6B4A26);
    filled(d.rect(192, 135, 6, 48), wood, 0x6B4A26);
    filled(d.polyline({148, 118, 168, 118, 175, 128, 141, 128}), 0xD8CDB2, 0x5A5040);
    filled(d.rect(124, 62, 72, 58), 0xE6DCC3, 0x5A5040);
    filled(d.rect(132, 70, 56, 40), 0x1F2D4D, 0x5A5040);
    for (const std::vector<double>& crack :
         {std::vector<double>{133, 72, 154, 84, 150, 91, 162, 104, 170, 109},
          std::vector<double>{154, 84, 171, 80, 186, 86}, std::vector<double>{150, 91, 139, 101}})
        stroked(d.polyline(crack), 0xFFFFFF, 1.2);
    filled(d.ellipse(187, 112, 5, 5), 0x2ECC71, 0x5A5040);
    // The blow: a flash where the blade bites the cabinet.
    filled(d.polyline({132, 52, 136, 60, 145, 58, 139, 64, 146, 71, 136, 68,
                       133, 76, 129, 68, 121, 68, 127, 63, 122, 55, 130, 59}),
           0xFFE347, 0xE67E22);

    // The man: legs astride, arms over his head gripping the axe.
    filled(d.polyline({36, 138, 50, 138, 44, 180, 30, 180}), 0x34558B, outline);
    filled(d.polyline({52, 138, 66, 138, 76, 180, 62, 180}), 0x34558B, outline);
    filled(d.ellipse(22, 176, 22, 9), 0x222222, 0x222222);
    filled(d.ellipse(62, 176, 22, 9), 0x222222, 0x222222);
    filled(d.polyline({34, 82, 66, 82, 70, 140, 30, 140}), 0xC0392B, outline);
    for (double y : {96.0, 110.0, 124.0})
        stroked(d.line(32, y, 68, y), 0x922B21, 1);
    for (double x : {44.0, 56.0})
        stroked(d.line(x, 83, x, 139), 0x922B21, 1);
    for (const std::vector<double>& arm : {std::vector<double>{38, 86, 50, 50, 66, 32},
                                           std::vector<double>{62, 86, 74, 54, 72, 34}}) {
        stroked(d.polyline(arm), outline, 9);
        stroked(d.polyline(arm), 0xC0392B, 7);
    }
    // The axe: its handle swung down on the monitor, the blade biting the
    // cabinet's corner.
    stroked(d.line(64, 30, 128, 51), wood, 5);
    filled(d.polyline({122.8, 43.7, 132.3, 46.8, 128.8, 74, 109.7, 67.9}), 0xA7B0BA, 0x4A5560);
    stroked(d.line(111.5, 66, 127.5, 71), 0xE0E6EC, 1.5);
    filled(d.ellipse(62, 26, 12, 12), skin, 0xB5835A);
    // Where the axe came from.
    for (double r : {56.0, 68.0}) {
        Shape& swing = stroked(d.arc(64 - r, 30 - r, 2 * r, 2 * r, -5, 30), 0x8A98A8, 1.2);
        swing.dashed = true;
    }
    filled(d.rect(45, 76, 10, 8), skin, 0xB5835A);
    filled(d.ellipse(34, 44, 32, 36), skin, 0xB5835A);
    filled(d.polyline({34, 58, 36, 46, 46, 40, 60, 42, 66, 52, 60, 48, 48, 47, 40, 52}), 0x5B3A1E,
           0x5B3A1E);
    stroked(d.line(50, 55, 57, 58), 0x222222, 1.6);
    stroked(d.line(60, 58, 65, 55), 0x222222, 1.6);
    filled(d.ellipse(53, 59, 3, 3), 0x222222, 0x222222);
    filled(d.ellipse(61, 59, 3, 3), 0x222222, 0x222222);
    filled(d.ellipse(55, 68, 8, 8), 0x7A2E2E, 0x5A1E1E);
    return d;
}

class InfoLoop : public Page {
  public:
    InfoLoop() : Page("frminfoloop") {}

  protected:
    void design() override {
        window("Informazioni");
        layoutInTwips();
        picture("Picture1", axeman()).at(180, 180, 3150, 2955);
        label("Label1", "Il calcolo si basa sugli articoli sull'argomento che una rivista di "
                        "radiotecnica ha pubblicato nel corso degli anni.")
            .at(3600, 360, 4200, 720);
        label("Label2", "Realizzazione a cura dell'autore del programma  -  febbraio 2002")
            .at(3600, 1320, 4200, 480);
        closeCommand("cdmchiudi", "Chiudi").at(6300, 2700, 1500, 435);
    }
};

ETERO_FORM(InfoLoop, "frminfoloop");

} // namespace

} // namespace etero::pages
