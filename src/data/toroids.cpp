// The two core catalogues, transcribed from the maker's tables.
#include "data/toroids.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

namespace etero::data {

namespace {

// ---- iron powder, T series ----

// The mixes in the order the list gives them within a size.
constexpr int kMixes[] = {0, 1, 2, 3, 6, 7, 10, 12, 15, 17, 26};
constexpr int kMixCount = sizeof kMixes / sizeof kMixes[0];
constexpr double kNone = -1; // the size is not made in this mix

struct SizeRow {
    const char* size;
    double al[kMixCount]; // microhenry per 100 turns, by mix in the order of kMixes
};

// Sizes from the smallest to the largest.
constexpr SizeRow kIronPowderTable[] = {
    {"12", {3, 48, 20, 60, 17, 18, 12, 7.5, 50, 7.5, kNone}},
    {"16", {3, 44, 22, 61, 19, kNone, 13, 8, 55, 8, 145}},
    {"20", {3.5, 52, 27, 76, 22, 24, 16, 10, 65, 10, 180}},
    {"25", {4.5, 70, 34, 100, 27, 29, 19, 12, 85, 12, 235}},
    {"30", {6, 85, 43, 140, 36, 37, 25, 16, 93, 16, 325}},
    {"37", {4.9, 80, 40, 120, 30, 32, 25, 15, 90, 15, 275}},
    {"44", {6.5, 105, 52, 180, 42, 46, 33, 18.5, 160, 18.5, 360}},
    {"50", {6.4, 100, 49, 175, 40, 43, 31, 18, 135, 18, 320}},
    {"68", {7.5, 115, 57, 195, 47, 52, 32, 21, 180, 21, 420}},
    {"80", {8.5, 115, 55, 180, 45, 50, 32, 22, 170, 22, 450}},
    {"94", {10.6, 160, 84, 248, 70, kNone, 58, 32, 200, kNone, 590}},
    {"106", {19, 325, 135, 450, 116, 133, kNone, kNone, 345, kNone, 900}},
    {"130", {15, 200, 110, 350, 96, 103, kNone, kNone, 250, kNone, 785}},
    {"157", {kNone, 320, 140, 420, 115, kNone, kNone, kNone, 360, kNone, 970}},
    {"184", {kNone, 500, 240, 720, 195, kNone, kNone, kNone, kNone, kNone, 1640}},
    {"200", {kNone, 250, 120, 425, 100, 105, kNone, kNone, kNone, kNone, 895}},
    {"200A", {kNone, kNone, 218, 460, 180, kNone, kNone, kNone, kNone, kNone, 1550}},
    {"225", {kNone, kNone, 120, 425, 100, kNone, kNone, kNone, kNone, kNone, 950}},
    {"225A", {kNone, kNone, 215, kNone, kNone, kNone, kNone, kNone, kNone, kNone, 1600}},
    {"300", {kNone, kNone, 114, kNone, kNone, kNone, kNone, kNone, kNone, kNone, 800}},
    {"300A", {kNone, kNone, 228, kNone, kNone, kNone, kNone, kNone, kNone, kNone, 1600}},
    {"400", {kNone, kNone, 185, kNone, kNone, kNone, kNone, kNone, kNone, kNone, 1300}},
    {"400A", {kNone, kNone, 360, kNone, kNone, kNone, kNone, kNone, kNone, kNone, 2600}},
    {"520", {kNone, kNone, 207, kNone, kNone, kNone, kNone, kNone, kNone, kNone, 1460}},
};

constexpr ToroidSize kIronPowderSizes[] = {
    {0, 9, "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm"},
    {10, 19, "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm"},
    {20, 30, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm"},
    {31, 41, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm"},
    {42, 52, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm"},
    {53, 63, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm"},
    {64, 74, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm"},
    {75, 85, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm"},
    {86, 96, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm"},
    {97, 107, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm"},
    {108, 116, "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm"},
    {117, 124, "DIAMETRO ESTERNO 26,92 mm - ALTEZZA 11,1 mm"},
    {125, 132, "DIAMETRO ESTERNO 33,02 mm - ALTEZZA 11,1 mm"},
    {133, 138, "DIAMETRO ESTERNO 39,88 mm - ALTEZZA 14,48 mm"},
    {139, 143, "DIAMETRO ESTERNO 46,74 mm - ALTEZZA 18,03 mm"},
    {144, 149, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 13,97 mm"},
    {150, 153, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 25,40 mm"},
    {154, 157, "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 13,97 mm"},
    {158, 159, "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 25,40 mm"},
    {160, 161, "DIAMETRO ESTERNO 76,20 mm - ALTEZZA 12,7 mm"},
    {162, 163, "DIAMETRO ESTERNO 76,20 mm - ALTEZZA 25,4 mm"},
    {164, 165, "DIAMETRO ESTERNO 101,6 mm - ALTEZZA 16,51 mm"},
    {166, 167, "DIAMETRO ESTERNO 101,6 mm - ALTEZZA 25,4 mm"},
    {168, 169, "DIAMETRO ESTERNO 132,08 mm - ALTEZZA 20,32 mm"},
};

// Colour code (first and second colour) and usable frequency range in MHz;
// the blanks line the columns up under the heading of the colour-code frame.
constexpr ToroidMix kIronPowderMixes[] = {
    {"0", "              MARRONE          GRIGIO             100 / 300"},
    {"1", "                BLU                   GRIGIO              0.5 / 5"},
    {"2", "               ROSSO              GRIGIO               2 / 30"},
    {"3", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {"6", "               GIALLO             GRIGIO              10 / 50"},
    {"7", "               BIANCO              GRIGIO              3 / 35"},
    {"10", "                NERO               GRIGIO              30 / 100"},
    {"12", "                VERDE            BIANCO             50 / 200"},
    {"15", "                ROSSO            BIANCO              0.1 / 2"},
    {"17", "                BLU                GIALLO             20 / 200"},
    {"26", "               GIALLO             BIANCO             50 HERTZ"},
};

// "T-50/ 2": the size, then the mix right-aligned in two characters.
std::string ironPowderName(const char* size, int mix) {
    std::string m = std::to_string(mix);
    if (m.size() < 2) m.insert(0, 2 - m.size(), ' ');
    return std::string("T-") + size + "/" + m;
}

std::vector<ToroidCore> ironPowderList() {
    std::vector<ToroidCore> list;
    for (const SizeRow& row : kIronPowderTable)
        for (int k = 0; k < kMixCount; ++k)
            if (row.al[k] != kNone)
                list.push_back({ironPowderName(row.size, kMixes[k]), row.al[k]});
    return list;
}

// ---- ferrite, FT series ----

struct FerriteRow {
    const char* name;
    double al; // millihenry per 1000 turns
};

// In list order; a comment gives the list position of its row.
constexpr FerriteRow kFerriteTable[] = {
    // clang-format off
    {"FT 23-43", 158}, // 0
    {"FT 23-61", 24.8},
    {"FT 23-67", 6},
    {"FT 23-68", 4},
    {"FT 23-77", 396},
    {"FT 23 J", 990},
    {"FT 37-43", 350}, // 6
    {"FT 37-61", 55.3},
    {"FT 37-67", 19.7},
    {"FT 37-68", 8.8},
    {"FT 37-77", 884},
    {"FT 37 J", 2110},
    {"FT 50-43", 440}, // 12
    {"FT 50A-43", 480},
    {"FT 50B-43", 965},
    {"FT 50-61", 69},
    {"FT 50A-61", 75},
    {"FT 50B-61", 150},
    {"FT 50-67", 22}, // 18
    {"FT 50A-67", 24},
    {"FT 50B-67", 48},
    {"FT 50-68", 11},
    {"FT 50A-68", 12},
    {"FT 50-77", 1100},
    {"FT 50A-77", 1200}, // 24
    {"FT 50B-77", 2400},
    {"FT 50 J", 2750},
    {"FT 50A J", 2990},
    {"FT 82-43", 470},
    {"FT 82-61", 73.3},
    {"FT 82-67", 22.4}, // 30
    {"FT 82-68", 11.7},
    {"FT 82-77", 1170},
    {"FT 114-43", 510},
    {"FT 114-61", 80},
    {"FT 114A-61", 145},
    {"FT 114-67", 25.4}, // 36
    {"FT 114-68", 12.7},
    {"FT 114-77", 1270},
    {"FT 114A-77", 2340},
    {"FT 114 J", 3170},
    {"FT 140-43", 885},
    {"FT 140-61", 140}, // 42
    {"FT 140-67", 45},
    {"FT 140-77", 2250},
    {"FT 140A J", 6736},
    {"FT 150 F", 2640},
    {"FT 150A F", 5020},
    {"FT 150 J", 4400}, // 48
    {"FT 150A J", 8370},
    {"FT 193 F", 3640},
    {"FT 193A F", 4460},
    {"FT 193 J", 6065},
    {"FT 193A J", 7435},
    {"FT 240-43", 1075}, // 54
    {"FT 240-61", 171},
    {"FT 240-67", 53},
    {"FT 240-77", 3130},
    {"FT 240 J", 6845},
    {"FT 290-43", 1275},
    // clang-format on
};

// The sizes with the suffix A or B share the caption of their base size.
constexpr ToroidSize kFerriteSizes[] = {
    {0, 5, "DIAMETRO ESTERNO 5,95 mm - ALTEZZA 1,65 mm"},
    {6, 11, "DIAMETRO ESTERNO 9,5 mm - ALTEZZA 3,3 mm"},
    {12, 27, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm"},
    {28, 32, "DIAMETRO ESTERNO 21 mm - ALTEZZA 6,35 mm"},
    {33, 40, "DIAMETRO ESTERNO 29 mm - ALTEZZA 7,5 mm"},
    {41, 45, "DIAMETRO ESTERNO 35,5 mm - ALTEZZA 12,7 mm"},
    {46, 49, "DIAMETRO ESTERNO 38,1 mm - ALTEZZA 6,3 mm"},
    {50, 53, "DIAMETRO ESTERNO 49 mm - ALTEZZA 15,8 mm"},
    {54, 58, "DIAMETRO ESTERNO 61 mm - ALTEZZA 12,7 mm"},
    {59, 59, "DIAMETRO ESTERNO 73,6 mm - ALTEZZA 12,7 mm"},
};

constexpr ToroidMix kFerriteMaterials[] = {
    {"43", "PERMEABILITA' 800 - WIDEBAND DA 1 A 50 MHz"},
    {"61", "PERMEABILITA' 125 - WIDEBAND DA 10 A 200 MHz"},
    {"67", "PERMEABILITA' 40 - WIDEBAND DA 0.2  A 1 GHz"},
    {"68", "PERMEABILITA' 20 - WIDEBAND DA 0.5 A 30 MHz"},
    {"77", "PERMEABILITA' 2000 - WIDEBAND DA 0.5 A 30 MHz"},
    {" J", "PERMEABILITA' 5000 - WIDEBAND DA 1 A 15 MHz"},
    {" F", "PERMEABILITA' 3000 - WIDEBAND DA 0.5 A 30 MHz"},
};

std::vector<ToroidCore> ferriteList() {
    std::vector<ToroidCore> list;
    for (const FerriteRow& row : kFerriteTable)
        list.push_back({row.name, row.al});
    return list;
}

template <typename T, std::size_t N> std::vector<T> rows(const T (&table)[N]) {
    return std::vector<T>(table, table + N);
}

bool allDigits(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// A key compared as a number: its digits after any leading blanks (" 6" is 6).
std::optional<int> keyNumber(const std::string& key) {
    const std::size_t start = key.find_first_not_of(' ');
    if (start == std::string::npos) return std::nullopt;
    const std::string digits = key.substr(start);
    if (!allDigits(digits)) return std::nullopt;
    return std::stoi(digits);
}

} // namespace

ToroidCatalogue::ToroidCatalogue(std::vector<ToroidCore> cores, std::vector<ToroidSize> sizes,
                                 std::vector<ToroidMix> mixes)
    : cores_(std::move(cores)), sizes_(std::move(sizes)), mixes_(std::move(mixes)) {}

std::vector<std::string> ToroidCatalogue::names() const {
    std::vector<std::string> names;
    names.reserve(cores_.size());
    for (const ToroidCore& c : cores_)
        names.push_back(c.name);
    return names;
}

const ToroidCore& ToroidCatalogue::core(int position) const {
    if (position < 0 || position >= count())
        throw std::out_of_range("no toroid core at position " + std::to_string(position));
    return cores_[static_cast<std::size_t>(position)];
}

std::optional<std::string> ToroidCatalogue::sizeCaption(int position) const {
    // The ranges are tested in ascending order; the first that holds the position wins.
    for (const ToroidSize& s : sizes_)
        if (position >= s.first && position <= s.last) return std::string(s.caption);
    return std::nullopt;
}

std::optional<std::string> ToroidCatalogue::mixCaption(const std::string& key) const {
    const std::optional<int> number = keyNumber(key);
    for (const ToroidMix& m : mixes_) {
        const std::string k = m.key;
        const bool match = allDigits(k) ? number && *number == std::stoi(k) : key == k;
        if (match) return std::string(m.text);
    }
    return std::nullopt;
}

std::string mixKey(const std::string& name) {
    return name.size() < 2 ? name : name.substr(name.size() - 2);
}

const ToroidCatalogue& ironPowderCores() {
    static const ToroidCatalogue catalogue(ironPowderList(), rows(kIronPowderSizes),
                                           rows(kIronPowderMixes));
    return catalogue;
}

const ToroidCatalogue& ferriteCores() {
    static const ToroidCatalogue catalogue(ferriteList(), rows(kFerriteSizes),
                                           rows(kFerriteMaterials));
    return catalogue;
}

} // namespace etero::data
