#include "json.h"

#include <stdexcept>

namespace etero::json {

std::string quote(std::string_view s) {
    std::string out = "\"";
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (c < 0x20) {
                static const char* hex = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else {
                out += ch;
            }
        }
    }
    out += '"';
    return out;
}

namespace {
void appendUtf8(std::string& out, unsigned long cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

unsigned long hex4(std::string_view text, std::size_t& pos) {
    if (pos + 4 > text.size()) throw std::runtime_error("bad \\u escape");
    unsigned long v = 0;
    for (int i = 0; i < 4; ++i) {
        const char c = text[pos++];
        v <<= 4;
        if (c >= '0' && c <= '9')
            v |= static_cast<unsigned long>(c - '0');
        else if (c >= 'a' && c <= 'f')
            v |= static_cast<unsigned long>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            v |= static_cast<unsigned long>(c - 'A' + 10);
        else
            throw std::runtime_error("bad \\u escape");
    }
    return v;
}
} // namespace

std::string readString(std::string_view text, std::size_t& pos) {
    if (pos >= text.size() || text[pos] != '"') throw std::runtime_error("expected a string");
    ++pos;
    std::string out;
    while (true) {
        if (pos >= text.size()) throw std::runtime_error("unterminated string");
        const char c = text[pos++];
        if (c == '"') return out;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (pos >= text.size()) throw std::runtime_error("unterminated string");
        const char e = text[pos++];
        switch (e) {
        case '"':
            out += '"';
            break;
        case '\\':
            out += '\\';
            break;
        case '/':
            out += '/';
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'u': {
            unsigned long cp = hex4(text, pos);
            if (cp >= 0xD800 && cp < 0xDC00 && pos + 1 < text.size() && text[pos] == '\\' &&
                text[pos + 1] == 'u') {
                pos += 2;
                const unsigned long low = hex4(text, pos);
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            }
            appendUtf8(out, cp);
            break;
        }
        default:
            throw std::runtime_error("bad escape in string");
        }
    }
}

void Object::key(std::string_view k) {
    if (!first_) body_ += ',';
    first_ = false;
    body_ += quote(k);
    body_ += ':';
}

Object& Object::add(std::string_view k, std::string_view value) {
    key(k);
    body_ += quote(value);
    return *this;
}

Object& Object::add(std::string_view k, long long value) {
    key(k);
    body_ += std::to_string(value);
    return *this;
}

Object& Object::add(std::string_view k, bool value) {
    key(k);
    body_ += value ? "true" : "false";
    return *this;
}

Object& Object::addNull(std::string_view k) {
    key(k);
    body_ += "null";
    return *this;
}

Object& Object::addRaw(std::string_view k, std::string_view json) {
    key(k);
    body_ += json;
    return *this;
}

} // namespace etero::json
