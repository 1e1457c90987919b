// Unit tests of the number conversions (src/shell/number).
#include "shell/number/fault.h"
#include "shell/number/number.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace etero;

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The description of the fault that f throws ("" when it throws none).
template <class F> std::string faultOf(F&& f) {
    try {
        f();
    } catch (const ArithmeticFault& e) {
        return e.what();
    }
    return "";
}

// ---------------------------------------------------------------------------
// formatPattern: every cell of the table of patterns the calculators use.

struct TableRow {
    const char* pattern;
    const char* v1234_56; // 1234.56 gives
    const char* v12;      // 12 gives
    const char* v0_04;    // 0.04 gives
};

const TableRow kPatternTable[] = {
    {"#,##0.#", "1.234,6", "12,", "0,"},
    {"#,##0.##", "1.234,56", "12,", "0,04"},
    {"#,##0.###", "1.234,56", "12,", "0,04"},
    {"##,##0.##", "1.234,56", "12,", "0,04"},
    {"##,##0.###", "1.234,56", "12,", "0,04"},
    {"##,##0.#####", "1.234,56", "12,", "0,04"},
    {"##0.#", "1234,6", "12,", "0,"},
    {"##0.##", "1234,56", "12,", "0,04"},
    {"##0.###", "1234,56", "12,", "0,04"},
    {"#0.#", "1234,6", "12,", "0,"},
    {"#0.##", "1234,56", "12,", "0,04"},
    {"#0.###", "1234,56", "12,", "0,04"},
    {"#0.####", "1234,56", "12,", "0,04"},
    {"####,###", "1.235", "12", ""},
    {"###,###", "1.235", "12", ""},
    {"####,### ", "1.235 ", "12 ", " "},
};

TEST(FormatPattern, EveryPatternOfTheTable) {
    for (const TableRow& row : kPatternTable) {
        SCOPED_TRACE(row.pattern);
        EXPECT_EQ(formatPattern(1234.56, row.pattern), row.v1234_56);
        EXPECT_EQ(formatPattern(12, row.pattern), row.v12);
        EXPECT_EQ(formatPattern(0.04, row.pattern), row.v0_04);
    }
}

TEST(FormatPattern, NegativeValuesOfTheTable) {
    for (const TableRow& row : kPatternTable) {
        SCOPED_TRACE(row.pattern);
        EXPECT_EQ(formatPattern(-1234.56, row.pattern), std::string("-") + row.v1234_56);
        EXPECT_EQ(formatPattern(-12, row.pattern), std::string("-") + row.v12);
        // -0.04 keeps its sign also when it rounds to zero; with a pattern
        // without a 0 placeholder that leaves the sign alone.
        EXPECT_EQ(formatPattern(-0.04, row.pattern), std::string("-") + row.v0_04);
    }
}

TEST(FormatPattern, RoundsTheFifteenDigitDecimalFormHalfAwayFromZero) {
    EXPECT_EQ(formatPattern(0.15, "#0.#"), "0,2");    // binary 0.1499999...
    EXPECT_EQ(formatPattern(2.675, "#0.##"), "2,68"); // binary 2.67499999...
    EXPECT_EQ(formatPattern(1.005, "#0.##"), "1,01"); // binary 1.00499999...
    EXPECT_EQ(formatPattern(-0.15, "#0.#"), "-0,2");
    EXPECT_EQ(formatPattern(0.25, "#0.#"), "0,3");
    EXPECT_EQ(formatPattern(0.5, "####,###"), "1");
    EXPECT_EQ(formatPattern(0.49, "####,###"), "");
    EXPECT_EQ(formatPattern(999.96, "#0.#"), "1000,");
    EXPECT_EQ(formatPattern(999999.5, "#,##0.#"), "999.999,5");
    EXPECT_EQ(formatPattern(999999.96, "#,##0.#"), "1.000.000,");
}

