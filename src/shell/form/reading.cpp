#include "reading.h"

#include <set>
#include <vector>

namespace etero {

bool isValue(const Control& c) {
    return c.kind == Kind::Text || c.kind == Kind::Combo ||
           (c.kind == Kind::Label && c.role == Role::Result);
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text without the blanks around it.
std::string trimmed(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

// A caption as a spoken name: runs of blanks and line breaks become one
// blank, and a closing ':' or '=' goes ("RESISTENZA :" is "RESISTENZA").
std::string spoken(const std::string& s) {
    std::string out;
    bool gap = false;
    for (char c : trimmed(s)) {
        if (isBlank(c)) {
            gap = true;
            continue;
        }
        if (gap) out += ' ';
        gap = false;
        out += c;
    }
    while (!out.empty() && (out.back() == ':' || out.back() == '=' || out.back() == ' '))
        out.pop_back();
    return out;
}

void append(std::string& name, const std::string& part, const char* separator) {
    if (part.empty()) return;
    if (!name.empty()) name += separator;
    name += part;
}

bool isLabel(const Control* c, Role role) {
    return c && c->kind == Kind::Label && c->role == role;
}

bool isResult(const Control* c) {
    return isLabel(c, Role::Result);
}

// A caption label that belongs to no field.
bool isFreeCaption(const Control* c) {
    return isLabel(c, Role::Caption) && c->buddy.empty();
}

// A value that a caption just before it names, though the design did not pair them.
bool isFreeValue(const Control* c) {
    return c &&
           (isResult(c) || ((c->kind == Kind::Text || c->kind == Kind::Combo) && c->buddy.empty()));
}

// The control `step` places before (negative) or after `c` in tab order,
// in the same frame; timers, which the window does not show, are skipped.
const Control* neighbour(const Form& form, const Control& c, int step) {
    const auto& list = form.controls();
    std::size_t i = 0;
    while (i < list.size() && &list[i] != &c)
        ++i;
    if (i == list.size()) return nullptr;
    for (long k = static_cast<long>(i) + step; k >= 0 && k < static_cast<long>(list.size());
         k += step) {
        const Control& n = list[static_cast<std::size_t>(k)];
        if (n.kind == Kind::Timer) continue;
        return n.frame == c.frame ? &n : nullptr;
    }
    return nullptr;
}

bool sameRow(const Twips& a, const Twips& b) {
    return a.top < b.top + b.height && b.top < a.top + a.height;
}

bool sameColumn(const Twips& a, const Twips& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width;
}

// A place in a window laid out in twips; frames' places are window
// coordinates like the others', so controls of different frames compare.
const Twips* placeOf(const Form& form, const Control& c) {
    return form.absoluteLayout() && c.place ? &*c.place : nullptr;
}

// The nearest free caption left of `at` on its row.
const Control* captionLeftOf(const Form& form, const Control& value) {
    const Twips* at = placeOf(form, value);
    if (!at) return nullptr;
    const Control* best = nullptr;
    for (const Control& c : form.controls()) {
        const Twips* p = placeOf(form, c);
        if (!p || !isFreeCaption(&c) || !sameRow(*p, *at) ||
            p->left + p->width > at->left + 2 * kTwipsPerPixel)
            continue;
        if (!best || p->left + p->width > best->place->left + best->place->width) best = &c;
    }
    return best;
}

// The label just after a value that names no value of its own: its unit.
// In twips, only a label on the same row, right of the value.
const Control* unitAfter(const Form& form, const Control& value) {
    const Control* after = neighbour(form, value, 1);
    // A caption followed by a value, or by a table's line, names that instead.
    const Control* next = after ? neighbour(form, *after, 1) : nullptr;
    if (!after || after->kind != Kind::Label || !after->buddy.empty() || isFreeValue(next) ||
        isLabel(next, Role::TableRow))
        return nullptr;
    const Twips* at = placeOf(form, value);
    if (!at) return after->role == Role::Caption ? after : nullptr;
    const Twips* p = placeOf(form, *after);
    const bool beside =
        p && sameRow(*p, *at) && p->left >= at->left + at->width - 2 * kTwipsPerPixel;
    return beside && (after->role == Role::Caption || after->role == Role::Auto) ? after : nullptr;
}

// In twips, the heading of a value's column: the caption right above it,
// or above the values of its row captioned the same way stacked over it
// ("GRADI" over the field of the row "LONGITUDINE" and over the one of
// "LATITUDINE" below). A caption that names a value on its own row, or is
// its unit, heads nothing.
const Control* headingAbove(const Form& form, const Control& value) {
    const Twips* at = placeOf(form, value);
    if (!at) return nullptr;
    const Control* above = nullptr;
    for (const Control& c : form.controls()) {
        const Twips* p = placeOf(form, c);
        if (!p || &c == &value || !sameColumn(*p, *at) || p->top >= at->top ||
            p->top + p->height > at->top + 2 * kTwipsPerPixel)
            continue;
        if (!above || p->top + p->height > above->place->top + above->place->height) above = &c;
    }
    if (!above) return nullptr;
    if (isValue(*above))
        return above->buddy.empty() && captionLeftOf(form, *above) ? headingAbove(form, *above)
                                                                   : nullptr;
    if (!isFreeCaption(above)) return nullptr;
    for (const Control& v : form.controls())
        if (isValue(v) && (captionLeftOf(form, v) == above || unitAfter(form, v) == above))
            return nullptr;
    return above;
}

// Shown: visible, in a visible frame (if any).
bool shown(const Form& form, const Control& c) {
    if (!c.visible) return false;
    return c.frame.empty() || !form.hasControl(c.frame) || form.control(c.frame).visible;
}

// The piece of a caption the copy shows: its text, if the label is shown.
std::string shownCaption(const Form& form, const Control* label) {
    return label && shown(form, *label) ? trimmed(label->caption) : std::string();
}

bool hasLetter(const std::string& s) {
    for (char ch : s)
        if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch & 0x80)) return true;
    return false;
}

// "CAPTION: value unit"; no ':' of ours after a caption that ends in one.
std::string line(const std::string& caption, const std::string& value, const std::string& unit) {
    std::string out = caption;
    if (!out.empty() && !value.empty()) out += out.back() == ':' || out.back() == '=' ? " " : ": ";
    out += value;
    append(out, unit, " ");
    return out;
}

} // namespace

