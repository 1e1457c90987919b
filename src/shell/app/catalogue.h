// The menu catalogue of the main window: 247 entries in tree order, and the
// forms that only calculators open.
#pragma once

#include "shell/form/control.h"

#include <span>
#include <string>
#include <vector>

namespace etero {

struct MenuEntry {
    int number;
    int level;           // 1 is the menu bar
    const char* caption; // shown exactly, blanks included
    const char* control;
    const char* form; // nullptr for a submenu
    Mode mode;
    bool isLeaf() const { return form != nullptr; }
};

std::span<const MenuEntry> menuCatalogue();
const MenuEntry* menuEntry(int number); // nullptr outside 1..247

// Forms opened only from other calculators, never from a menu leaf.
std::span<const char* const> companionOnlyForms();

// Every form the program knows, in catalogue order then the companion-only ones.
std::vector<std::string> allForms();

} // namespace etero
