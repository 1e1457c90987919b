#include "layoutplan.h"

#include <algorithm>

namespace etero::qt {

namespace {

using List = std::vector<const Control*>;

// A container's controls in tab order and the place the rules have reached.
struct Cursor {
    const Form& form;
    const List& list;
    std::size_t i;
    const Control* at(std::size_t k) const { return i + k < list.size() ? list[i + k] : nullptr; }
};

bool isLabel(const Control* c, Role role) {
    return c && c->kind == Kind::Label && c->role == role;
}
bool isResult(const Control* c) {
    return isLabel(c, Role::Result);
}
bool isField(const Control* c) {
    return c && (c->kind == Kind::Text || c->kind == Kind::Combo);
}
// A value that a caption just before it names, though the design did not pair them.
bool isFreeValue(const Control* c) {
    return isResult(c) || (isField(c) && c->buddy.empty());
}
// A frame that holds nothing but options.
bool isOptionFrame(const Form& form, const Control* c) {
    if (!c || c->kind != Kind::Frame) return false;
    bool any = false;
    for (const Control& k : form.controls()) {
        if (k.frame != c->name || k.kind == Kind::Timer) continue;
        if (k.kind != Kind::Option) return false;
        any = true;
    }
    return any;
}

// A caption label with no field of its own, right after a value, is that
// value's unit ("megaOhm" after its field), unless a value follows that it
// names instead.
bool isUnit(const Cursor& at, std::size_t k) {
    const Control* c = at.at(k);
    return isLabel(c, Role::Caption) && c->buddy.empty() && !isFreeValue(at.at(k + 1)) &&
           !isLabel(at.at(k + 1), Role::TableRow);
}

// The value at k, and its unit when one follows: the Pair row's last two cells.
std::size_t valueWithUnit(const Cursor& at, std::size_t k, PlanRow& row) {
    row.controls.push_back(at.at(k)->name);
    if (isUnit(at, k + 1)) {
        row.controls.push_back(at.at(k + 1)->name);
        return k + 2;
    }
    row.controls.emplace_back();
    return k + 1;
}

// ---- the rules: each returns how many controls it placed (0: not its case) ----

// Frames that hold only options stand side by side ("DA" beside "A").
std::size_t optionFramesSideBySide(const Cursor& at, PlanRow& row) {
    if (!isOptionFrame(at.form, at.at(0)) || !isOptionFrame(at.form, at.at(1))) return 0;
    row.kind = PlanRow::Kind::Line;
    std::size_t k = 0;
    for (; k < 3 && isOptionFrame(at.form, at.at(k)); ++k)
        row.controls.push_back(at.at(k)->name);
    return k;
}

// Any other frame takes a row of its own; its controls follow the same rules inside it.
std::size_t frameRow(const Cursor& at, PlanRow& row) {
    if (at.at(0)->kind != Kind::Frame) return 0;
    row.controls.push_back(at.at(0)->name);
    return 1;
}

// A run of options of one group: one column, two for long groups.
std::size_t optionRun(const Cursor& at, PlanRow& row) {
    const Control* first = at.at(0);
    if (first->kind != Kind::Option) return 0;
    row.kind = PlanRow::Kind::Options;
    std::size_t k = 0;
    for (; at.at(k) && at.at(k)->kind == Kind::Option && at.at(k)->group == first->group; ++k)
        row.controls.push_back(at.at(k)->name);
    row.columns = static_cast<int>(k) > kOptionsPerColumn ? 2 : 1;
    return k;
}

// Table lines, each with the caption that heads it, make one grid.
std::size_t tableLines(const Cursor& at, PlanRow& row) {
    std::size_t k = 0;
    while (true) {
        if (isLabel(at.at(k), Role::TableRow)) {
            row.controls.emplace_back();
            row.controls.push_back(at.at(k)->name);
            k += 1;
        } else if (isLabel(at.at(k), Role::Caption) && isLabel(at.at(k + 1), Role::TableRow)) {
            row.controls.push_back(at.at(k)->name);
            row.controls.push_back(at.at(k + 1)->name);
            k += 2;
        } else {
            break;
        }
    }
    if (k > 0) row.kind = PlanRow::Kind::Table;
    return k;
}

// A caption and the value it names (its field, or a result or field that
// follows it directly) share a row, the value's unit after it.
std::size_t captionAndValue(const Cursor& at, PlanRow& row) {
    const Control* c = at.at(0);
    const Control* next = at.at(1);
    if (!isLabel(c, Role::Caption) || !next) return 0;
    const bool paired = !c->buddy.empty() ? c->buddy == next->name : isFreeValue(next);
    if (!paired) return 0;
    row.kind = PlanRow::Kind::Pair;
    row.controls.push_back(c->name);
    return valueWithUnit(at, 1, row);
}

// A value without a caption: in the value column, its unit after it.
std::size_t valueAlone(const Cursor& at, PlanRow& row) {
    if (!isField(at.at(0)) && !isResult(at.at(0))) return 0;
    row.kind = PlanRow::Kind::Pair;
    row.controls.emplace_back();
    return valueWithUnit(at, 0, row);
}

// Commands inside a frame stay in it, in a row.
std::size_t commandLine(const Cursor& at, PlanRow& row) {
    if (at.at(0)->kind != Kind::Command) return 0;
    row.kind = PlanRow::Kind::Line;
    std::size_t k = 0;
    for (; at.at(k) && at.at(k)->kind == Kind::Command; ++k)
        row.controls.push_back(at.at(k)->name);
    return k;
}

std::size_t pictureCentred(const Cursor& at, PlanRow& row) {
    if (at.at(0)->kind != Kind::Picture) return 0;
    row.kind = PlanRow::Kind::Centred;
    row.controls.push_back(at.at(0)->name);
    return 1;
}

// Everything else (hints, titles, notes, checks) across the row.
std::size_t single(const Cursor& at, PlanRow& row) {
    row.controls.push_back(at.at(0)->name);
    return 1;
}

struct Rule {
    const char* name;
    std::size_t (*apply)(const Cursor&, PlanRow&);
};

// The rules in the order they are tried; the first that applies makes the row.
constexpr Rule kRules[] = {
    {"option frames side by side", optionFramesSideBySide},
    {"frame", frameRow},
    {"option run", optionRun},
    {"table lines", tableLines},
    {"caption and value", captionAndValue},
    {"value alone", valueAlone},
    {"commands in a frame", commandLine},
    {"picture", pictureCentred},
    {"single", single},
};

std::vector<PlanRow> planRows(const Form& form, const List& list) {
    std::vector<PlanRow> rows;
    for (std::size_t i = 0; i < list.size();) {
        for (const Rule& rule : kRules) {
            PlanRow row;
            const std::size_t used = rule.apply(Cursor{form, list, i}, row);
            if (used == 0) continue;
            row.rule = rule.name;
            rows.push_back(std::move(row));
            i += used;
            break;
        }
    }
    return rows;
}

// A rough height in pixels of a container's rows, enough to tell a short
// column from a tall one.
int estimatedHeight(const LayoutPlan& plan, const std::string& container) {
    int h = 0;
    for (const PlanRow& row : plan.rows(container)) {
        switch (row.kind) {
        case PlanRow::Kind::Options:
            h += 24 * ((static_cast<int>(row.controls.size()) + row.columns - 1) / row.columns);
            break;
        case PlanRow::Kind::Table:
            h += 120;
            break;
        case PlanRow::Kind::Line: {
            int tallest = 32;
            for (const std::string& c : row.controls)
                if (plan.containers.count(c))
                    tallest = std::max(tallest, 30 + estimatedHeight(plan, c));
            h += tallest;
            break;
        }
        case PlanRow::Kind::Single:
            h += plan.containers.count(row.controls.front())
                     ? 30 + estimatedHeight(plan, row.controls.front())
                     : 28;
            break;
        default:
            h += 28;
            break;
        }
    }
    return h;
}

// Whether the row holds something the user fills in or chooses.
bool holdsInput(const Form& form, const LayoutPlan& plan, const PlanRow& row) {
    for (const std::string& name : row.controls) {
        if (name.empty() || !form.hasControl(name)) continue;
        const Control& c = form.control(name);
        if (isField(&c) || c.kind == Kind::Option || c.kind == Kind::Check) return true;
        if (c.kind == Kind::Frame)
            for (const PlanRow& inner : plan.rows(name))
                if (holdsInput(form, plan, inner)) return true;
    }
    return false;
}

const char* kindName(PlanRow::Kind k) {
    switch (k) {
    case PlanRow::Kind::Pair:
        return "Pair";
    case PlanRow::Kind::Single:
        return "Single";
    case PlanRow::Kind::Centred:
        return "Centred";
    case PlanRow::Kind::Options:
        return "Options";
    case PlanRow::Kind::Line:
        return "Line";
    case PlanRow::Kind::Table:
        return "Table";
    case PlanRow::Kind::Drawing:
        return "Drawing";
    }
    return "?";
}

} // namespace

const std::vector<PlanRow>& LayoutPlan::rows(const std::string& container) const {
    static const std::vector<PlanRow> none;
    auto it = containers.find(container);
    return it == containers.end() ? none : it->second;
}

std::string LayoutPlan::describe() const {
    std::string out;
    for (const auto& [container, rows] : containers) {
        for (const PlanRow& row : rows) {
            out +=
                (container.empty() ? std::string("window") : container) + ": " + kindName(row.kind);
            if (row.kind == PlanRow::Kind::Options) out += "(" + std::to_string(row.columns) + ")";
            out += " [";
            for (std::size_t i = 0; i < row.controls.size(); ++i)
                out += (i ? " " : "") + (row.controls[i].empty() ? "-" : row.controls[i]);
            out += "] " + std::string(row.rule) + "\n";
        }
    }
    static const char* places[] = {"none", "beside", "below", "in frame "};
    out += std::string("drawing: ") + places[static_cast<int>(drawing)] + drawingFrame + "\n";
    out += commandsAtBottom ? std::string("commands at the bottom\n")
                            : "commands after row " + std::to_string(commandsAfter) + "\n";
    for (const auto& line : commands) {
        out += "commands:";
        for (const std::string& c : line)
            out += " " + c;
        out += "\n";
    }
    if (!closers.empty()) {
        out += "close:";
        for (const std::string& c : closers)
            out += " " + c;
        out += "\n";
    }
    return out;
}

LayoutPlan planLayout(const Form& form) {
    LayoutPlan plan;
    const Drawing& drawing = form.schematicDrawing();
    for (const Slot& s : drawing.slots())
        if (form.hasControl(s.control)) plan.onDrawing.insert(s.control);

    // Each container's controls in tab order; commands of the window go to the bottom.
    std::map<std::string, List> lists;
    std::vector<std::string> commands;
    lists[""];
    for (const Control& c : form.controls()) {
        if (c.kind == Kind::Timer || plan.onDrawing.count(c.name)) continue;
        if (c.kind == Kind::Frame) lists[c.name];
        if (c.frame.empty() && c.kind == Kind::Command)
            (c.role == Role::Close ? plan.closers : commands).push_back(c.name);
        else
            lists[c.frame].push_back(&c);
    }
    for (const auto& [container, list] : lists)
        plan.containers[container] = planRows(form, list);

    // The drawing: in the frame that holds all its labels and nothing else;
    // else below the column when it is wide, large, or the column is short
    // beside it; else beside the column.
    if (!drawing.empty()) {
        std::set<std::string> frames;
        for (const std::string& c : plan.onDrawing)
            frames.insert(form.control(c).frame);
        if (frames.size() == 1 && !frames.begin()->empty() && plan.rows(*frames.begin()).empty()) {
            plan.drawing = LayoutPlan::DrawingPlace::InFrame;
            plan.drawingFrame = *frames.begin();
            PlanRow row;
            row.kind = PlanRow::Kind::Drawing;
            row.rule = "drawing in the frame of its labels";
            plan.containers[plan.drawingFrame].push_back(row);
        } else {
            const bool wide =
                drawing.width() >= 2 * drawing.height() || drawing.width() > kLargestDrawingBeside;
            const bool shortColumn = estimatedHeight(plan, "") < drawing.height() / 2;
            plan.drawing = wide || shortColumn ? LayoutPlan::DrawingPlace::Below
                                               : LayoutPlan::DrawingPlace::Beside;
        }
    }

    const std::vector<PlanRow>& column = plan.rows("");
    plan.commandsAfter = column.size();
    plan.commandsAtBottom = true;
    for (std::size_t i = column.size(); i > 0; --i)
        if (holdsInput(form, plan, column[i - 1])) {
            plan.commandsAfter = i;
            plan.commandsAtBottom = false;
            break;
        }
    for (std::size_t i = 0; i < commands.size(); i += kCommandsPerRow)
        plan.commands.emplace_back(
            commands.begin() + static_cast<long>(i),
            commands.begin() + static_cast<long>(std::min(commands.size(), i + kCommandsPerRow)));
    return plan;
}

} // namespace etero::qt
