// Conversions between the world-wide locator and geographic coordinates.
#include "locator.h"

#include "shell/number/fault.h"
#include "shell/number/number.h"

#include <cmath>
#include <cstdint>

namespace etero::locator {

namespace {

float floorF(float v) {
    return std::floor(v);
}

// One character of the locator from its code, as UTF-8.
std::string character(double code) {
    const std::int32_t c = toInt32(code);
    if (c < 0 || c > 255) throw ArithmeticFault(kFaultIntegerRange);
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

char32_t upper(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32; // accented letters
    return c;
}

} // namespace

Sexagesimal split(double v) {
    Sexagesimal s;
    s.degrees = intFloor(v);
    s.minutes = intFloor((v - s.degrees) * 60);
    s.seconds = intFloor(((v - s.degrees) * 60 - s.minutes) * 60);
    return s;
}

Sexagesimal split(float v) {
    const float d = floorF(v);
    const float m = floorF((v - d) * 60.0f);
    const float s = floorF(((v - d) * 60.0f - m) * 60.0f);
    return {d, m, s};
}

std::u32string codes(const std::string& text) {
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = b;
        if (b >= 0xF0 && b < 0xF8) {
            extra = 3;
            cp = b & 0x07;
        } else if (b >= 0xE0) {
            extra = b < 0xF0 ? 2 : 0;
            cp = b & 0x0F;
        } else if (b >= 0xC0) {
            extra = 1;
            cp = b & 0x1F;
        }
        // A malformed sequence counts byte by byte.
        bool ok = extra > 0;
        for (int k = 1; ok && k <= extra; ++k) {
            if (i + k >= text.size()) {
                ok = false;
                break;
            }
            const unsigned char t = static_cast<unsigned char>(text[i + k]);
            if ((t & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (t & 0x3F);
        }
        if (!ok) {
            cp = b;
            extra = 0;
        }
        if (cp > 255) cp = U'?';
        out += upper(cp);
        i += 1 + extra;
    }
    return out;
}

Centre centre(const std::u32string& c) {
    const auto code = [&c](int i) { return static_cast<int>(c.at(static_cast<std::size_t>(i))); };
    // The whole-degree parts are small integers for any 8-bit code.
    const int lonWhole = (code(0) - 65) * 20 - 180 + (code(2) - 48) * 2;
    const int latWhole = (code(1) - 65) * 10 - 90 + (code(3) - 48);
    Centre r;
    r.longitude = lonWhole + (code(4) - 64.5) / 12;
    r.latitude = static_cast<float>(latWhole + (code(5) - 64.5) / 24);
    return r;
}

std::string fromCoordinates(double lonDegrees, double lonMinutes, double lonSeconds,
                            double latDegrees, double latMinutes, double latSeconds) {
    const double lon = lonDegrees + (lonMinutes * 60 + lonSeconds) / 3600;
    const float lat = static_cast<float>(latDegrees + (latMinutes * 60 + latSeconds) / 3600);
    double x = (lon + 180) / 20;
    float y = (lat + 90.0f) / 10.0f;
    const double f1 = intFloor(x);
    const float f2 = floorF(y);
    x = (x - f1) * 10;
    y = (y - f2) * 10.0f;
    const double q1 = intFloor(x);
    const float q2 = floorF(y);
    const double s1 = intFloor((x - q1) * 24);
    const float s2 = floorF((y - q2) * 24.0f);
    return character(f1 + 65) + character(f2 + 65.0f) + character(q1 + 48) + character(q2 + 48.0f) +
           character(s1 + 65) + character(s2 + 65.0f);
}

} // namespace etero::locator
