// Number conversions: typed input (point decimal) and the Italian
// regional output format (comma decimal, point between thousands).
//
// Every conversion works on decimal digit strings, never on the binary value:
// "the decimal form of x to 15 significant digits" is std::to_chars in
// scientific form with 14 decimals, and all decimal rounding happens on those
// digits. Text is converted to double with std::from_chars on a cleaned ASCII
// buffer (correctly rounded). Neither depends on the C locale, which a Qt
// application sets from the environment (an Italian LC_NUMERIC would otherwise
// turn printf's and strtod's point into a comma).
//
// No function leaves a floating-point exception flag changed: each one saves
// the flags on entry and restores them on exit (FlagGuard), so the fault
// checks of the frame see only what the calculator itself computed.
#include "number.h"

#include "fault.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <system_error>

namespace etero {

namespace {

// Saves every floating-point exception flag and restores it on scope exit,
// also when the scope is left by an exception.
class FlagGuard {
  public:
    FlagGuard() { std::fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
    ~FlagGuard() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

  private:
    std::fexcept_t saved_{};
};

// A non-finite number can only come from an arithmetic fault that nobody
// checked; formatting it is reported as that fault: the pending flag tells
// which one, else the value itself (NaN: invalid operation, infinity: overflow).
void requireFinite(double x) {
    if (std::isfinite(x)) return;
    checkFaultFlags();
    checkFinite(x);
}

// The largest count of decimals accepted by formatFixed (a sanity limit: the
// system uses at most 6).
constexpr int kMaxDecimals = 400;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number: (negative ? -1 : 1) * d0.d1d2... * 10^exponent.
// digits[0] is non-zero unless the value is zero.
struct DecimalForm {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// Parses the output of std::to_chars in scientific form ("-1.2345e+02").
DecimalForm fromScientific(const char* first, const char* last) {
    DecimalForm f;
    const char* p = first;
    if (p != last && *p == '-') {
        f.negative = true;
        ++p;
    }
    for (; p != last && *p != 'e'; ++p)
        if (isDigit(*p)) f.digits += *p;
    if (p != last) {
        ++p; // 'e'
        bool expNegative = false;
        if (p != last && (*p == '+' || *p == '-')) {
            expNegative = *p == '-';
            ++p;
        }
        int e = 0;
        std::from_chars(p, last, e);
        f.exponent = expNegative ? -e : e;
    }
    return f;
}

// x as its decimal form to 15 significant digits.
DecimalForm decimal15(double x) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    return fromScientific(buf, res.ptr);
}

// Adds one to a string of decimal digits ("" counts as 0).
void increment(std::string& s) {
    for (std::size_t i = s.size(); i-- > 0;) {
        if (s[i] != '9') {
            ++s[i];
            return;
        }
        s[i] = '0';
    }
    s.insert(s.begin(), '1');
}

void stripLeadingZeros(std::string& s) {
    std::size_t nz = s.find_first_not_of('0');
    s.erase(0, nz == std::string::npos ? s.size() : nz);
}

// The magnitude of f rounded to n decimals (n may be negative: a multiple of
// 10^-n), as the decimal digits of the integer |f| * 10^n without leading
// zeros ("0" for zero). A tie goes away from zero, or to the even neighbour.
enum class Tie { AwayFromZero, ToEven };

std::string roundScaled(const DecimalForm& f, int n, Tie tie) {
    const std::string& d = f.digits;
    const long long kept = static_cast<long long>(f.exponent) + 1 + n; // digits before the cut
    std::string s;
    if (kept >= static_cast<long long>(d.size())) {
        s = d + std::string(static_cast<std::size_t>(kept) - d.size(), '0');
    } else if (kept >= 0) {
        const auto k = static_cast<std::size_t>(kept);
        s = d.substr(0, k);
        const char next = d[k];
        bool up = false;
        if (tie == Tie::AwayFromZero || next != '5') {
            up = next >= '5';
        } else {
            const bool beyond = d.find_first_not_of('0', k + 1) != std::string::npos;
            const bool odd = !s.empty() && (s.back() - '0') % 2 == 1;
            up = beyond || odd;
        }
        if (up) increment(s);
    }
    stripLeadingZeros(s);
    if (s.empty()) s.assign(1, '0');
    return s;
}

// Splits the scaled digits of roundScaled (n >= 0) into integer digits (at
// least "0") and exactly n decimal digits.
void splitScaled(std::string s, int n, std::string& intDigits, std::string& fracDigits) {
    const auto dec = static_cast<std::size_t>(n);
    if (s.size() <= dec) s.insert(0, dec + 1 - s.size(), '0');
    intDigits = s.substr(0, s.size() - dec);
    fracDigits = s.substr(s.size() - dec);
}

// Points between groups of three digits, from the right.
std::string grouped(const std::string& digits) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += '.';
        out += digits[i];
    }
    return out;
}

// The general regional form of a non-zero decimal number kept to its
// significant digits (formatLocale), with `limit` the digit limit (15 or 7).
std::string generalForm(DecimalForm f, int limit) {
    std::string& d = f.digits;
    const std::size_t last = d.find_last_not_of('0');
    d.erase(last == std::string::npos ? 1 : last + 1);
    const int e = f.exponent;
    std::string out = f.negative ? "-" : "";
    if (e < -4 || e >= limit) {
        out += d[0];
        if (d.size() > 1) out.append(",").append(d, 1);
        out += 'E';
        out += e < 0 ? '-' : '+';
        const std::string expDigits = std::to_string(e < 0 ? -e : e);
        if (expDigits.size() < 2) out += '0';
        out += expDigits;
    } else if (e >= 0) {
        const auto intLen = static_cast<std::size_t>(e) + 1;
        if (d.size() <= intLen) {
            out.append(d).append(intLen - d.size(), '0');
        } else {
            out.append(d, 0, intLen).append(",").append(d, intLen);
        }
    } else {
        out.append("0,").append(static_cast<std::size_t>(-e - 1), '0').append(d);
    }
    return out;
}

// A cleaned decimal number to double: sign, integer digits, decimal digits,
// exponent digits (any of the digit strings may be empty). A magnitude beyond
// the double range is an overflow fault; one below it reads as zero.
double decimalToDouble(bool negative, std::string intDigits, const std::string& fracDigits,
                       bool expNegative, std::string expDigits) {
    stripLeadingZeros(intDigits);
    const std::size_t fracLead = fracDigits.find_first_not_of('0');
    if (intDigits.empty() && fracLead == std::string::npos) return negative ? -0.0 : 0.0;

    stripLeadingZeros(expDigits);
    long long exp = 0;
    if (expDigits.size() > 7) {
        exp = 10'000'000; // far beyond any double, either way
    } else if (!expDigits.empty()) {
        std::from_chars(expDigits.data(), expDigits.data() + expDigits.size(), exp);
    }
    if (expNegative) exp = -exp;

    // The value lies in [10^(magnitude-1), 10^magnitude).
    const long long magnitude = intDigits.empty() ? exp - static_cast<long long>(fracLead)
                                                  : exp + static_cast<long long>(intDigits.size());
    if (magnitude > 400) throw ArithmeticFault(kFaultOverflow);
    if (magnitude < -400) return negative ? -0.0 : 0.0;

    std::string buf = negative ? "-" : "";
    buf += intDigits.empty() ? "0" : intDigits;
    if (!fracDigits.empty()) buf.append(".").append(fracDigits);
    buf.append("e").append(std::to_string(exp));

    double value = 0.0;
    auto res =
        std::from_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        if (magnitude > 0) throw ArithmeticFault(kFaultOverflow);
        return negative ? -0.0 : 0.0;
    }
    if (res.ec != std::errc() || res.ptr != buf.data() + buf.size())
        throw ArithmeticFault(kFaultTypeMismatch); // cannot happen: buf is well formed
    if (std::isinf(value)) throw ArithmeticFault(kFaultOverflow);
    return value;
}

