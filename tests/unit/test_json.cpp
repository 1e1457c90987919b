// The driver's JSON: what it reads from a script and what it writes must both
// be valid UTF-8, whatever bytes a script or a caption holds.
#include "shell/script/json.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace etero::json {
namespace {

std::string read(const std::string& literal) {
    std::size_t pos = 0;
    std::string s = readString(literal, pos);
    EXPECT_EQ(pos, literal.size());
    return s;
}

TEST(Json, Utf8SequencesAreCheckedByteByByte) {
    EXPECT_TRUE(validUtf8("µ 𝄞 ASCII"));
    EXPECT_TRUE(validUtf8("\xed\x9f\xbf"));      // U+D7FF, just below the surrogates
    EXPECT_TRUE(validUtf8("\xf4\x8f\xbf\xbf"));  // U+10FFFF, the last code point
    EXPECT_FALSE(validUtf8("\x80"));             // a continuation byte alone
    EXPECT_FALSE(validUtf8("\xc0\xaf"));         // an overlong '/'
    EXPECT_FALSE(validUtf8("\xe0\x80\xaf"));     // an overlong '/' in three bytes
    EXPECT_FALSE(validUtf8("\xed\xa0\x80"));     // an encoded surrogate
    EXPECT_FALSE(validUtf8("\xf4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(validUtf8("\xe2\x82"));         // truncated
    EXPECT_FALSE(validUtf8("\xff"));
}

TEST(Json, QuoteWritesMalformedBytesAsTheReplacementCharacter) {
    EXPECT_EQ(quote("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
    EXPECT_EQ(quote("µ"), "\"µ\"");
    const std::string fffd = "\xEF\xBF\xBD";
    const std::string malformed = std::string("1\x80") + "2\xed\xa0\x80";
    EXPECT_EQ(quote(malformed), "\"1" + fffd + "2" + fffd + fffd + fffd + "\"");
}

TEST(Json, EscapesNameWholeCharactersOrAreRefused) {
    EXPECT_EQ(read("\"\\u0045\\u00b5\\ud834\\udd1e\""), "Eµ𝄞");
    EXPECT_EQ(read("\"\\u0000\""), std::string(1, '\0'));
    for (const char* bad :
         {"\"\\ud800\\u0041\"", "\"\\udbff\\uffff\"", "\"\\ud800\"", "\"\\udc00\"", "\"\\ud800x\"",
          "\"\\u12\"", "\"\\x\"", "\"\xc3\"", "\"abc"}) {
        std::size_t pos = 0;
        EXPECT_THROW(readString(bad, pos), std::runtime_error) << bad;
    }
}

TEST(Json, WellFormedAcceptsJsonAndNothingElse) {
    for (const char* good : {"{}", "[]", "{\"a\":[1,-0.5e+3,true,false,null,\"\\u00b5\"]}", " 0 ",
                             "{\"k\":{\"n\":[]}}"})
        EXPECT_TRUE(wellFormed(good)) << good;
    for (const char* bad :
         {"", "{", "{\"a\":1,}", "[1,]", "{'a':1}", "01", "1.", "-", "{\"a\" 1}", "[1] x",
          "\"\\ud800\"", "\"tab\there\"", "\"\xff\"", "nul", "{\"a\":1}{}"})
        EXPECT_FALSE(wellFormed(bad)) << bad;
    EXPECT_TRUE(wellFormed(std::string(60, '[') + std::string(60, ']')));
    EXPECT_FALSE(wellFormed(std::string(100000, '['))); // deep nesting is refused, not a crash
}

} // namespace
} // namespace etero::json
