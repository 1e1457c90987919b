// Minimal JSON writing and string reading for the script driver's lines.
#pragma once

#include <string>
#include <string_view>

namespace etero::json {

// The length of the well-formed UTF-8 sequence at text[pos] (1 to 4), or 0
// when the bytes there are not one: a stray continuation byte, a truncated or
// overlong sequence, an encoded surrogate, or a code point above U+10FFFF.
std::size_t utf8SequenceAt(std::string_view text, std::size_t pos);
// True when the whole text is well-formed UTF-8.
bool validUtf8(std::string_view text);

// A JSON string literal, quotes included. Well-formed UTF-8 passes through
// unchanged; any byte that is not part of a well-formed sequence is written
// as U+FFFD, so the output is always valid UTF-8 JSON.
std::string quote(std::string_view s);

// Reads a JSON string literal starting at text[pos] (which must be '"');
// advances pos past it. Throws std::runtime_error on malformed input,
// including a \u escape of a lone or mismatched surrogate, which names no
// character, and raw bytes that are not well-formed UTF-8.
std::string readString(std::string_view text, std::size_t& pos);

// True when the text is exactly one JSON value (RFC 8259, strict: no trailing
// text, no raw control characters in strings, escapes that name characters)
// and valid UTF-8. Used to check the driver's output lines.
bool wellFormed(std::string_view text);

// Builds one JSON object, keys in the order they are added.
class Object {
  public:
    Object& add(std::string_view key, std::string_view value);
    Object& add(std::string_view key, const char* value) {
        return add(key, std::string_view(value));
    }
    Object& add(std::string_view key, const std::string& value) {
        return add(key, std::string_view(value));
    }
    Object& add(std::string_view key, long long value);
    Object& add(std::string_view key, int value) { return add(key, static_cast<long long>(value)); }
    Object& add(std::string_view key, bool value);
    Object& addNull(std::string_view key);
    Object& addRaw(std::string_view key, std::string_view json); // an already written value
    std::string str() const { return body_ + "}"; }

  private:
    void key(std::string_view k);
    std::string body_ = "{";
    bool first_ = true;
};

} // namespace etero::json
