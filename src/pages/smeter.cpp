// The S-meter scales for HF and for VHF: what each S unit means in
// microvolts on 50 ohm, in power and in dBm, after two notes on the
// standard the scales follow. Each cell of the table is a label of its own.
#include "pages.h"
#include "shell/app/registry.h"

#include <array>

namespace etero::pages {

namespace {

struct Scale {
    const char* form;
    const char* caption;
    const char* notes[2];
    const char* power; // the power column's heading
    std::array<std::array<const char*, 3>, 13> rows;
    const char* after = nullptr; // a note below the table
};

// The S units of both scales: S1 to S9 in steps of 6 dB, then 10 dB steps.
constexpr std::array<const char*, 13> kUnits{"1", "2", "3",      "4",      "5",      "6",     "7",
                                             "8", "9", "9 + 10", "9 + 20", "9 + 30", "9 + 40"};

const Scale kHF{
    "frmsmeterhf",
    "SCALA  S METER in H F   - INTENSITA' -  POTENZA SEGNALE - dBm",
    {"CON LA CONFERENZA DELLA IARU DEL 1978 SI E' STABILITO CHE AD \"S9\"  DOVEVA CORRISPONDERE "
     "UNA TENSIONE DI 100 microV AL GENERATORE PARI A  50 microV SU 50 OHM, CORRISPONDENTI A  -73 "
     "dBm.      DA S1 A S9 UN PUNTO DELL'S-METER CORRISPONDE A 6 dB, OLTRE SI INCREMENTA DI 10 dB.",
     "NELLA TABELLA, VALIDA FINO ALLE HF, SI E'  ASSUNTO QUINDI COME RIFERIMENTO PER  S9 IL VALORE "
     "DI 50 microVolt .                  PER LE VHF CONSULTARE LA RELATIVA TABELLA"},
    "nanoWatt",
    {{{"0,19", "0,0000008", "- 121"},
      {"0,39", "0,0000032", "- 115"},
      {"0,78", "0,0000126", "- 109"},
      {"1,56", "0,0000501", "- 103"},
      {"3,12", "0,0001995", "- 97"},
      {"6,25", "0,0007943", "- 91"},
      {"12,5", "0,0031622", "- 85"},
      {"25", "0,0125892", "- 79"},
      {"50", "0,050", "- 73"},
      {"158", "0,500", "- 63"},
      {"501", "5,012", "- 53"},
      {"1583", "50,119", "- 43"},
      {"5000", "501,00", "- 33"}}},
};

const Scale kVHF{
    "frmsmetervhf",
    "SCALA  S METER in V H F    - INTENSITA' -  POTENZA SEGNALE - dBm",
    {"CON LA CONFERENZA DELLA IARU DEL 1978 SI E' STABILITO CHE AD \"S9\"  DOVEVA CORRISPONDERE "
     "UNA TENSIONE DI 5 microV  SU 50 OHM, CORRISPONDENTI A  -93 dBm.      DA S1 A S9 UN PUNTO "
     "DELL'S-METER CORRISPONDE A 6 dB, OLTRE SI INCREMENTA DI 10 dB.",
     "NELLA TABELLA, VALIDA PER LE SOLE  V H F , SI E'  ASSUNTO QUINDI COME RIFERIMENTO PER  S9 IL "
     "VALORE DI 5 microVolt .             PER LE  HF  CONSULTARE LA RELATIVA TABELLA"},
    "femtoWatt",
    {{{"0,02", "0,008", "- 141"},
      {"0,039", "0,032", "- 135"},
      {"0,078", "0,126", "- 129"},
      {"0,156", "0,48", "- 123"},
      {"0,312", "1,9", "- 117"},
      {"0,625", "7,9", "- 111"},
      {"1,25", "31,6", "- 105"},
      {"2,5", "125,8", "- 99"},
      {"5,0", "500", "- 93"},
      {"15,8", "5000", "- 83"},
      {"50,1", "50100", "- 73"},
      {"158,3", "501190", "- 63"},
      {"500", "5010000", "- 53"}}},
    "NELLA PRATICA LA TARATURA DEGLI STRUMENTI NON SEMPRE RISPONDE A QUESTI STANDARD",
};

// Column lefts and widths of the table, in twips.
constexpr std::array<int, 4> kColumn{1440, 2880, 4920, 6840};
constexpr std::array<int, 4> kWidth{1380, 1980, 1860, 1020};
constexpr int kRow = 270;

class SMeter : public Page {
  public:
    explicit SMeter(const Scale& scale) : Page(scale.form), scale_(scale) {}

  protected:
    void design() override {
        window(scale_.caption);
        layoutInTwips();
        label("Label1", scale_.notes[0]).at(240, 180, 9000, 720);
        label("Label2", scale_.notes[1]).at(240, 1020, 9000, 540);

        const int top = 1740;
        frame("Frame1").at(1080, top, 7080, 15 * kRow + 240);
        int n = 3;
        auto cell = [&](int column, int row, const std::string& text) -> Control& {
            return label("Label" + std::to_string(n++), text)
                .at(kColumn[column], top + 180 + row * kRow, kWidth[column], kRow);
        };
        const std::array<const char*, 4> headings{"S METER", "microVolt/50 Ohm", scale_.power,
                                                  "dBm"};
        for (int c = 0; c < 4; ++c)
            cell(c, 0, headings[c]).font(0, true);
        for (int r = 0; r < 13; ++r) {
            cell(0, r + 1, kUnits[r]).font(0, true);
            for (int c = 0; c < 3; ++c)
                cell(c + 1, r + 1, scale_.rows[r][c]);
        }
        endFrame();

        int bottom = top + 15 * kRow + 240;
        if (scale_.after) {
            label("Label" + std::to_string(n++), scale_.after).at(240, bottom + 180, 9000, 255);
            bottom += 435;
        }
        closeCommand("cmdesci", "E S C I").at(7740, bottom + 240, 1500, 435);
    }

  private:
    const Scale& scale_;
};

class SMeterHF : public SMeter {
  public:
    SMeterHF() : SMeter(kHF) {}
};

class SMeterVHF : public SMeter {
  public:
    SMeterVHF() : SMeter(kVHF) {}
};

ETERO_FORM(SMeterHF, "frmsmeterhf");
ETERO_FORM(SMeterVHF, "frmsmetervhf");

} // namespace

} // namespace etero::pages