// "&H" / "&O" integers of parseLeading: digits of the radix, blanks skipped,
// read as an unsigned value (no calculator relies on this form).
double readRadix(std::string_view text, std::size_t i, int radix) {
    double value = 0.0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
    }
    if (std::isinf(value)) throw ArithmeticFault(kFaultOverflow);
    return value;
}

// The parsed shape of a picture pattern.
struct Pattern {
    std::string prefix; // literals before the first placeholder
    std::string suffix; // literals after the last placeholder
    bool grouping = false;
    bool point = false;
    int intZeros = 0; // 0 placeholders of the integer part
    int decimals = 0; // placeholders of the decimal part
    int decZeros = 0; // 0 placeholders of the decimal part (minimum decimals)
};

Pattern parsePattern(std::string_view p) {
    const std::size_t first = p.find_first_of("#0");
    const std::size_t last = p.find_last_of("#0");
    if (first == std::string_view::npos)
        throw std::invalid_argument("formatPattern: pattern without placeholders");
    std::size_t begin = first;
    std::size_t end = last + 1;
    if (begin > 0 && p[begin - 1] == '.') --begin; // ".##"
    if (end < p.size() && p[end] == '.') ++end;    // "0."
    Pattern pat;
    pat.prefix = std::string(p.substr(0, begin));
    pat.suffix = std::string(p.substr(end));
    const std::string_view body = p.substr(begin, end - begin);
    const std::size_t dot = body.find('.');
    pat.point = dot != std::string_view::npos;
    const std::string_view intPart = pat.point ? body.substr(0, dot) : body;
    const std::string_view decPart = pat.point ? body.substr(dot + 1) : std::string_view{};
    for (char c : intPart) {
        if (c == ',') pat.grouping = true;
        if (c == '0') ++pat.intZeros;
    }
    for (char c : decPart) {
        if (c == '#' || c == '0') ++pat.decimals;
        if (c == '0') ++pat.decZeros;
    }
    return pat;
}

} // namespace

