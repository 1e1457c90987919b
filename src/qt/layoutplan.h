// The automatic layout of a calculator window, decided from its design alone
// and before any widget exists: which controls share a row, in which
// container (the window's column or a frame), where the drawing goes and how
// the commands line up at the bottom. Each rule is one named function in
// layoutplan.cpp, tried in the order of its rule table; AutoLayout then turns
// the plan into widgets. No Qt here: the plan can be read and tested as it is.
#pragma once

#include "shell/form/form.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace etero::qt {

struct PlanRow {
    enum class Kind {
        // A caption in the first column, its value (field, list or result) in
        // the second, and the value's unit right after it; caption and unit
        // may be empty.
        Pair,
        Single,  // one control across the row
        Centred, // one control across the row, centred (pictures)
        Options, // a run of options of one group, in `columns` columns
        Line,    // controls side by side from the left (commands in a frame, frames)
        Table,   // table lines: pairs (heading or "", line), laid out as one grid
        Drawing, // the schematic, in the frame that holds all of its labels
    };
    Kind kind = Kind::Single;
    const char* rule = "";             // the name of the rule that made the row
    std::vector<std::string> controls; // Pair: caption, value, unit; Table: heading, line, ...
    int columns = 1;                   // Options
};

struct LayoutPlan {
    enum class DrawingPlace { None, Beside, Below, InFrame };
    // The rows of each container: "" is the window's column, else a frame's name.
    std::map<std::string, std::vector<PlanRow>> containers;
    DrawingPlace drawing = DrawingPlace::None;
    std::string drawingFrame; // InFrame: the frame that holds it
    // Rows of commands, the close commands last at the right of the last row.
    // They follow the last row of the window's column that the user fills in
    // (fields, lists, options), so that results appearing below never move them;
    // in a window with nothing to fill in, they close the window at the bottom.
    std::vector<std::vector<std::string>> commands;
    std::vector<std::string> closers;
    std::size_t commandsAfter = 0; // how many rows of the window's column come before them
    bool commandsAtBottom = false;
    std::set<std::string> onDrawing; // controls shown in a slot of the drawing

    const std::vector<PlanRow>& rows(const std::string& container) const;
    // One line per row, for readers of the plan and for tests:
    // "Frame1: Options(2) [Option1(0) Option1(1)] option run".
    std::string describe() const;
};

// Options in one column up to this many; more take two columns.
inline constexpr int kOptionsPerColumn = 8;
// A drawing wider than this goes below the column: beside it, the window
// would be over 800 pixels wide.
inline constexpr double kLargestDrawingBeside = 440;
// Commands per row.
inline constexpr int kCommandsPerRow = 4;

LayoutPlan planLayout(const Form& form);

} // namespace etero::qt
