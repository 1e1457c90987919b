// The compiled-in catalogue of coaxial cables for radio frequency: for each
// cable of the list, eight characteristics kept as the texts the catalogue
// page shows (comma decimals, "ignota" where no value is known, a trailing
// " ?" on an uncertain velocity factor). Read-only; nothing computes with it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace etero::data {

// The eight columns, in the order the page shows them.
enum class CableColumn {
    Impedance,     // ohm
    Capacitance,   // pF per metre
    OuterDiameter, // mm; width by height for a flat cable
    Loss100MHz,    // dB per 100 m at 100 MHz
    Loss400MHz,    // dB per 100 m at 400 MHz
    MaxVoltage,    // kV
    MaxPower,      // W at 100 MHz
    VelocityFactor,
};
inline constexpr int kCableColumns = 8;

struct Cable {
    std::string name; // the list entry: "RG 58", "H 155"
    std::array<std::string, kCableColumns> columns;

    const std::string& operator[](CableColumn c) const {
        return columns[static_cast<std::size_t>(c)];
    }
};

// The 78 cables in list order (not sorted).
const std::vector<Cable>& coaxCables();

// The cable whose list entry equals the text exactly (case and blanks
// included); nullptr when no entry does.
const Cable* findCable(std::string_view name);

} // namespace etero::data
