// Finding a calculator by name: the words a text is compared by, the menu
// paths, and what the search lists for what users type, in which order.
#include "shell/app/app.h"
#include "shell/app/catalogue.h"
#include "shell/app/search.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace etero;

namespace {

std::vector<int> numbers(const std::vector<SearchMatch>& matches) {
    std::vector<int> n;
    for (const SearchMatch& m : matches)
        n.push_back(m.entry->number);
    return n;
}

bool listed(const std::vector<SearchMatch>& matches, int number) {
    const auto n = numbers(matches);
    return std::find(n.begin(), n.end(), number) != n.end();
}

TEST(SearchWords, FoldCaseAndAccentsAndSplitLettersFromDigits) {
    using W = std::vector<std::string>;
    EXPECT_EQ(searchWords("Capacità 78xx"), (W{"capacita", "78", "xx"}));
    EXPECT_EQ(searchWords("RG58"), (W{"rg", "58"}));
    EXPECT_EQ(searchWords("dBm  S-METER in HF"), (W{"dbm", "s", "meter", "in", "hf"}));
    EXPECT_EQ(searchWords("ÀÉÌÒÙ àèéìòù"), (W{"aeiou", "aeeiou"}));
    EXPECT_EQ(searchWords("µH"), (W{"uh"}));
    EXPECT_EQ(searchWords("Adatt.Imp.Induttivo - Tapped"),
              (W{"adatt", "imp", "induttivo", "tapped"}));
    EXPECT_TRUE(searchWords("  - / . ").empty());
}

TEST(SearchWords, BrokenUtf8SeparatesWordsAndNeverReadsPastTheEnd) {
    using W = std::vector<std::string>;
    EXPECT_EQ(searchWords(std::string("toro\xff") + "idi"), (W{"toro", "idi"}));
    EXPECT_EQ(searchWords(std::string("ab\xc3")), (W{"ab"}));            // cut in the middle
    EXPECT_EQ(searchWords(std::string("ab\xe0\x41z")), (W{"ab", "az"})); // bad continuation
}

TEST(MenuPath, CaptionsFromTheMenuBarDownExactlyAsShown) {
    EXPECT_EQ(menuPath(2), "Volt > Volt-Amp-Ohm-Watt");
    EXPECT_EQ(menuPath(8), "Volt > Decibel > dBm  S-METER in HF");
    EXPECT_EQ(menuPath(15), "Circuiti L C R > Filtri > Filtri per R F > Filtri passa alto");
    EXPECT_EQ(menuPath(25), "Circuiti L C R > Sintonia"); // after a deeper submenu closes
    EXPECT_EQ(menuPath(247), "Leggimi");
    EXPECT_EQ(menuPath(0), "");
    EXPECT_EQ(menuPath(248), "");
}

TEST(Search, EveryLeafHasAPathOfItsOwn) {
    std::set<std::string> paths;
    int leaves = 0;
    for (const MenuEntry& e : menuCatalogue())
        if (e.isLeaf()) {
            ++leaves;
            paths.insert(menuPath(e.number));
        }
    EXPECT_EQ(leaves, 211);
    EXPECT_EQ(paths.size(), 211u);
}

TEST(Search, WhatUsersTypeFindsItsCalculators) {
    const auto toro = findCalculators("toro");
    for (int n : {38, 39, 40, 41, 43, 44, 119, 120, 122, 123})
        EXPECT_TRUE(listed(toro, n)) << n;
    EXPECT_EQ(toro.size(), 10u);
    // The seven matched in their own captions first, then the three matched only
    // through their menus ("Toroidi ... > Trasformatori ferrite"), in the menu's order.
    EXPECT_EQ(numbers(toro), (std::vector<int>{38, 39, 40, 43, 119, 120, 122, 41, 44, 123}));

    const auto ohm = findCalculators("ohm");
    EXPECT_EQ(numbers(ohm), (std::vector<int>{2, 7}));

    const auto rg58 = findCalculators("RG58");
    ASSERT_FALSE(rg58.empty());
    EXPECT_EQ(rg58.front().entry->number, 117);
    EXPECT_STREQ(rg58.front().entry->form, "frmcaviRG");

    const auto dipolo = findCalculators("dipolo");
    EXPECT_EQ(numbers(dipolo), (std::vector<int>{72, 74, 115}));
    EXPECT_EQ(dipolo[2].path, "Antenne > Resistenza Radiazione > Dipolo");

    // Part of a word, from three letters on; a run of words typed together.
    EXPECT_TRUE(listed(findCalculators("banda"), 19)); // "Filtripassabanda"
    EXPECT_TRUE(listed(findCalculators("smeter"), 8)); // "S-METER"
    EXPECT_EQ(numbers(findCalculators("LM317")), (std::vector<int>{216, 217}));
    EXPECT_EQ(numbers(findCalculators("317")), (std::vector<int>{215, 216, 217}));
}

TEST(Search, CaseAndAccentsDoNotMatter) {
    const std::vector<int> lines{174, 175, 176, 177}; // "Capacità linea ..."
    EXPECT_EQ(numbers(findCalculators("capacità linea")), lines);
    EXPECT_EQ(numbers(findCalculators("CAPACITA LINEA")), lines);
    EXPECT_EQ(numbers(findCalculators("Capacita' Linea")), lines);
}

TEST(Search, MoreWordsNarrowTheList) {
    // Whole words first ("passa"), then words it begins ("passabanda", "Filtripassabanda").
    EXPECT_EQ(numbers(findCalculators("passa")), (std::vector<int>{15, 16, 17, 22, 18, 19}));
    // "Filtri passa alto" matches one word of two: no longer listed.
    EXPECT_EQ(numbers(findCalculators("passa basso")), (std::vector<int>{16, 17, 22}));
    EXPECT_EQ(numbers(findCalculators("s-meter hf")), (std::vector<int>{8, 129, 228}));
    // No leaf has both: those with the one that matches.
    EXPECT_EQ(numbers(findCalculators("dipolo zzzz")), numbers(findCalculators("dipolo")));
}

TEST(Search, AFormOpenedFromSeveralLeavesIsListedOncePerPath) {
    const auto found = findCalculators("S-METER");
    std::vector<std::string> forms;
    for (const SearchMatch& m : found)
        forms.emplace_back(m.entry->form);
    EXPECT_EQ(std::count(forms.begin(), forms.end(), "frmsmeterhf"), 3);
    EXPECT_EQ(std::count(forms.begin(), forms.end(), "frmsmetervhf"), 2);
}

TEST(Search, OnlyLeavesWithTheirCatalogueModeAndNothingForNothing) {
    for (const char* text : {"a", "filtri", "toroidi", "volt", "1"})
        for (const SearchMatch& m : findCalculators(text)) {
            ASSERT_TRUE(m.entry->isLeaf()) << m.path;
            EXPECT_EQ(m.entry, menuEntry(m.entry->number));
            EXPECT_EQ(m.path, menuPath(m.entry->number));
        }
    EXPECT_TRUE(findCalculators("").empty());
    EXPECT_TRUE(findCalculators(" -- ").empty());
    EXPECT_TRUE(findCalculators("zzzz").empty());
    // Fewer than three letters match only the beginning of a word.
    EXPECT_FALSE(listed(findCalculators("rg"), 186)); // "Energia Elettrostatica"
    EXPECT_EQ(menuCatalogue().size(), 247u);
}

// A found entry opens through the open operation in its catalogued mode,
// also when the main window has closed, and not past a modal window.
struct OpenFound : etero::testing::Program {};

TEST_F(OpenFound, InItsCataloguedModeAlsoWithTheMainWindowClosed) {
    app.menu(7); // frmvoltwatt, modeless: the program goes on without the main window
    app.close(kMainWindow);
    app.openEntry(117);
    EXPECT_EQ(modeOf("frmcaviRG"), Mode::Modeless);
    app.openEntry(38);
    EXPECT_EQ(modeOf("frmamidon"), Mode::Modal);
    app.openEntry(117); // the modal window blocks it: it stays in front
    EXPECT_EQ(app.windows().front().form->name(), "frmamidon");
    app.openEntry(2);
    EXPECT_FALSE(app.isOpen("frmleggediohm"));
    EXPECT_THROW(app.openEntry(1), UsageError);   // a submenu
    EXPECT_THROW(app.openEntry(248), UsageError); // no such entry
}

} // namespace
