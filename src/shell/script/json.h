// Minimal JSON writing and string reading for the script driver's lines.
#pragma once

#include <string>
#include <string_view>

namespace etero::json {

// A JSON string literal, quotes included; UTF-8 passes through unchanged.
std::string quote(std::string_view s);

// Reads a JSON string literal starting at text[pos] (which must be '"');
// advances pos past it. Throws std::runtime_error on malformed input.
std::string readString(std::string_view text, std::size_t& pos);

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
