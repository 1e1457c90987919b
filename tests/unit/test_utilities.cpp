// The locator conversions, both ways, on squares whose centres and corners
// are known, and on text that is not a locator at all.
#include "calc/utilities/locator.h"
#include "shell/number/fault.h"

#include <gtest/gtest.h>

using namespace etero;
using namespace etero::locator;

namespace {

TEST(Locator, TypedTextBecomesUpperCaseCodes) {
    EXPECT_EQ(codes("jn54ab"), U"JN54AB");
    // Accented letters count as one character each; codes beyond 8 bits read as '?'.
    EXPECT_EQ(codes("àè€"), std::u32string({0xC0, 0xC8, U'?'}));
    // A broken UTF-8 sequence is read byte by byte, never beyond the text.
    EXPECT_EQ(codes(std::string("A\xC3", 2)), std::u32string({U'A', 0xC3}));
    EXPECT_EQ(codes(std::string("\xE2\x82", 2)).size(), 2u);
    EXPECT_TRUE(codes("").empty());
}

TEST(Locator, CentreOfKnownSquares) {
    const Centre jn54ab = centre(U"JN54AB");
    EXPECT_DOUBLE_EQ(jn54ab.longitude, 10 + 1.0 / 24);
    EXPECT_EQ(jn54ab.latitude, 44.0625f);
    const Sexagesimal lon = split(jn54ab.longitude);
    EXPECT_EQ(lon.degrees, 10);
    EXPECT_EQ(lon.minutes, 2);
    EXPECT_EQ(lon.seconds, 29); // truncated, not rounded to 30
    const Sexagesimal lat = split(jn54ab.latitude);
    EXPECT_EQ(lat.degrees, 44);
    EXPECT_EQ(lat.minutes, 3);
    EXPECT_EQ(lat.seconds, 45);

    // Negative values: the floor, then minutes and seconds counted upwards.
    const Centre aa = centre(U"AA00AA");
    EXPECT_EQ(split(aa.longitude).degrees, -180);
    EXPECT_EQ(split(aa.latitude).degrees, -90);
    const Sexagesimal half = split(-0.5);
    EXPECT_EQ(half.degrees, -1);
    EXPECT_EQ(half.minutes, 30);
}

TEST(Locator, LocatorOfKnownPoints) {
    EXPECT_EQ(fromCoordinates(10, 2, 30, 44, 3, 45), "JN54AB");
    EXPECT_EQ(fromCoordinates(-3, -36, 0, -34, -54, 0), "IF85EC");
    EXPECT_EQ(fromCoordinates(-180, 0, 0, -90, 0, 0), "AA00AA");
    EXPECT_EQ(fromCoordinates(179, 59, 59, 89, 59, 59), "RR99XX");
    EXPECT_EQ(fromCoordinates(180, 0, 0, 0, 0, 0), "SJ00AA"); // no range check
}

TEST(Locator, EveryCentreGivesItsOwnSquareBack) {
    for (char32_t f1 = U'A'; f1 <= U'R'; f1 += 5)
        for (char32_t f2 = U'A'; f2 <= U'R'; f2 += 3)
            for (char32_t s = U'A'; s <= U'X'; ++s) {
                const std::u32string loc{f1,   f2, U'7',
                                         U'2', s,  static_cast<char32_t>(U'X' - (s - U'A'))};
                const Centre c = centre(loc);
                const std::string back = fromCoordinates(c.longitude, 0, 0, c.latitude, 0, 0);
                EXPECT_EQ(back, std::string(loc.begin(), loc.end()));
            }
}

TEST(Locator, PointWithNoCharacterIsAFault) {
    EXPECT_THROW(fromCoordinates(10000, 0, 0, 0, 0, 0), ArithmeticFault);
    EXPECT_THROW(fromCoordinates(0, 0, 0, -2000, 0, 0), ArithmeticFault);
    EXPECT_THROW(fromCoordinates(1e300, 0, 0, 0, 0, 0), ArithmeticFault);
}

} // namespace