TEST(FormatPattern, EdgeCases) {
    EXPECT_EQ(formatPattern(12, "#,##0.#"), "12,");
    EXPECT_EQ(formatPattern(-0.04, "#,##0.#"), "-0,");
    EXPECT_EQ(formatPattern(-0.0, "#,##0.#"), "-0,"); // negative zero keeps its sign
    EXPECT_EQ(formatPattern(0.0, "#,##0.#"), "0,");
    EXPECT_EQ(formatPattern(1234567.8, "####,###"), "1.234.568");
    EXPECT_EQ(formatPattern(0.3, "###,###"), "");
    EXPECT_EQ(formatPattern(0.3, "####,###"), "");
    EXPECT_EQ(formatPattern(0.3, "####,### "), " ");
    EXPECT_EQ(formatPattern(0.0, "####,###"), "");
}

TEST(FormatPattern, SignAloneForNegativeZeroWithoutZeroPlaceholder) {
    EXPECT_EQ(formatPattern(-0.3, "####,###"), "-");
    EXPECT_EQ(formatPattern(-0.3, "####,### "), "- ");
    EXPECT_EQ(formatPattern(-0.0, "###,###"), "-");
}

TEST(FormatPattern, LongNumbersAreWrittenInFull) {
    EXPECT_EQ(formatPattern(1234567.891, "##,##0.#####"), "1.234.567,891");
    EXPECT_EQ(formatPattern(1234567.891, "#0.#"), "1234567,9");
    EXPECT_EQ(formatPattern(1e20, "#,##0.#"), "100.000.000.000.000.000.000,");
    EXPECT_EQ(formatPattern(123456789.0, "###,###"), "123.456.789");
    EXPECT_EQ(formatPattern(100, "###,###"), "100");
    EXPECT_EQ(formatPattern(1000, "###,###"), "1.000");
    EXPECT_EQ(formatPattern(0.00001, "##,##0.#####"), "0,00001");
    EXPECT_EQ(formatPattern(0.000004, "##,##0.#####"), "0,");
    EXPECT_EQ(formatPattern(0.000005, "##,##0.#####"), "0,00001");
}

TEST(FormatPattern, OtherPictures) {
    EXPECT_EQ(formatPattern(5, "0.00"), "5,00"); // decimal 0 placeholders keep zeros
    EXPECT_EQ(formatPattern(5.1, "0.0#"), "5,1");
    EXPECT_EQ(formatPattern(7, "000"), "007");
    EXPECT_EQ(formatPattern(0.5, "#.##"), ",5");
    EXPECT_EQ(formatPattern(12, "0."), "12,");
    EXPECT_EQ(formatPattern(12, "#0.# Ohm"), "12, Ohm");
}

// ---------------------------------------------------------------------------
// formatFixed

TEST(FormatFixed, EdgeCases) {
    EXPECT_EQ(formatFixed(1234.5, 2), "1.234,50");
    EXPECT_EQ(formatFixed(0.5, -1), "0,50");
    EXPECT_EQ(formatFixed(2.5, 0), "3");
    EXPECT_EQ(formatFixed(0.125, 2), "0,13");
    EXPECT_EQ(formatFixed(2.25, 1), "2,3");
    EXPECT_EQ(formatFixed(-2.25, 1), "-2,3");
}

TEST(FormatFixed, Digits) {
    EXPECT_EQ(formatFixed(0, 2), "0,00");
    EXPECT_EQ(formatFixed(0, 0), "0");
    EXPECT_EQ(formatFixed(3.5, 0), "4");
    EXPECT_EQ(formatFixed(-2.5, 0), "-3");
    EXPECT_EQ(formatFixed(1.005, 2), "1,01");
    EXPECT_EQ(formatFixed(999.995, 2), "1.000,00");
    EXPECT_EQ(formatFixed(1234567.891, 3), "1.234.567,891");
    EXPECT_EQ(formatFixed(1234567.891, -1), "1.234.567,89");
    EXPECT_EQ(formatFixed(-1234567.891, 1), "-1.234.567,9");
    EXPECT_EQ(formatFixed(3.14159, 4), "3,1416");
    EXPECT_EQ(formatFixed(0.1234565, 6), "0,123457");
    EXPECT_EQ(formatFixed(0.0049, 2), "0,00");
    EXPECT_EQ(formatFixed(-0.001, 2), "-0,00"); // same sign rule as formatPattern
    EXPECT_EQ(formatFixed(100, 0), "100");
    EXPECT_EQ(formatFixed(1000, 0), "1.000");
    EXPECT_EQ(formatFixed(1e15, 0), "1.000.000.000.000.000");
    EXPECT_EQ(formatFixed(1e-20, 3), "0,000");
}

