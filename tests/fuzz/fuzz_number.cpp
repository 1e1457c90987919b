// Reading and writing numbers, with arbitrary bytes: no crash, no text that
// is not a number, and every text the program writes reads back within the
// precision it shows.
#include "shell/number/fault.h"
#include "shell/number/number.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace etero;

// The picture patterns the calculators use.
constexpr const char* kPatterns[] = {"#,##0.#",    "#,##0.##",     "#,##0.###", "##,##0.##",
                                     "##,##0.###", "##,##0.#####", "##0.#",     "##0.##",
                                     "##0.###",    "#0.#",         "#0.##",     "#0.###",
                                     "#0.####",    "####,###",     "###,###",   "####,### "};
constexpr int kFixedDecimals[] = {-1, 0, 1, 2, 3, 4, 6};

// The largest double whose 15-significant-digit text is still a double.
constexpr double kLargestShown = 1.79769313486231e308;

void require(bool ok) {
    if (!ok) std::abort();
}

// Only digits, the point of the thousands, the decimal comma, a sign and a
// scientific exponent: never "inf", "nan" or anything else.
bool looksLikeANumber(std::string_view s) {
    for (char c : s)
        if (!(c >= '0' && c <= '9') && c != '.' && c != ',' && c != '-' && c != '+' && c != 'E')
            return false;
    return true;
}

int decimalsOf(std::string_view pattern) {
    const std::size_t point = pattern.find('.');
    if (point == std::string_view::npos) return 0;
    int d = 0;
    for (std::size_t i = point + 1; i < pattern.size(); ++i)
        if (pattern[i] == '#' || pattern[i] == '0') ++d;
    return d;
}

// The shown text reads back within half a unit of its last decimal, plus the
// error of taking the value to 15 significant digits first.
void readsBack(double x, const std::string& shown, int decimals) {
    require(looksLikeANumber(shown));
    double back = 0;
    try {
        back = parseLocale(shown);
    } catch (const ArithmeticFault&) {
        // Only the largest doubles, whose 15-digit text lies beyond the
        // double range, cannot be read back; reading them is a fault.
        require(std::fabs(x) > kLargestShown);
        return;
    }
    require(std::isfinite(back));
    const double allowed = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + 1e-14 * std::fabs(x);
    require(std::fabs(back - x) <= allowed);
}

void formats(double x) {
    for (const char* p : kPatterns) {
        std::string shown;
        try {
            shown = formatPattern(x, p);
        } catch (const ArithmeticFault&) {
            require(!std::isfinite(x));
            continue;
        }
        require(std::isfinite(x));
        std::string_view digits = shown;
        if (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1); // the literal
        if (digits.empty() || digits == "-") continue; // a value that rounds to nothing
        readsBack(x, std::string(digits), decimalsOf(p));
    }
    for (int n : kFixedDecimals) {
        std::string shown;
        try {
            shown = formatFixed(x, n);
        } catch (const ArithmeticFault&) {
            require(!std::isfinite(x));
            continue;
        }
        readsBack(x, shown, n < 0 ? 2 : n);
    }
    try {
        const std::string shown = formatLocale(x);
        require(looksLikeANumber(shown));
        if (std::fabs(x) <= kLargestShown) {
            const double back = parseLocale(shown);
            require(std::fabs(back - x) <= 1e-14 * std::fabs(x));
        }
        const float single = static_cast<float>(x);
        if (std::isfinite(single)) {
            const double backSingle = parseLocale(formatLocale(single));
            // Seven digits at most, or the fewest that name the same single:
            // below the normal range that can be fewer than seven.
            const double spacing = 1.5e-45; // between two subnormal singles
            require(std::fabs(backSingle - single) <= std::max(1e-6 * std::fabs(single), spacing));
        }
    } catch (const ArithmeticFault&) {
        require(!std::isfinite(x));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    clearFaultFlags();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Typed text: never fails, or is a fault for a magnitude beyond a double.
    try {
        const double typed = parseLeading(text);
        require(std::isfinite(typed));
        formats(typed);
    } catch (const ArithmeticFault&) {
    }
    try {
        require(std::isfinite(parseLocale(text)));
    } catch (const ArithmeticFault&) {
    }
    // The raw bits as a double: every value the arithmetic can produce.
    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        formats(x);
    }
    clearFaultFlags();
    return 0;
}
