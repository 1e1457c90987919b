// Finding a calculator by name: the menu leaves whose caption, or whose path
// through the menus, matches what the user typed. An addition beside the
// menu catalogue, which it only reads.
#pragma once

#include "catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace etero {

struct SearchMatch {
    const MenuEntry* entry; // always a leaf
    std::string path;       // the captions from the menu bar down, joined by " > "
};

// The leaves that match `text`, best first; one per menu path. Matching
// ignores case and accents, and every character that is not a letter or a
// digit: "capacita" finds "Capacità", "rg58" finds "cavi RG". A word of the
// text matches a word of a caption that it begins ("toro" in "Toroidi") or,
// from three characters on, that holds it ("passa" in "Filtripassabanda").
// Listed are the leaves that match the most words of the text (all of them,
// when any leaf does; "rg58" lists what "rg" alone finds): those matched in
// their own caption before those matched only in the menus above them, whole
// words before beginnings before insides; ties keep the menu's order.
std::vector<SearchMatch> findCalculators(std::string_view text);

// The path of a catalogue entry: "Volt > Decibel > dBWatt - dBmWatt".
std::string menuPath(int number);

// The words of a text as the search compares them: lower case, accents
// taken off, letters and digits apart ("Capacità 78xx" gives "capacita",
// "78", "xx").
std::vector<std::string> searchWords(std::string_view text);

} // namespace etero