TEST(FormatFixed, BadCountOfDecimals) {
    EXPECT_THROW(formatFixed(1, -2), std::invalid_argument);
}

// ---------------------------------------------------------------------------
// formatLocale

TEST(FormatLocale, DoubleKeepsFifteenDigits) {
    EXPECT_EQ(formatLocale(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(formatLocale(2.0 / 3), "0,666666666666667");
    EXPECT_EQ(formatLocale(0.1 + 0.2), "0,3");
    EXPECT_EQ(formatLocale(-12.3), "-12,3");
    EXPECT_EQ(formatLocale(12.0), "12");
    EXPECT_EQ(formatLocale(12.5), "12,5");
    EXPECT_EQ(formatLocale(100.0), "100");
    EXPECT_EQ(formatLocale(1234567.5), "1234567,5"); // no grouping
    EXPECT_EQ(formatLocale(3.14159265358979), "3,14159265358979");
}

TEST(FormatLocale, DoubleScientificForm) {
    EXPECT_EQ(formatLocale(0.00001), "1E-05");
    EXPECT_EQ(formatLocale(0.0001), "0,0001");
    EXPECT_EQ(formatLocale(0.00012345), "0,00012345");
    EXPECT_EQ(formatLocale(1e15), "1E+15");
    EXPECT_EQ(formatLocale(1e14), "100000000000000");
    EXPECT_EQ(formatLocale(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatLocale(999999999999999.4), "999999999999999");
    EXPECT_EQ(formatLocale(999999999999999.9), "1E+15");
    EXPECT_EQ(formatLocale(1234567890123456.0), "1,23456789012346E+15");
    EXPECT_EQ(formatLocale(1.5e20), "1,5E+20");
    EXPECT_EQ(formatLocale(-2.5e-7), "-2,5E-07");
    EXPECT_EQ(formatLocale(1e100), "1E+100");
    EXPECT_EQ(formatLocale(1e-300), "1E-300");
    EXPECT_EQ(formatLocale(5e-324), "4,94065645841247E-324");
    EXPECT_EQ(formatLocale(std::numeric_limits<double>::max()), "1,79769313486232E+308");
}

TEST(FormatLocale, ZeroIsZero) {
    EXPECT_EQ(formatLocale(0.0), "0");
    EXPECT_EQ(formatLocale(-0.0), "0");
    EXPECT_EQ(formatLocale(0.0f), "0");
    EXPECT_EQ(formatLocale(-0.0f), "0");
    EXPECT_EQ(formatLocale(0), "0");
}

TEST(FormatLocale, SingleKeepsSevenDigits) {
    EXPECT_EQ(formatLocale(1.0f / 3), "0,3333333");
    EXPECT_EQ(formatLocale(2.0f / 3), "0,6666667");
    EXPECT_EQ(formatLocale(0.1f), "0,1");
    EXPECT_EQ(formatLocale(12.5f), "12,5");
    EXPECT_EQ(formatLocale(-12.3f), "-12,3");
    EXPECT_EQ(formatLocale(1234567.0f), "1234567");
    EXPECT_EQ(formatLocale(1e7f), "1E+07");
    EXPECT_EQ(formatLocale(9999999.5f), "1E+07"); // rounding carries into the exponent
    EXPECT_EQ(formatLocale(16777216.0f), "1,677722E+07");
    EXPECT_EQ(formatLocale(1e-5f), "1E-05");
    EXPECT_EQ(formatLocale(0.0001f), "0,0001");
    EXPECT_EQ(formatLocale(static_cast<float>(3.14159265358979)), "3,141593");
}

TEST(FormatLocale, IntegersKeepAllDigits) {
    EXPECT_EQ(formatLocale(12), "12");
    EXPECT_EQ(formatLocale(static_cast<short>(-32768)), "-32768");
    EXPECT_EQ(formatLocale(2147483647), "2147483647");
    EXPECT_EQ(formatLocale(std::numeric_limits<long long>::max()), "9223372036854775807");
    EXPECT_EQ(formatLocale(std::numeric_limits<long long>::min()), "-9223372036854775808");
}

// ---------------------------------------------------------------------------
// Non-finite values and floating-point flags

TEST(Formatters, NonFiniteIsAFault) {
    std::feclearexcept(FE_ALL_EXCEPT);
    for (double x : {kInf, -kInf, kNaN}) {
        const char* kind = std::isnan(x) ? kFaultInvalid : kFaultOverflow;
        EXPECT_EQ(faultOf([&] { formatPattern(x, "#0.#"); }), kind);
        EXPECT_EQ(faultOf([&] { formatFixed(x, 2); }), kind);
        EXPECT_EQ(faultOf([&] { formatLocale(x); }), kind);
        EXPECT_EQ(faultOf([&] { formatLocale(static_cast<float>(x)); }), kind);
        EXPECT_THROW(roundThroughFixed(x, 1), ArithmeticFault);
    }
}

TEST(Formatters, NonFiniteReportsThePendingFault) {
    volatile double zero = 0, minusOne = -1;
    std::feclearexcept(FE_ALL_EXCEPT);
    const double nan = std::log(minusOne);
    EXPECT_EQ(faultOf([&] { formatFixed(nan, 2); }), kFaultInvalid);
    std::feclearexcept(FE_ALL_EXCEPT);
    const double inf = 1 / zero;
    EXPECT_EQ(faultOf([&] { formatLocale(inf); }), kFaultDivision);
    std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(Conversions, LeaveTheFloatingPointFlagsAlone) {
    constexpr int kFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
    std::feclearexcept(FE_ALL_EXCEPT);
    formatLocale(0.0);
    formatLocale(-0.0f);
    formatLocale(1e-300);
    formatLocale(std::numeric_limits<double>::max());
    formatPattern(0.0, "####,###");
    formatFixed(1e300, 2);
    parseLeading("1e-999");
    parseLeading("1e308");
    parseLocale("1,5E+20");
    roundHalfEven(2.675, 2);
    roundHalfEven(1.5e308, -308 + 1);
    toInt16(2.5);
    intFloor(-2.5);
    try {
        parseLeading("1e999");
    } catch (const ArithmeticFault&) {
    }
    try {
        formatLocale(kNaN);
    } catch (const ArithmeticFault&) {
    }
    try {
        toInt16(kNaN);
    } catch (const ArithmeticFault&) {
    }
    const int raised = std::fetestexcept(kFlags);
    EXPECT_EQ(raised, 0);

    // Flags raised before are kept.
    std::feraiseexcept(FE_DIVBYZERO);
    formatFixed(0.125, 2);
    parseLeading("12.5");
    const int kept = std::fetestexcept(kFlags);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(kept, FE_DIVBYZERO);
}

// ---------------------------------------------------------------------------
// Whole numbers

TEST(RoundHalfEven, WholeNumbers) {
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(0.5), 0.0);
    EXPECT_EQ(roundHalfEven(1.5), 2.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(-3.5), -4.0);
    EXPECT_EQ(roundHalfEven(2.4999999), 2.0);
    EXPECT_EQ(roundHalfEven(2.5000001), 3.0);
    EXPECT_EQ(roundHalfEven(-2.6), -3.0);
    EXPECT_EQ(roundHalfEven(1e300), 1e300);
    EXPECT_EQ(roundHalfEven(4503599627370497.0), 4503599627370497.0);
}

TEST(RoundHalfEven, AtDecimalsOnTheDecimalForm) {
    EXPECT_EQ(roundHalfEven(2.675, 2), 2.68); // the text 2.675 is a tie: 8 is even
    EXPECT_EQ(roundHalfEven(2.665, 2), 2.66);
    EXPECT_EQ(roundHalfEven(2.6651, 2), 2.67);
    EXPECT_EQ(roundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(roundHalfEven(0.135, 2), 0.14);
    EXPECT_EQ(roundHalfEven(-0.125, 2), -0.12);
    EXPECT_EQ(roundHalfEven(2.25, 1), 2.2);
    EXPECT_EQ(roundHalfEven(0.004, 2), 0.0);
    EXPECT_EQ(roundHalfEven(1250, -2), 1200.0);
    EXPECT_EQ(roundHalfEven(1350, -2), 1400.0);
    const double x = 1.2345678901234567;
    EXPECT_EQ(roundHalfEven(x, 20), x); // nothing to round
}

TEST(RoundHalfEven, HalfEvenVersusHalfAwayThroughTheText) {
    // Rounding through the text goes half away from zero...
    EXPECT_EQ(roundThroughFixed(2.25, 1), 2.3);
    EXPECT_EQ(roundThroughFixed(-2.25, 1), -2.3);
    EXPECT_EQ(roundThroughFixed(2.5, 0), 3.0);
    EXPECT_EQ(roundThroughFixed(0.125, 2), 0.13);
    // ...rounding half-to-even does not.
    EXPECT_EQ(roundHalfEven(2.25, 1), 2.2);
    EXPECT_EQ(roundHalfEven(-2.25, 1), -2.2);
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(0.125, 2), 0.12);
}

TEST(RoundThrough, PatternReadsBackTheShownValue) {
    EXPECT_EQ(roundThroughPattern(1234.56, "#,##0.#"), 1234.6);
    EXPECT_EQ(roundThroughPattern(12, "#,##0.#"), 12.0);
    EXPECT_EQ(roundThroughPattern(0.15, "#0.#"), 0.2);
    EXPECT_EQ(roundThroughPattern(1234567.8, "####,###"), 1234568.0);
    EXPECT_EQ(roundThroughPattern(1234.56, "####,### "), 1235.0);
    // A zero written as nothing does not read back.
    EXPECT_EQ(faultOf([] { roundThroughPattern(0.3, "####,###"); }), kFaultTypeMismatch);
    EXPECT_EQ(faultOf([] { roundThroughPattern(0.3, "####,### "); }), kFaultTypeMismatch);
    EXPECT_EQ(faultOf([] { roundThroughPattern(-0.3, "###,###"); }), kFaultTypeMismatch);
}

TEST(IntFloor, LargestIntegerNotAbove) {
    EXPECT_EQ(intFloor(-2.5), -3.0);
    EXPECT_EQ(intFloor(2.5), 2.0);
    EXPECT_EQ(intFloor(2.999), 2.0);
    EXPECT_EQ(intFloor(-3.0), -3.0);
}

TEST(CheckedIntegers, Int16) {
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(32766.5), 32766);
    EXPECT_EQ(toInt16(-32768.5), -32768); // even neighbour is in range
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(-3.5), -4);
    EXPECT_EQ(faultOf([] { toInt16(32767.5); }), kFaultIntegerRange); // goes to 32768
    EXPECT_EQ(faultOf([] { toInt16(-32768.6); }), kFaultIntegerRange);
    EXPECT_EQ(faultOf([] { toInt16(-32769); }), kFaultIntegerRange);
    EXPECT_EQ(faultOf([] { toInt16(40000); }), kFaultIntegerRange);
    EXPECT_EQ(faultOf([] { toInt16(kNaN); }), kFaultIntegerRange);
    EXPECT_EQ(faultOf([] { toInt16(kInf); }), kFaultIntegerRange);
}

TEST(CheckedIntegers, Int32) {
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_EQ(toInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(toInt32(40000.5), 40000);
    EXPECT_EQ(faultOf([] { toInt32(2147483647.5); }), kFaultIntegerRange);
    EXPECT_EQ(faultOf([] { toInt32(-2147483649.0); }), kFaultIntegerRange);
    EXPECT_EQ(faultOf([] { toInt32(1e10); }), kFaultIntegerRange);
    EXPECT_EQ(faultOf([] { toInt32(kNaN); }), kFaultIntegerRange);
    EXPECT_EQ(faultOf([] { toInt32(-kInf); }), kFaultIntegerRange);
}

// ---------------------------------------------------------------------------
// parseLocale

TEST(ParseLocale, ReadsTheTableBack) {
    const double values[] = {1234.56, 12, 0.04};
    for (const TableRow& row : kPatternTable) {
        const char* texts[] = {row.v1234_56, row.v12, row.v0_04};
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(std::string(row.pattern) + " -> \"" + texts[i] + "\"");
            if (*texts[i] == '\0' || std::string(texts[i]) == " ") {
                EXPECT_EQ(faultOf([&] { parseLocale(texts[i]); }), kFaultTypeMismatch);
                continue;
            }
            const double shown = parseLocale(texts[i]);
            // The value shown: the formatter writes it again unchanged.
            EXPECT_EQ(formatPattern(shown, row.pattern), texts[i]);
            EXPECT_NEAR(shown, values[i], 0.5);
        }
    }
    EXPECT_EQ(parseLocale("1.234,6"), 1234.6);
    EXPECT_EQ(parseLocale("1.234,56"), 1234.56);
    EXPECT_EQ(parseLocale("1234,56"), 1234.56);
    EXPECT_EQ(parseLocale("12,"), 12.0);
    EXPECT_EQ(parseLocale("0,"), 0.0);
    EXPECT_EQ(parseLocale("0,04"), 0.04);
    EXPECT_EQ(parseLocale("1.235"), 1235.0);
    EXPECT_EQ(parseLocale("1.235 "), 1235.0);
    EXPECT_EQ(parseLocale("12 "), 12.0);
}

TEST(ParseLocale, ReadsTheOtherFormsBack) {
    EXPECT_EQ(parseLocale("-0,"), 0.0);
    EXPECT_TRUE(std::signbit(parseLocale("-0,")));
    EXPECT_EQ(parseLocale("1.234,50"), 1234.5);
    EXPECT_EQ(parseLocale("0,50"), 0.5);
    EXPECT_EQ(parseLocale("-2,3"), -2.3);
    EXPECT_EQ(parseLocale("1.234.567,891"), 1234567.891);
    EXPECT_EQ(parseLocale("0,333333333333333"), 0.333333333333333);
    EXPECT_EQ(parseLocale("0,3333333"), 0.3333333);
    EXPECT_EQ(parseLocale("1E-05"), 0.00001);
    EXPECT_EQ(parseLocale("0,0001"), 0.0001);
    EXPECT_EQ(parseLocale("1E+15"), 1e15);
    EXPECT_EQ(parseLocale("1,5E+20"), 1.5e20);
    EXPECT_EQ(parseLocale("-2,5E-07"), -2.5e-7);
    EXPECT_EQ(parseLocale("1,23456789012346E+15"), 1.23456789012346e15);
    EXPECT_EQ(parseLocale("4,94065645841247E-324"), 5e-324);
    EXPECT_EQ(parseLocale("-32768"), -32768.0);
    EXPECT_EQ(parseLocale("  12,5\t"), 12.5);
    EXPECT_EQ(parseLocale("+3"), 3.0);
    EXPECT_EQ(parseLocale(",5"), 0.5);
    EXPECT_EQ(parseLocale("1e3"), 1000.0);
}

TEST(ParseLocale, NotANumberIsAFault) {
    for (const char* text :
         {"",     " ",  "-",   "+",   "- ",   ",",   "abc",    "12a",  "1,2,3", "1E",       "1E+",
          "1..2", ".5", "12.", "1 2", "1.2.", "--1", "12,5 x", "&H1F", "12.5",  "1.234,5.6"}) {
        SCOPED_TRACE(std::string("\"") + text + "\"");
        EXPECT_EQ(faultOf([&] { parseLocale(text); }), kFaultTypeMismatch);
    }
    EXPECT_EQ(faultOf([] { parseLocale("1E+999"); }), kFaultOverflow);
    EXPECT_EQ(parseLocale("1E-999"), 0.0);
}

// Every text that a formatter writes reads back as the value shown: writing
// the read-back value again gives the same text.
TEST(ParseLocale, RoundTripOfEveryFormatter) {
    std::mt19937_64 rng(20020501);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 20);
    std::vector<double> values = {0.0,     1.0,   -1.0,   0.5,    0.125,   2.675,
                                  1.0 / 3, 1e-5,  1e15,   1e-300, 1.5e300, 12.0,
                                  1234.56, -0.04, 999.95, 0.1,    1e14,    123456789012345.0};
    for (int i = 0; i < 2000; ++i)
        values.push_back(mantissa(rng) * std::pow(10.0, exponent(rng)));

    const char* patterns[] = {"#,##0.#", "##,##0.#####", "##0.##", "#0.####", "####,###"};
    for (double x : values) {
        SCOPED_TRACE(x);
        const std::string general = formatLocale(x);
        const double back = parseLocale(general);
        EXPECT_EQ(formatLocale(back), general);
        if (std::abs(x) < 1e15 && x != 0) {
            // 15 significant digits read back as a value within half a unit
            EXPECT_NEAR(back, x, std::abs(x) * 1e-14);
        }

        const float single = static_cast<float>(x);
        if (std::isfinite(single)) {
            const std::string text = formatLocale(single);
            EXPECT_EQ(formatLocale(static_cast<float>(parseLocale(text))), text);
        }

        if (std::abs(x) < 1e20) {
            for (int n : {-1, 0, 1, 2, 3, 4, 6}) {
                const std::string text = formatFixed(x, n);
                EXPECT_EQ(formatFixed(parseLocale(text), n), text) << n;
            }
            for (const char* p : patterns) {
                const std::string text = formatPattern(x, p);
                if (text.empty() || text == "-") continue;
                EXPECT_EQ(formatPattern(parseLocale(text), p), text) << p;
            }
        }
    }
}