double parseLeading(std::string_view text) {
    FlagGuard guard;
    const std::size_t n = text.size();
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    auto skipBlanks = [&](std::size_t j) {
        while (j < n && isBlank(text[j]))
            ++j;
        return j;
    };

    std::size_t i = skipBlanks(0);
    if (i < n && text[i] == '&') { // rule 7
        const std::size_t j = skipBlanks(i + 1);
        if (j < n && (text[j] == 'H' || text[j] == 'h')) return readRadix(text, j + 1, 16);
        if (j < n && (text[j] == 'O' || text[j] == 'o')) return readRadix(text, j + 1, 8);
        return 0.0;
    }

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        i = skipBlanks(i + 1);
    }

    std::string intDigits;
    std::string fracDigits;
    bool point = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (isDigit(c))
            (point ? fracDigits : intDigits) += c;
        else if (c == '.' && !point)
            point = true;
        else if (!isBlank(c))
            break; // a second point, a comma, a letter...
    }
    if (intDigits.empty() && fracDigits.empty()) return 0.0;

    bool expNegative = false;
    std::string expDigits;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = skipBlanks(i + 1);
        bool sign = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            sign = text[j] == '-';
            j = skipBlanks(j + 1);
        }
        if (j < n && isDigit(text[j])) { // otherwise the number ends before the letter
            expNegative = sign;
            for (; j < n; ++j) {
                if (isDigit(text[j]))
                    expDigits += text[j];
                else if (!isBlank(text[j]))
                    break;
            }
        }
    }
    return decimalToDouble(negative, intDigits, fracDigits, expNegative, expDigits);
}

double parseLocale(std::string_view text) {
    FlagGuard guard;
    const std::size_t n = text.size();
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    auto mismatch = [] { return ArithmeticFault(kFaultTypeMismatch); };

    std::size_t i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // Integer digits; a point may stand between groups of thousands, and is
    // then followed by exactly three digits ("1.234.567", not "12.5").
    std::string intDigits;
    for (; i < n && isDigit(text[i]); ++i)
        intDigits += text[i];
    while (!intDigits.empty() && i + 3 < n && text[i] == '.' && isDigit(text[i + 1]) &&
           isDigit(text[i + 2]) && isDigit(text[i + 3]) && (i + 4 == n || !isDigit(text[i + 4]))) {
        intDigits.append(text.substr(i + 1, 3));
        i += 4;
    }
    std::string fracDigits;
    if (i < n && text[i] == ',') {
        for (++i; i < n && isDigit(text[i]); ++i)
            fracDigits += text[i];
    }
    if (intDigits.empty() && fracDigits.empty()) throw mismatch();

    bool expNegative = false;
    std::string expDigits;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            ++i;
        }
        for (; i < n && isDigit(text[i]); ++i)
            expDigits += text[i];
        if (expDigits.empty()) throw mismatch();
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n) throw mismatch();
    return decimalToDouble(negative, intDigits, fracDigits, expNegative, expDigits);
}

