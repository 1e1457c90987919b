#include "json.h"

#include <stdexcept>

namespace etero::json {

std::size_t utf8SequenceAt(std::string_view text, std::size_t pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) return 1;
    // The allowed range of the second byte narrows for E0, ED, F0 and F4,
    // which excludes overlong forms, surrogates and code points above U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (pos + length > text.size()) return 0;
    if (byte(pos + 1) < low || byte(pos + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF) return 0;
    return length;
}

bool validUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t n = utf8SequenceAt(text, pos);
        if (n == 0) return false;
        pos += n;
    }
    return true;
}

std::string quote(std::string_view s) {
    std::string out = "\"";
    for (std::size_t pos = 0; pos < s.size(); ++pos) {
        const char ch = s[pos];
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80) {
            const std::size_t n = utf8SequenceAt(s, pos);
            if (n == 0) {
                out += "\xEF\xBF\xBD"; // U+FFFD, the replacement character
            } else {
                out.append(s, pos, n);
                pos += n - 1;
            }
            continue;
        }
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
            if (static_cast<unsigned char>(c) >= 0x80) {
                const std::size_t n = utf8SequenceAt(text, pos - 1);
                if (n == 0) throw std::runtime_error("text that is not valid UTF-8");
                out.append(text, pos - 1, n);
                pos += n - 1;
            } else {
                out += c;
            }
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
            // A character above U+FFFF is written as a high surrogate escape
            // followed by a low one; a surrogate on its own names no character.
            unsigned long cp = hex4(text, pos);
            if (cp >= 0xDC00 && cp <= 0xDFFF)
                throw std::runtime_error("a \\u escape of a lone low surrogate");
            if (cp >= 0xD800 && cp <= 0xDBFF) {
                if (pos + 1 >= text.size() || text[pos] != '\\' || text[pos + 1] != 'u')
                    throw std::runtime_error("a \\u escape of a lone high surrogate");
                pos += 2;
                const unsigned long low = hex4(text, pos);
                if (low < 0xDC00 || low > 0xDFFF)
                    throw std::runtime_error("a high surrogate escape not followed by a low one");
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

namespace {
// A strict recursive-descent reader that only says whether the text is JSON.
class Checker {
  public:
    explicit Checker(std::string_view t) : t_(t) {}
    bool document() {
        if (!value(0)) return false;
        space();
        return p_ == t_.size();
    }

  private:
    static constexpr int kMaxDepth = 64;
    void space() {
        while (p_ < t_.size() &&
               (t_[p_] == ' ' || t_[p_] == '\t' || t_[p_] == '\n' || t_[p_] == '\r'))
            ++p_;
    }
    bool literal(std::string_view word) {
        if (t_.substr(p_, word.size()) != word) return false;
        p_ += word.size();
        return true;
    }
    bool digits() {
        const std::size_t start = p_;
        while (p_ < t_.size() && t_[p_] >= '0' && t_[p_] <= '9')
            ++p_;
        return p_ > start;
    }
    bool number() {
        if (p_ < t_.size() && t_[p_] == '-') ++p_;
        if (p_ < t_.size() && t_[p_] == '0')
            ++p_;
        else if (!digits())
            return false;
        if (p_ < t_.size() && t_[p_] == '.') {
            ++p_;
            if (!digits()) return false;
        }
        if (p_ < t_.size() && (t_[p_] == 'e' || t_[p_] == 'E')) {
            ++p_;
            if (p_ < t_.size() && (t_[p_] == '+' || t_[p_] == '-')) ++p_;
            if (!digits()) return false;
        }
        return true;
    }
    bool string() {
        if (p_ >= t_.size() || t_[p_] != '"') return false;
        std::size_t end = p_ + 1;
        for (; end < t_.size() && t_[end] != '"'; ++end) {
            if (static_cast<unsigned char>(t_[end]) < 0x20) return false;
            if (t_[end] == '\\') ++end;
        }
        if (end >= t_.size()) return false;
        try {
            readString(t_, p_);
        } catch (const std::runtime_error&) {
            return false;
        }
        return true;
    }
    bool value(int depth) {
        if (depth > kMaxDepth) return false;
        space();
        if (p_ >= t_.size()) return false;
        switch (t_[p_]) {
        case '{':
            return container(depth, '}', true);
        case '[':
            return container(depth, ']', false);
        case '"':
            return string();
        case 't':
            return literal("true");
        case 'f':
            return literal("false");
        case 'n':
            return literal("null");
        default:
            return number();
        }
    }
    bool container(int depth, char close, bool object) {
        ++p_;
        space();
        if (p_ < t_.size() && t_[p_] == close) {
            ++p_;
            return true;
        }
        while (true) {
            if (object) {
                space();
                if (!string()) return false;
                space();
                if (p_ >= t_.size() || t_[p_++] != ':') return false;
            }
            if (!value(depth + 1)) return false;
            space();
            if (p_ >= t_.size()) return false;
            const char c = t_[p_++];
            if (c == close) return true;
            if (c != ',') return false;
        }
    }
    std::string_view t_;
    std::size_t p_ = 0;
};
} // namespace

bool wellFormed(std::string_view text) {
    return validUtf8(text) && Checker(text).document();
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