// ---------------------------------------------------------------------------
// parseLeading

TEST(ParseLeading, EdgeCases) {
    EXPECT_EQ(parseLeading("12.5"), 12.5);
    EXPECT_EQ(parseLeading("12,5"), 12.0);
    EXPECT_EQ(parseLeading(""), 0.0);
    EXPECT_EQ(parseLeading("   "), 0.0);
    EXPECT_EQ(parseLeading("abc"), 0.0);
    EXPECT_EQ(parseLeading("3.3k"), 3.3);
    EXPECT_EQ(parseLeading("1 2"), 12.0);
    EXPECT_EQ(parseLeading("-.5"), -0.5);
    EXPECT_EQ(parseLeading("1e3"), 1000.0);
    EXPECT_EQ(parseLeading("1D3"), 1000.0);
}

TEST(ParseLeading, BlanksAreSkippedEverywhere) {
    EXPECT_EQ(parseLeading("1 000"), 1000.0);
    EXPECT_EQ(parseLeading("\t7\r\n"), 7.0);
    EXPECT_EQ(parseLeading("- 5"), -5.0);
    EXPECT_EQ(parseLeading(" + 5 . 2 5"), 5.25);
    EXPECT_EQ(parseLeading("1 e 3"), 1000.0);
    EXPECT_EQ(parseLeading("1e - 3"), 0.001);
}

