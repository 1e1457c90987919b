// Number conventions: typed input is read with a point as decimal separator
// (parseLeading); every number shown to the user is written in the Italian
// regional format (comma decimal separator, point between thousands).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace etero {

// Reads the leading number of a typed text: blanks are skipped anywhere, an
// optional sign, digits with one decimal point, an optional exponent (E or D,
// either case). Anything else ends the number; no number at all gives 0.
// "&H" / "&O" prefixes read hexadecimal / octal integers.
// A magnitude beyond the double range is an arithmetic fault.
double parseLeading(std::string_view text);

// Reads a number written in the Italian format ("1.234,56", "-0,5", "12,",
// "1E-05"). Empty text, or text that is not such a number, is an arithmetic
// fault (type mismatch).
double parseLocale(std::string_view text);

// Picture formats such as "#,##0.##", "##0.#", "####,###", "####,### ".
// Rounds half away from zero at the pattern's decimals (on the value's
// 15-significant-digit decimal form), groups thousands with points when the
// integer part holds a comma, always writes the comma when the pattern has a
// point, drops trailing decimal zeros, keeps the minus sign of a value that
// rounds to zero, appends the literals after the last placeholder.
std::string formatPattern(double x, std::string_view pattern);

// Exactly n decimals (n = -1 means the regional default of 2), grouped
// thousands, half away from zero.
std::string formatFixed(double x, int n);

// The general regional text of a number: 15 significant digits for a double,
// 7 for a single, all digits for an integer; no grouping; scientific form
// (1E-05, 1E+15) when the exponent is below -4 or not below the digit limit.
std::string formatLocale(double x);
std::string formatLocale(float x);
std::string formatLocale(long long x);
inline std::string formatLocale(int x) {
    return formatLocale(static_cast<long long>(x));
}
inline std::string formatLocale(short x) {
    return formatLocale(static_cast<long long>(x));
}
inline std::string formatLocale(long x) {
    return formatLocale(static_cast<long long>(x));
}

// Whole numbers.
double roundHalfEven(double x, int decimals = 0); // banker's rounding at n decimals
double intFloor(double x);                        // Int(): largest integer not above x
std::int16_t toInt16(double x); // half-to-even, arithmetic fault when out of range
std::int32_t toInt32(double x); // half-to-even, arithmetic fault when out of range

// Rounding through the text: the value as shown, read back.
double roundThroughFixed(double x, int n);                      // parseLocale(formatFixed)
double roundThroughPattern(double x, std::string_view pattern); // parseLocale(formatPattern)

} // namespace etero
