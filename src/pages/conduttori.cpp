// The enamelled copper wire table: for each diameter its cross-section, the
// current it carries at 3 and 4 A/mm², the turns it winds per cm and per cm²
// (bare layers, and layers interleaved with 0,005 mm or 0,10 mm paper), its
// weight and its resistance at 15 °C. The window is this table alone, drawn
// as a picture; it has no command and closes with its close box.
#include "pages.h"
#include "shell/app/registry.h"

#include <array>
#include <numeric>

namespace etero::pages {

namespace {

// The table, worked out once from the diameter d (mm):
//   section     π·d²/4, cut (not rounded) to four significant figures;
//   currents    that section times 3 and times 4 A/mm²;
//   turns       the enamelled wire is D = d + 0,06·√d mm thick overall;
//               per cm: the whole turns in 10/D; per cm²: 0,9·100/D² in bare
//               layers, 0,8·100/(D·(D + t)) with paper t mm thick between the
//               layers (the paper also costs some of the winding's order);
//   weight      copper of 8,913 g/cm³: 8,913·π·d²/4 g/m, four significant figures;
//   resistance  copper of 0,017241 Ω·mm²/m at 20 °C, 0,00393 /°C less for the
//               5 °C below: 0,016902/(π·d²/4) Ω/m, three decimals (two
//               significant figures where that shows fewer).
// The row 1,00 mm reads 0,7853 mm², 2,3559 and 3,1412 A, 9 turns per cm, 80,
// 70 and 65 turns per cm², 7,000 g/m and 0,022 Ω/m.
constexpr int kColumns = 10;
using Row = std::array<const char*, kColumns>;
constexpr std::array<Row, 44> kWires{{
    {"0,05", "0,001963", "0,005889", "0,007852", "157", "22.378", "18.438", "7.719", "0,01750",
     "8,608"},
    {"0,06", "0,002827", "0,008481", "0,011308", "133", "16.130", "13.438", "6.130", "0,02520",
     "5,978"},
    {"0,07", "0,003848", "0,011544", "0,015392", "116", "12.204", "10.251", "5.011", "0,03430",
     "4,392"},
    {"0,08", "0,005026", "0,015078", "0,020104", "103", "9.571", "8.090", "4.188", "0,04480",
     "3,363"},
    {"0,09", "0,006361", "0,019083", "0,025444", "92", "7.716", "6.555", "3.561", "0,05670",
     "2,657"},
    {"0,10", "0,007853", "0,023559", "0,031412", "84", "6.358", "5.423", "3.070", "0,07000",
     "2,152"},
    {"0,11", "0,009503", "0,028509", "0,038012", "76", "5.333", "4.565", "2.678", "0,08470",
     "1,779"},
    {"0,12", "0,01130", "0,03390", "0,04520", "71", "4.540", "3.897", "2.359", "0,1008", "1,494"},
    {"0,13", "0,01327", "0,03981", "0,05308", "65", "3.914", "3.368", "2.096", "0,1183", "1,273"},
    {"0,14", "0,01539", "0,04617", "0,06156", "61", "3.410", "2.940", "1.876", "0,1372", "1,098"},
    {"0,15", "0,01767", "0,05301", "0,07068", "57", "2.998", "2.590", "1.690", "0,1575", "0,956"},
    {"0,16", "0,02010", "0,06030", "0,08040", "54", "2.658", "2.300", "1.530", "0,1792", "0,841"},
    {"0,17", "0,02269", "0,06807", "0,09076", "51", "2.373", "2.056", "1.393", "0,2023", "0,745"},
    {"0,18", "0,02544", "0,07632", "0,10176", "48", "2.132", "1.850", "1.274", "0,2268", "0,664"},
    {"0,19", "0,02835", "0,08505", "0,11340", "46", "1.926", "1.673", "1.170", "0,2527", "0,596"},
    {"0,20", "0,03141", "0,09423", "0,12564", "44", "1.749", "1.521", "1.079", "0,2800", "0,538"},
    {"0,22", "0,03801", "0,11403", "0,15204", "40", "1.461", "1.273", "926", "0,3388", "0,445"},
    {"0,24", "0,04523", "0,13569", "0,18092", "37", "1.240", "1.082", "803", "0,4032", "0,374"},
    {"0,25", "0,04908", "0,14724", "0,19632", "35", "1.147", "1.002", "751", "0,4375", "0,344"},
    {"0,26", "0,05309", "0,15927", "0,21236", "34", "1.065", "931", "704", "0,4732", "0,318"},
    {"0,28", "0,06157", "0,18471", "0,24628", "32", "926", "810", "623", "0,5488", "0,274"},
    {"0,30", "0,07068", "0,21204", "0,28272", "30", "812", "711", "555", "0,6300", "0,239"},
    {"0,35", "0,09621", "0,28863", "0,38484", "25", "605", "531", "427", "0,8575", "0,176"},
    {"0,40", "0,1256", "0,3768", "0,5024", "22", "469", "412", "339", "1,120", "0,135"},
    {"0,45", "0,1590", "0,4770", "0,6360", "20", "374", "329", "276", "1,418", "0,106"},
    {"0,50", "0,1963", "0,5889", "0,7852", "18", "305", "269", "229", "1,750", "0,086"},
    {"0,55", "0,2375", "0,7125", "0,9500", "16", "254", "224", "193", "2,118", "0,071"},
    {"0,60", "0,2827", "0,8481", "1,1308", "15", "215", "189", "165", "2,520", "0,060"},
    {"0,65", "0,3318", "0,9954", "1,3272", "14", "184", "162", "143", "2,958", "0,051"},
    {"0,70", "0,3848", "1,1544", "1,5392", "13", "159", "141", "125", "3,430", "0,044"},
    {"0,75", "0,4417", "1,3251", "1,7668", "12", "139", "123", "110", "3,938", "0,038"},
    {"0,80", "0,5026", "1,5078", "2,0104", "11", "123", "109", "98", "4,480", "0,034"},
    {"0,85", "0,5674", "1,7022", "2,2696", "11", "109", "97", "87", "5,058", "0,030"},
    {"0,90", "0,6361", "1,9083", "2,5444", "10", "98", "86", "79", "5,670", "0,027"},
    {"0,95", "0,7088", "2,1264", "2,8352", "9", "88", "78", "71", "6,318", "0,024"},
    {"1,00", "0,7853", "2,3559", "3,1412", "9", "80", "70", "65", "7,000", "0,022"},
    {"1,20", "1,130", "3,390", "4,520", "7", "56", "49", "46", "10,08", "0,015"},
    {"1,40", "1,539", "4,617", "6,156", "6", "41", "36", "34", "13,72", "0,011"},
    {"1,50", "1,767", "5,301", "7,068", "6", "36", "32", "30", "15,75", "0,0096"},
    {"1,80", "2,544", "7,632", "10,176", "5", "25", "22", "21", "22,68", "0,0066"},
    {"2,00", "3,141", "9,423", "12,564", "4", "20", "18", "17", "28,00", "0,0054"},
    {"2,50", "4,908", "14,724", "19,632", "3", "13", "11", "11", "43,75", "0,0034"},
    {"3,00", "7,068", "21,204", "28,272", "3", "9", "8", "8", "63,00", "0,0024"},
    {"4,00", "12,56", "37,68", "50,24", "2", "5", "4", "4", "112,0", "0,0013"},
}};

// Column widths in drawing pixels, and the two heading lines of each column.
constexpr std::array<double, kColumns> kWidths{52, 64, 62, 62, 46, 62, 64, 62, 56, 62};
constexpr std::array<const char*, kColumns> kHeadings{"Diametro", "Sezione",   "3 A/mm²", "4 A/mm²",
                                                      "Spire",    "senza",     "carta",   "carta",
                                                      "Peso",     "Resistenza"};
constexpr std::array<const char*, kColumns> kUnits{"mm",    "mm²",      "A",       "A",   "per cm",
                                                   "carta", "0,005 mm", "0,10 mm", "g/m", "Ω/m"};

Drawing wireTable() {
    constexpr double left = 4, top = 4, title = 26, heading = 46, row = 15;
    const double width = std::accumulate(kWidths.begin(), kWidths.end(), 0.0);
    const double body = top + title + heading, bottom = body + kWires.size() * row;
    Drawing d(width + 2 * left, bottom + top);
    const Rgb rule = 0x8A9BB0, ink = 0x1A1A1A;

    filled(d.rect(left, top, width, title + heading), 0xDCE6F2, rule);
    d.text(left + width / 2, top + title / 2, "FILO DI RAME SMALTATO  -  CARATTERISTICHE", 9).bold =
        true;
    // Group headings over the columns they span.
    double x = left;
    std::array<double, kColumns + 1> edge{};
    for (int c = 0; c < kColumns; ++c) {
        edge[c] = x;
        x += kWidths[c];
    }
    edge[kColumns] = x;
    const double groupY = top + title + 8;
    d.text((edge[2] + edge[4]) / 2, groupY, "Corrente massima", 7).bold = true;
    d.text((edge[5] + edge[8]) / 2, groupY, "Spire per cm²", 7).bold = true;
    d.line(edge[2] + 6, groupY + 7, edge[4] - 6, groupY + 7).pen = rule;
    d.line(edge[5] + 6, groupY + 7, edge[8] - 6, groupY + 7).pen = rule;
    d.line(left, top + title, left + width, top + title).pen = rule;
    for (int c = 0; c < kColumns; ++c) {
        const double mid = (edge[c] + edge[c + 1]) / 2;
        d.text(mid, top + title + 24, kHeadings[c], 7).bold = true;
        d.text(mid, top + title + 36, kUnits[c], 7);
    }
    d.text((edge[9] + edge[10]) / 2, top + title + 8, "a 15 °C", 7);

    // The rows, every other one shaded; numbers right-aligned in their columns.
    for (std::size_t r = 0; r < kWires.size(); ++r) {
        const double y = body + r * row;
        if (r % 2 == 1) {
            filled(d.rect(left, y, width, row), 0xF1F5FA, 0xF1F5FA).penWidth = 0;
        }
        for (int c = 0; c < kColumns; ++c) {
            Shape& t = d.text(edge[c + 1] - 7, y + row / 2, kWires[r][c], 7.5, Anchor::EndsAt);
            t.pen = ink;
            t.bold = c == 0;
        }
    }
    for (int c = 1; c < kColumns; ++c) {
        const double from = (c == 3 || c == 6 || c == 7) ? top + title + 16 : top + title;
        Shape& l = d.line(edge[c], from, edge[c], bottom);
        l.pen = rule;
        l.penWidth = 1;
    }
    d.line(left, body, left + width, body).pen = rule;
    Shape& frame = d.rect(left, top, width, bottom - top);
    frame.pen = rule;
    return d;
}

class Conduttori : public Page {
  public:
    Conduttori() : Page("frmconduttori") {}

  protected:
    void design() override {
        window("CARATTERISTICHE CONDUTTORI ELETTRICI");
        layoutInTwips();
        const Drawing table = wireTable();
        const int width = static_cast<int>(table.width()) * kTwipsPerPixel;
        const int height = static_cast<int>(table.height()) * kTwipsPerPixel;
        picture("Picture1", table).at(180, 180, width, height);
    }
};

ETERO_FORM(Conduttori, "frmconduttori");

} // namespace

} // namespace etero::pages