TEST(ParseLeading, SignsPointsAndEndings) {
    EXPECT_EQ(parseLeading("+5"), 5.0);
    EXPECT_EQ(parseLeading("--5"), 0.0);
    EXPECT_EQ(parseLeading("+-5"), 0.0);
    EXPECT_EQ(parseLeading("1.2.3"), 1.2);
    EXPECT_EQ(parseLeading("1..5"), 1.0);
    EXPECT_EQ(parseLeading("5."), 5.0);
    EXPECT_EQ(parseLeading("."), 0.0);
    EXPECT_EQ(parseLeading("-"), 0.0);
    EXPECT_EQ(parseLeading(".e5"), 0.0);
    EXPECT_EQ(parseLeading("0.1"), 0.1);
    EXPECT_EQ(parseLeading("007"), 7.0);
    EXPECT_EQ(parseLeading("12a34"), 12.0);
    EXPECT_EQ(parseLeading("1/2"), 1.0);
    EXPECT_EQ(parseLeading("123456789012345678901234567890"), 123456789012345678901234567890.0);
}

TEST(ParseLeading, Exponents) {
    EXPECT_EQ(parseLeading("1e"), 1.0);
    EXPECT_EQ(parseLeading("1e+"), 1.0);
    EXPECT_EQ(parseLeading("1e-"), 1.0);
    EXPECT_EQ(parseLeading("1ex"), 1.0);
    EXPECT_EQ(parseLeading("2E+2"), 200.0);
    EXPECT_EQ(parseLeading("1d-3"), 0.001);
    EXPECT_EQ(parseLeading("12.5E1"), 125.0);
    EXPECT_EQ(parseLeading("1E3.5"), 1000.0);
    EXPECT_EQ(parseLeading("1e308"), 1e308);
    EXPECT_EQ(parseLeading("1e-310"), 1e-310);
    EXPECT_EQ(parseLeading("1e-999"), 0.0);
    EXPECT_EQ(parseLeading("0e99999999999"), 0.0);
}