// Sign rule (step 6): the minus sign is written when x carries a sign bit,
// so a negative value that rounds to zero is written "-0," and a negative
// zero as well. With a pattern that has no 0 placeholder, a negative value
// that rounds to zero is written as the sign alone ("-" for "####,###",
// "- " for "####,### "): the sign rule applies to every negative value, and
// like the empty text it does not read back as a number.
std::string formatPattern(double x, std::string_view pattern) {
    FlagGuard guard;
    requireFinite(x);
    if (pattern.empty()) return formatLocale(x);
    const Pattern pat = parsePattern(pattern);

    std::string intDigits;
    std::string fracDigits;
    splitScaled(roundScaled(decimal15(x), pat.decimals, Tie::AwayFromZero), pat.decimals, intDigits,
                fracDigits);
    if (intDigits == "0") intDigits.clear();               // no leading zeros...
    if (static_cast<int>(intDigits.size()) < pat.intZeros) // ...but the 0 placeholders
        intDigits.insert(0, static_cast<std::size_t>(pat.intZeros) - intDigits.size(), '0');
    if (pat.grouping) intDigits = grouped(intDigits);

    std::string out = std::signbit(x) ? "-" : "";
    out += pat.prefix;
    out += intDigits;
    if (pat.point) {
        std::size_t keep = fracDigits.size();
        while (keep > static_cast<std::size_t>(pat.decZeros) && fracDigits[keep - 1] == '0')
            --keep;
        out += ',';
        out += fracDigits.substr(0, keep);
    }
    out += pat.suffix;
    return out;
}

// Same sign rule as formatPattern: -0.001 with 2 decimals is "-0,00".
std::string formatFixed(double x, int n) {
    FlagGuard guard;
    requireFinite(x);
    if (n == -1) n = 2;
    if (n < 0 || n > kMaxDecimals)
        throw std::invalid_argument("formatFixed: bad count of decimals");
    std::string intDigits;
    std::string fracDigits;
    splitScaled(roundScaled(decimal15(x), n, Tie::AwayFromZero), n, intDigits, fracDigits);
    std::string out = std::signbit(x) ? "-" : "";
    out += grouped(intDigits);
    if (n > 0) out.append(",").append(fracDigits);
    return out;
}

std::string formatLocale(double x) {
    FlagGuard guard;
    requireFinite(x);
    if (x == 0.0) return "0"; // negative zero too
    return generalForm(decimal15(x), 15);
}

// A single keeps 7 significant digits of its own shortest decimal text
// (1/3f is 0.33333334, written 0,3333333), rounded half away from zero.
std::string formatLocale(float x) {
    FlagGuard guard;
    requireFinite(static_cast<double>(x));
    if (x == 0.0f) return "0";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    DecimalForm f = fromScientific(buf, res.ptr);
    if (f.digits.size() > 7) {
        const bool up = f.digits[7] >= '5';
        f.digits.erase(7);
        if (up) increment(f.digits);
        if (f.digits.size() > 7) { // 9999999 + 1
            f.digits.erase(7);
            ++f.exponent;
        }
    }
    return generalForm(f, 7);
}

std::string formatLocale(long long x) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, res.ptr);
}

double roundHalfEven(double x, int decimals) {
    FlagGuard guard;
    if (!std::isfinite(x)) return x;
    if (decimals == 0) {
        // On the binary value, as a conversion to an integer rounds.
        double r = std::floor(x);
        const double diff = x - r; // exact
        if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
        return r;
    }
    // At n decimals: on the 15-significant-digit decimal form, so that 2.675
    // is rounded as the text 2.675 (to 2.68), not as its binary value.
    const DecimalForm f = decimal15(x);
    if (static_cast<long long>(f.exponent) + 1 + decimals >=
        static_cast<long long>(f.digits.size()))
        return x; // nothing to round away
    const std::string s = roundScaled(f, decimals, Tie::ToEven);
    if (s == "0") return 0.0;
    const bool expNegative = decimals > 0;
    const std::string expDigits =
        std::to_string(expNegative ? decimals : -static_cast<long long>(decimals));
    return decimalToDouble(f.negative, s, "", expNegative, expDigits);
}

double intFloor(double x) {
    FlagGuard guard;
    return std::floor(x);
}

std::int16_t toInt16(double x) {
    FlagGuard guard; // a NaN compared below would raise the invalid flag
    const double r = roundHalfEven(x, 0);
    if (!(r >= -32768.0 && r <= 32767.0)) throw ArithmeticFault(kFaultIntegerRange);
    return static_cast<std::int16_t>(r);
}

std::int32_t toInt32(double x) {
    FlagGuard guard; // a NaN compared below would raise the invalid flag
    const double r = roundHalfEven(x, 0);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw ArithmeticFault(kFaultIntegerRange);
    return static_cast<std::int32_t>(r);
}

double roundThroughFixed(double x, int n) {
    return parseLocale(formatFixed(x, n));
}

double roundThroughPattern(double x, std::string_view pattern) {
    return parseLocale(formatPattern(x, pattern));
}

} // namespace etero