ValueLabels labelsOf(const Form& form, const Control& value) {
    ValueLabels labels;
    if (!isValue(value)) return labels;
    if (!value.buddy.empty() && form.hasControl(value.buddy))
        labels.caption = &form.control(value.buddy);
    if (placeOf(form, value)) {
        // Laid out in twips: the design's places say what stands beside what.
        if (!labels.caption) {
            labels.caption = captionLeftOf(form, value);
            if (labels.caption) labels.heading = headingAbove(form, value);
        }
    } else if (!labels.caption) {
        const Control* before = neighbour(form, value, -1);
        if (isFreeCaption(before)) labels.caption = before;
    }
    labels.unit = unitAfter(form, value);
    return labels;
}

std::string accessibleName(const Form& form, const Control& c) {
    std::string name;
    switch (c.kind) {
    case Kind::Text:
    case Kind::Combo: {
        const ValueLabels l = labelsOf(form, c);
        for (const Control* part : {l.caption, l.heading, l.unit})
            if (part) append(name, spoken(part->caption), ", ");
        // A list names itself by its prompt, the text it showed before a choice.
        if (name.empty() && c.kind == Kind::Combo) name = spoken(form.openingText(c.name));
        break;
    }
    case Kind::Label: {
        if (!isResult(&c)) return {};
        const ValueLabels l = labelsOf(form, c);
        for (const Control* part : {l.caption, l.heading})
            if (part) append(name, spoken(part->caption), ", ");
        append(name, trimmed(c.caption), ": ");
        if (l.unit) append(name, spoken(l.unit->caption), trimmed(c.caption).empty() ? ", " : " ");
        return name;
    }
    case Kind::Option:
    case Kind::Check:
    case Kind::Command:
        name = spoken(withoutAccessKey(c.caption));
        break;
    case Kind::Picture:
        break;
    case Kind::Frame:
    case Kind::Timer:
        return {};
    }
    if (name.empty()) name = spoken(c.tooltip);
    // A close command drawn only as a picture says what it does.
    if (name.empty() && c.role == Role::Close) name = "CHIUDI";
    return name;
}

std::string copyText(const Form& form) {
    std::vector<std::string> lines;
    if (const std::string caption = trimmed(form.windowCaption()); !caption.empty())
        lines.push_back(caption);

    // Labels that name a value are copied with it, not on their own.
    std::set<const Control*> naming;
    for (const Control& c : form.controls()) {
        const ValueLabels l = labelsOf(form, c);
        naming.insert({l.caption, l.heading, l.unit});
    }

    for (const Control& c : form.controls()) {
        if (!shown(form, c)) continue;
        switch (c.kind) {
        case Kind::Option:
        case Kind::Check: {
            if (!c.value) break;
            const std::string caption = trimmed(withoutAccessKey(c.caption));
            const std::string frame = !c.frame.empty() && form.hasControl(c.frame)
                                          ? trimmed(form.control(c.frame).caption)
                                          : std::string();
            lines.push_back(line(frame, caption, ""));
            break;
        }
        case Kind::Text:
        case Kind::Combo:
        case Kind::Label: {
            if (c.kind == Kind::Combo && c.listIndex < 0) break;
            const std::string value = trimmed(c.kind == Kind::Label ? c.caption : c.text);
            if (value.empty()) break;
            if (c.kind == Kind::Label && !isResult(&c)) {
                // Another label shows a result when the calculator wrote it; what
                // it showed before names it ("R" on a drawing, then "2").
                const std::string& before = form.openingCaption(c.name);
                if (c.caption == before || naming.count(&c) || c.role == Role::Caption ||
                    c.role == Role::Hint || c.role == Role::Title)
                    break;
                lines.push_back(line(hasLetter(before) ? trimmed(before) : "", value, ""));
                break;
            }
            const ValueLabels l = labelsOf(form, c);
            std::string caption = shownCaption(form, l.caption);
            append(caption, shownCaption(form, l.heading), ", ");
            // A list without a label is named by the prompt it showed before a choice.
            if (caption.empty() && c.kind == Kind::Combo)
                caption = trimmed(form.openingText(c.name));
            lines.push_back(line(caption, value, shownCaption(form, l.unit)));
            break;
        }
        default:
            break;
        }
    }
    std::string text;
    for (const std::string& l : lines)
        append(text, l, "\n");
    return text;
}

} // namespace etero
