#include "search.h"

#include <algorithm>
#include <set>

namespace etero {

namespace {

// Latin-1 letters without their accents, lower case, from U+00C0 to U+00FF;
// an empty entry is a sign (× and ÷), which separates words.
constexpr const char* kLatin1[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y",
};

enum class Sort { Separator, Letter, Digit };

// Decodes one UTF-8 character at text[i]; returns its length (1 for a byte
// that does not start a well-formed character, which then reads as a separator).
std::size_t decode(std::string_view text, std::size_t i, char32_t& cp) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t n = b < 0x80           ? 1
                    : (b >> 5) == 0x6  ? 2
                    : (b >> 4) == 0xE  ? 3
                    : (b >> 3) == 0x1E ? 4
                                       : 0;
    if (n == 0 || i + n > text.size()) {
        cp = 0xFFFD;
        return 1;
    }
    cp = n == 1 ? b : n == 2 ? (b & 0x1F) : n == 3 ? (b & 0x0F) : (b & 0x07);
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c >> 6) != 0x2) {
            cp = 0xFFFD;
            return 1;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    return n;
}

// What a character becomes in a search word, and whether it is a letter or a digit.
Sort fold(std::string_view text, std::size_t i, std::size_t n, char32_t cp, std::string& out) {
    if (cp < 0x80) {
        const char c = static_cast<char>(cp);
        if (c >= '0' && c <= '9') {
            out = std::string(1, c);
            return Sort::Digit;
        }
        if (c >= 'A' && c <= 'Z') {
            out = std::string(1, static_cast<char>(c - 'A' + 'a'));
            return Sort::Letter;
        }
        if (c >= 'a' && c <= 'z') {
            out = std::string(1, c);
            return Sort::Letter;
        }
        return Sort::Separator;
    }
    if (cp == 0xB5 || cp == 0x3BC) { // the micro sign and the Greek mu, as typed: u
        out = "u";
        return Sort::Letter;
    }
    if (cp >= 0xC0 && cp <= 0xFF) {
        out = kLatin1[cp - 0xC0];
        return out.empty() ? Sort::Separator : Sort::Letter;
    }
    if (cp < 0x100 || cp == 0xFFFD) return Sort::Separator; // signs and marks
    out = std::string(text.substr(i, n));                   // other scripts: as they are
    return Sort::Letter;
}

struct Scored {
    const MenuEntry* entry;
    std::string path;
    int matched = 0; // words of the text that matched
    int score = 0;
};

// How well one word of the text matches a list of words: 3 a whole word, 2
// the beginning of one, 1 inside one (or inside all of them run together),
// 0 not at all.
int quality(const std::string& word, const std::vector<std::string>& words) {
    int best = 0;
    std::string joined;
    for (const std::string& w : words) {
        joined += w;
        if (w == word) return 3;
        if (w.compare(0, word.size(), word) == 0)
            best = std::max(best, 2);
        else if (word.size() >= 3 && w.find(word) != std::string::npos)
            best = std::max(best, 1);
    }
    if (best == 0 && word.size() >= 3 && joined.find(word) != std::string::npos) best = 1;
    return best;
}

} // namespace

std::vector<std::string> searchWords(std::string_view text) {
    std::vector<std::string> words;
    std::string current;
    Sort last = Sort::Separator;
    std::string piece;
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t n = decode(text, i, cp);
        const Sort sort = fold(text, i, n, cp, piece);
        i += n;
        // A word ends at a separator and where letters and digits meet ("rg58": "rg", "58").
        if (sort != last && !current.empty()) {
            words.push_back(current);
            current.clear();
        }
        if (sort != Sort::Separator) current += piece;
        last = sort;
    }
    if (!current.empty()) words.push_back(current);
    return words;
}

std::string menuPath(int number) {
    const MenuEntry* entry = menuEntry(number);
    if (!entry) return {};
    std::vector<const char*> captions{entry->caption};
    int level = entry->level;
    for (int n = number - 1; n >= 1 && level > 1; --n) {
        const MenuEntry* above = menuEntry(n);
        if (above->level == level - 1) {
            captions.push_back(above->caption);
            level = above->level;
        }
    }
    std::string path;
    for (auto it = captions.rbegin(); it != captions.rend(); ++it)
        path += (path.empty() ? "" : " > ") + std::string(*it);
    return path;
}

std::vector<SearchMatch> findCalculators(std::string_view text) {
    const std::vector<std::string> query = searchWords(text);
    std::vector<Scored> found;
    if (query.empty()) return {};
    std::vector<std::vector<std::string>> above; // the words of the submenus over the entry
    std::set<std::string> paths;
    for (const MenuEntry& e : menuCatalogue()) {
        above.resize(static_cast<std::size_t>(e.level - 1));
        if (!e.isLeaf()) {
            above.push_back(searchWords(e.caption));
            continue;
        }
        const std::vector<std::string> own = searchWords(e.caption);
        std::vector<std::string> menus;
        for (const auto& words : above)
            menus.insert(menus.end(), words.begin(), words.end());
        Scored s{&e, menuPath(e.number)};
        for (const std::string& word : query) {
            // Own caption: 6, 5, 4; the menus above it: 3, 2, 1.
            const int q =
                std::max(quality(word, own) + 3 * (quality(word, own) > 0), quality(word, menus));
            if (q > 0) {
                ++s.matched;
                s.score += q;
            }
        }
        if (s.matched > 0 && paths.insert(s.path).second) found.push_back(std::move(s));
    }
    // Typing more words narrows the list: only the leaves that match the most
    // of them stay (every word, when any leaf matches them all).
    int most = 0;
    for (const Scored& f : found)
        most = std::max(most, f.matched);
    std::erase_if(found, [most](const Scored& f) { return f.matched < most; });
    std::stable_sort(found.begin(), found.end(),
                     [](const Scored& a, const Scored& b) { return a.score > b.score; });
    std::vector<SearchMatch> matches;
    matches.reserve(found.size());
    for (Scored& s : found)
        matches.push_back(SearchMatch{s.entry, std::move(s.path)});
    return matches;
}

} // namespace etero
