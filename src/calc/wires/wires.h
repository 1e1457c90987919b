// The reference data of the wire calculators, each table in one place: the
// metals of the resistance calculators with their resistivity, the two lists
// of materials shown for reference, the copper constants, the wire-gauge rule
// and the mil; and the window that shows a reference list.
#pragma once

#include "shell/form/form.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace etero::wires {

// A metal of an option group and its resistivity.
struct Metal {
    const char* caption;
    double resistivity;
};

// Direct current, in ohm · mm² per metre, in the order of the options.
inline constexpr std::array<Metal, 6> kDcMetals{{
    {"RAME", 0.01724},
    {"ALLUMINIO", 0.02654},
    {"ARGENTO", 0.016},
    {"COSTANTANA", 0.49},
    {"FERRO-NICHEL", 0.85},
    {"NICHEL-CROMO", 0.9},
}};

// Radio frequency: the factor of 10⁻⁸ ohm · metre, in the order of the options.
inline constexpr std::array<Metal, 2> kRfMetals{{
    {"R A M E", 1.678},
    {"A L L U M I N I O", 2.6548},
}};

inline double rfResistivity(const Metal& m) {
    return m.resistivity * std::pow(10.0, -8);
}

// µ0 in henry per metre times 10⁶, to pair with a frequency in megahertz.
inline constexpr double kPermeability = 1.2566;

// Resistivity of metals in microhm · cm, as the list shows them.
inline constexpr std::array<const char*, 14> kResistivityList{
    "ACCIAIO = da 10 a 16", "ALLUMINIO = 2.65", "ARGENTO = 1.59", "BRONZO = 1.79", "FERRO = 14",
    "MERCURIO = 94",        "NICHEL = 11.8",    "ORO = 2.08",     "OTTONE = 8.26", "PIOMBO = 19.8",
    "PLATINO = 19.3",       "RAME = 1.60",      "STAGNO = 11.3",  "ZINCO = 5.8",
};

// Specific weight of materials in kg/dm³, as the list shows them.
inline constexpr std::array<const char*, 19> kSpecificWeightList{
    "ACCIAIO = 7.70",  "ALCOOL = 0.80", "ALLUMINIO = 2.70", "ARGENTO = 10.50",  "BENZINA = 0.74",
    "CROMO = 6.70",    "FERRO = 7.86",  "GLICERINA = 1.26", "MERCURIO = 13.60", "NICHEL = 8.80",
    "OLIO = 0.90",     "ORO = 19.30",   "OTTONE = 8.50",    "PETROLIO = 0.80",  "PIOMBO = 11.34",
    "PLATINO = 21.40", "RAME = 8.90",   "STAGNO = 7.28",    "ZINCO = 7.10",
};

// Copper wire.
inline constexpr double kMinDiameterPerRootAmpere = 0.7;    // mm / √A
inline constexpr double kNormalDiameterPerRootAmpere = 0.8; // mm / √A
inline constexpr double kCopperDensity = 8.89;              // grams per metre per mm²
inline constexpr double kCopperResistivity = 0.0176;        // ohm · mm² per metre
inline constexpr double kCurrentDensity = 2.5;              // amperes per mm²

// American Wire Gauge: the diameter in millimetres of gauge n; the gauges
// 00, 000 and 0000 are -1, -2 and -3.
inline double gaugeDiameter(double n) {
    return 0.127 * std::pow(92.0, (36 - n) / 39);
}
inline constexpr double kHighestGauge = 80;

inline constexpr double kMilsPerMillimetre = 39.3700787;
inline constexpr double kMillimetresPerMil = 0.0254;

// A window that shows one reference list in a drop-down, filled when the
// window loads, its edit field holding `shown` until an entry is chosen.
// Choosing an entry only shows it.
class ReferenceList : public Form {
  public:
    ReferenceList(std::string name, std::string caption, std::string list, std::string shown,
                  std::vector<std::string> entries)
        : Form(std::move(name)), caption_(std::move(caption)), list_(std::move(list)),
          shown_(std::move(shown)), entries_(std::move(entries)) {}

  protected:
    void design() override {
        window(caption_);
        combo(list_).initial(shown_).tip("clicca sulla freccia");
        closeCommand("cmdchiudi", "CHIUDI");
    }

    void load() override { listItems(list_, entries_); }

  private:
    std::string caption_, list_, shown_;
    std::vector<std::string> entries_;
};

} // namespace etero::wires
