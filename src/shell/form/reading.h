// A window read as plain text, from its form model alone: the name a screen
// reader gives each control, and the text the window's copy-results action
// puts on the clipboard. Both read a value (a text field, a list, a result)
// by the labels that name it on the window: its caption and its unit.
#pragma once

#include "form.h"

#include <string>

namespace etero {

struct ValueLabels {
    // The label naming the value: the field's buddy, else a caption label
    // just before it in tab order, else (in a window laid out in twips) the
    // caption label left of it on its row.
    const Control* caption = nullptr;
    // In a window laid out in twips, when no buddy names the value: a caption
    // label above it that names nothing on its own row, the heading of its
    // column ("PRIMI" over the second field of the row "LONGITUDINE").
    const Control* heading = nullptr;
    // A label just after it that names no value of its own ("megaOhm" after
    // its field); in twips, only one on the same row, right of it.
    const Control* unit = nullptr;
};

// Fields, lists and result labels are values; any other control has no labels.
bool isValue(const Control& c);
ValueLabels labelsOf(const Form& form, const Control& value);

// The name a screen reader announces for a control, from what the window
// shows: a field or list by its labels ("RESISTENZA, megaOhm"), a result by
// its labels and the result itself ("OHM: 6,"), an option, check or command
// by its caption; the tooltip where nothing else names it, and "CHIUDI" for
// a close command shown only as a picture. Empty for other labels,
// frames and pictures, which are read by their own text.
std::string accessibleName(const Form& form, const Control& c);

// The window's caption, then one line for each chosen option, each list
// choice, each field that holds text, with its caption and unit, and each
// result shown: the result labels with theirs, and the labels on the window
// or its drawing whose text the calculator has written since the window
// opened, after the words they showed then ("R: 2"). A list without a label
// goes by its prompt. Texts exactly as shown, only the blanks around each
// piece dropped; lines are separated by a line feed.
std::string copyText(const Form& form);

} // namespace etero