TEST(ParseLeading, BeyondTheDoubleRangeIsAFault) {
    EXPECT_EQ(faultOf([] { parseLeading("1e999"); }), kFaultOverflow);
    EXPECT_EQ(faultOf([] { parseLeading("-1e999"); }), kFaultOverflow);
    EXPECT_EQ(faultOf([] { parseLeading("1.8e308"); }), kFaultOverflow);
    EXPECT_EQ(faultOf([] { parseLeading("1e99999999999"); }), kFaultOverflow);
    EXPECT_EQ(faultOf([] { parseLeading(std::string(400, '9')); }), kFaultOverflow);
}

TEST(ParseLeading, HexAndOctal) {
    EXPECT_EQ(parseLeading("&H1F"), 31.0);
    EXPECT_EQ(parseLeading("&h ff"), 255.0);
    EXPECT_EQ(parseLeading(" &O17"), 15.0);
    EXPECT_EQ(parseLeading("&O9"), 0.0);
    EXPECT_EQ(parseLeading("&H"), 0.0);
    EXPECT_EQ(parseLeading("&X1"), 0.0);
    EXPECT_EQ(parseLeading("&H1G"), 1.0);
}

// A Qt application sets the C locale from the environment; an Italian
// LC_NUMERIC must change neither the reading nor the writing.
TEST(Conversions, DoNotDependOnTheCLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* italian = nullptr;
    for (const char* name : {"it_IT.UTF-8", "it_IT.utf8", "it_IT", "de_DE.UTF-8", "fr_FR.UTF-8"})
        if ((italian = std::setlocale(LC_ALL, name)) != nullptr) break;
    if (italian == nullptr) GTEST_SKIP() << "no locale with a decimal comma installed";
    const double typed = parseLeading("12.5e1");
    const std::string general = formatLocale(1.0 / 3);
    const std::string fixed = formatFixed(1234.5, 2);
    const double back = parseLocale("1.234,5");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(typed, 125.0);
    EXPECT_EQ(general, "0,333333333333333");
    EXPECT_EQ(fixed, "1.234,50");
    EXPECT_EQ(back, 1234.5);
}

