// The world-wide locator: a six-character square name (field letters A-R,
// square digits, sub-square letters A-X, longitude first in each pair) and
// geographic coordinates, east and north positive. Longitude is carried in
// double precision, latitude in single precision, step by step.
#pragma once

#include <string>

namespace etero::locator {

// A coordinate split as the windows show it: D = Int(v), M = Int((v - D) * 60),
// S = Int(((v - D) * 60 - M) * 60); for a negative value the degrees are the
// floor and minutes and seconds count upwards from them.
struct Sexagesimal {
    double degrees = 0, minutes = 0, seconds = 0;
};
Sexagesimal split(double v);
Sexagesimal split(float v); // every step in single precision

// The typed text as character codes: each character (UTF-8 decoded) is one
// code; codes above 255 have no place in the 8-bit alphabet and read as '?'.
// Lower-case letters are turned to upper case.
std::u32string codes(const std::string& text);

// The centre of the sub-square named by six character codes. No check is made
// on the characters: any code goes through the same arithmetic.
struct Centre {
    double longitude = 0;
    float latitude = 0;
};
Centre centre(const std::u32string& c);

// The locator of a point, from the coordinates as the window reads them
// (degrees, minutes and seconds each with the sign typed). A character code
// outside 0-255 cannot be written and is an arithmetic fault.
std::string fromCoordinates(double lonDegrees, double lonMinutes, double lonSeconds,
                            double latDegrees, double latMinutes, double latSeconds);

} // namespace etero::locator