// ---------------------------------------------------------------------------
// Fault flags

TEST(Faults, FlagsBecomeFaults) {
    volatile double zero = 0.0;
    volatile double one = 1.0;
    volatile double big = 1e308;
    volatile double r = 0.0;

    clearFaultFlags();
    EXPECT_NO_THROW(checkFaultFlags());

    r = one / zero;
    EXPECT_EQ(faultOf([] { checkFaultFlags(); }), kFaultDivision);
    EXPECT_NO_THROW(checkFaultFlags()); // consumed by the fault

    r = zero / zero;
    EXPECT_EQ(faultOf([] { checkFaultFlags(); }), kFaultInvalid);

    r = big * 10.0;
    EXPECT_EQ(faultOf([] { checkFaultFlags(); }), kFaultOverflow);

    r = std::sqrt(-one);
    EXPECT_EQ(faultOf([] { checkFaultFlags(); }), kFaultInvalid);

    r = std::log(zero);
    EXPECT_EQ(faultOf([] { checkFaultFlags(); }), kFaultDivision);

    r = std::log(-one);
    EXPECT_EQ(faultOf([] { checkFaultFlags(); }), kFaultInvalid);

    r = one / 3.0; // inexact only
    EXPECT_NO_THROW(checkFaultFlags());

    r = one / zero;
    clearFaultFlags();
    EXPECT_NO_THROW(checkFaultFlags());
    (void)r;
}

TEST(Faults, CheckFinite) {
    EXPECT_NO_THROW(checkFinite(1.0));
    EXPECT_NO_THROW(checkFinite(-0.0));
    EXPECT_NO_THROW(checkFinite(std::numeric_limits<double>::max()));
    EXPECT_EQ(faultOf([] { checkFinite(kInf); }), kFaultOverflow);
    EXPECT_EQ(faultOf([] { checkFinite(-kInf); }), kFaultOverflow);
    EXPECT_EQ(faultOf([] { checkFinite(kNaN); }), kFaultInvalid);
}

} // namespace
