#include "script.h"

#include "json.h"
#include "shell/app/catalogue.h"
#include "shell/app/registry.h"
#include "shell/app/search.h"

#include <cstdio>
#include <istream>
#include <ostream>
#include <stdexcept>

namespace etero {

namespace {

class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

std::string colour(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return buf;
}

json::Object event(const char* name) {
    json::Object o;
    o.add("event", name);
    return o;
}

// Reads the words of a script line: bare words, JSON strings, and F.C
// references whose control part may be a JSON string (a caption).
class Reader {
  public:
    explicit Reader(const std::string& text) : t_(text) {}

    bool atEnd() {
        skip();
        return p_ >= t_.size();
    }

    std::string word() {
        skip();
        const std::size_t start = p_;
        while (p_ < t_.size() && t_[p_] != ' ' && t_[p_] != '\t')
            ++p_;
        if (start == p_) throw ScriptError("missing argument");
        return t_.substr(start, p_ - start);
    }

    std::string string() {
        skip();
        if (p_ >= t_.size() || t_[p_] != '"') throw ScriptError("expected a JSON string");
        try {
            return json::readString(t_, p_);
        } catch (const std::runtime_error& e) {
            throw ScriptError(e.what());
        }
    }

    int integer() {
        const std::string w = word();
        try {
            std::size_t used = 0;
            const int v = std::stoi(w, &used);
            if (used != w.size()) throw std::invalid_argument(w);
            return v;
        } catch (const std::exception&) {
            throw ScriptError("expected a whole number, not " + w);
        }
    }

    // F.C: the form name, and the control as a name or as a quoted caption.
    struct Ref {
        std::string form, control;
        bool byCaption = false;
    };
    Ref ref() {
        skip();
        const std::size_t dot = t_.find('.', p_);
        const std::size_t space = t_.find_first_of(" \t", p_);
        if (dot == std::string::npos || (space != std::string::npos && dot > space))
            throw ScriptError("expected FORM.CONTROL");
        Ref r;
        r.form = t_.substr(p_, dot - p_);
        p_ = dot + 1;
        if (p_ < t_.size() && t_[p_] == '"') {
            r.control = string();
            r.byCaption = true;
        } else {
            r.control = word();
        }
        return r;
    }

    // The rest of the line: a JSON string, or the bare text as it stands.
    std::string text() {
        skip();
        if (p_ < t_.size() && t_[p_] == '"') {
            std::string s = string();
            end();
            return s;
        }
        std::size_t e = t_.size();
        while (e > p_ && (t_[e - 1] == ' ' || t_[e - 1] == '\t' || t_[e - 1] == '\r'))
            --e;
        if (e == p_) throw ScriptError("missing argument");
        std::string s = t_.substr(p_, e - p_);
        p_ = t_.size();
        return s;
    }

    void end() {
        if (!atEnd()) throw ScriptError("unexpected text after the command: " + t_.substr(p_));
    }

  private:
    void skip() {
        while (p_ < t_.size() && (t_[p_] == ' ' || t_[p_] == '\t' || t_[p_] == '\r'))
            ++p_;
    }
    std::string t_;
    std::size_t p_ = 0;
};

} // namespace

// ------------------------------------------------------------- the host --

void HeadlessHost::emit(const std::string& line) {
    out_ << line << '\n';
    out_.flush();
}

void HeadlessHost::opened(Form& form, Mode mode) {
    emit(event("open").add("form", form.name()).add("mode", modeName(mode)).str());
}
void HeadlessHost::front(Form& form) {
    emit(event("front").add("form", form.name()).str());
}
void HeadlessHost::closed(Form& form) {
    emit(event("close").add("form", form.name()).str());
}
void HeadlessHost::message(Form& form, const Message& m) {
    emit(event("message")
             .add("form", form.name())
             .add("text", m.text)
             .add("title", m.title.empty() ? std::string(kProgramName) : m.title)
             .add("icon", iconName(m.icon))
             .str());
}
void HeadlessHost::focused(Form& form, const std::string& control) {
    emit(event("focus").add("form", form.name()).add("control", control).str());
}
void HeadlessHost::fault(Form& form, const std::string& what) {
    emit(event("fault").add("form", form.name()).add("what", what).str());
}
void HeadlessHost::ignored(Form& form, const std::string& reason) {
    emit(event("ignored").add("form", form.name()).add("reason", reason).str());
}
void HeadlessHost::print(Form& form) {
    emit(event("print").add("form", form.name()).str());
}
void HeadlessHost::ended() {
    emit(event("end").str());
}

// ----------------------------------------------------------------- dump --

std::string dumpControl(const Control& c) {
    json::Object o;
    o.add("name", c.name).add("kind", kindName(c.kind));
    switch (c.kind) {
    case Kind::Label:
    case Kind::Command:
    case Kind::Option:
    case Kind::Check:
    case Kind::Frame:
        o.add("caption", c.caption);
        break;
    case Kind::Text:
    case Kind::Combo:
        o.add("text", c.text);
        break;
    default:
        break;
    }
    o.add("visible", c.visible).add("enabled", c.enabled);
    if (c.kind == Kind::Option || c.kind == Kind::Check) o.add("value", c.value);
    if (c.kind == Kind::Combo) {
        std::string items = "[";
        for (std::size_t i = 0; i < c.items.size(); ++i)
            items += (i ? "," : "") + json::quote(c.items[i]);
        items += "]";
        o.addRaw("items", items).add("index", c.listIndex);
    }
    if (c.kind != Kind::Timer) o.add("tooltip", c.tooltip).add("forecolor", colour(c.forecolor));
    return o.str();
}

std::string dumpForm(const Form& form) {
    std::string controls = "[";
    bool first = true;
    for (const Control& c : form.controls()) {
        if (!first) controls += ",";
        first = false;
        controls += dumpControl(c);
    }
    controls += "]";
    const Twips& g = form.geometry();
    return event("dump")
        .add("form", form.name())
        .add("caption", form.windowCaption())
        .add("left", g.left)
        .add("top", g.top)
        .add("width", g.width)
        .add("height", g.height)
        .addRaw("controls", controls)
        .str();
}

// --------------------------------------------------------------- runner --

ScriptRunner::ScriptRunner(std::ostream& out)
    : host_(out), app_(host_), commands_(app_, [this](const std::string& l) { host_.emit(l); }) {
    app_.start();
}

int ScriptCommands::run(std::istream& in) {
    std::string text;
    int number = 0;
    while (std::getline(in, text))
        line(text, ++number);
    return failed_ ? 2 : 0;
}

bool ScriptCommands::line(const std::string& text, int number) {
    std::size_t start = text.find_first_not_of(" \t\r");
    if (start == std::string::npos || text[start] == '#') return true;
    try {
        // Every word of a line may be echoed in the output, which must stay
        // valid UTF-8: a line with malformed bytes is refused as a whole.
        if (!json::validUtf8(text)) throw ScriptError("the line is not valid UTF-8");
        command(text.substr(start));
        return true;
    } catch (const std::exception& e) {
        failed_ = true;
        emit_(event("error").add("line", number).add("what", e.what()).str());
        return false;
    }
}

namespace {
// The control a reference names: by name, or the one visible control whose
// caption (access-key marker not counted) is the quoted text.
std::string resolve(Form& form, const Reader::Ref& r) {
    if (!r.byCaption) {
        form.control(r.control);
        return r.control;
    }
    std::string found;
    int count = 0;
    for (const Control& c : form.controls())
        if (c.visible && withoutAccessKey(c.caption) == r.control) {
            found = c.name;
            ++count;
        }
    if (count == 0)
        throw ScriptError(form.name() + " has no visible control captioned \"" + r.control + "\"");
    if (count > 1)
        throw ScriptError(form.name() + " has several visible controls captioned \"" + r.control +
                          "\"");
    return found;
}
} // namespace

void ScriptCommands::command(const std::string& text) {
    Reader in(text);
    const std::string cmd = in.word();
    if (cmd == "menu") {
        const int n = in.integer();
        in.end();
        app_.menu(n);
    } else if (cmd == "open") {
        const std::string form = in.word();
        const std::string mode = in.word();
        in.end();
        if (mode != "modal" && mode != "modeless")
            throw ScriptError("mode must be modal or modeless");
        if (app_.ended()) throw ScriptError("the program has ended");
        app_.open(form, mode == "modal" ? Mode::Modal : Mode::Modeless);
    } else if (cmd == "set" || cmd == "type") {
        const Reader::Ref r = in.ref();
        const std::string value = in.string();
        in.end();
        Form& form = app_.openedForm(r.form);
        const std::string control = resolve(form, r);
        if (cmd == "set")
            app_.setText(r.form, control, value);
        else
            app_.typeText(r.form, control, value);
    } else if (cmd == "click" || cmd == "focus") {
        const Reader::Ref r = in.ref();
        in.end();
        const std::string control = resolve(app_.openedForm(r.form), r);
        if (cmd == "click")
            app_.click(r.form, control);
        else
            app_.focus(r.form, control);
    } else if (cmd == "select") {
        const Reader::Ref r = in.ref();
        const int n = in.integer();
        in.end();
        app_.select(r.form, resolve(app_.openedForm(r.form), r), n);
    } else if (cmd == "close") {
        const std::string form = in.word();
        in.end();
        app_.closeBox(form);
    } else if (cmd == "tick") {
        const int n = in.atEnd() ? 1 : in.integer();
        in.end();
        if (n < 0) throw ScriptError("tick count must not be negative");
        app_.tick(n);
    } else if (cmd == "dump") {
        const std::string form = in.word();
        in.end();
        Form& dumped = app_.openedForm(form);
        emit_(dumpForm(dumped));
        if (onDump) onDump(dumped);
    } else if (cmd == "windows") {
        in.end();
        std::string list = "[";
        bool first = true;
        for (const OpenWindow& w : app_.windows()) {
            if (!first) list += ",";
            first = false;
            list += json::Object().add("form", w.form->name()).add("mode", modeName(w.mode)).str();
        }
        emit_(event("windows").addRaw("windows", list + "]").str());
    } else if (cmd == "forms") {
        in.end();
        std::string list =
            "[" + json::Object().add("form", kMainWindow).add("implemented", true).str();
        for (const std::string& f : allForms())
            list += "," + json::Object().add("form", f).add("implemented", isRegistered(f)).str();
        emit_(event("forms").addRaw("forms", list + "]").str());
    } else if (cmd == "menus") {
        in.end();
        std::string list = "[";
        bool first = true;
        for (const MenuEntry& e : menuCatalogue()) {
            if (!first) list += ",";
            first = false;
            json::Object o;
            o.add("number", e.number)
                .add("level", e.level)
                .add("caption", e.caption)
                .add("control", e.control);
            if (e.isLeaf())
                o.add("form", e.form).add("mode", modeName(e.mode));
            else
                o.addNull("form").addNull("mode");
            list += o.str();
        }
        emit_(event("menus").addRaw("entries", list + "]").str());
    } else if (cmd == "find") {
        const std::string searched = in.text();
        std::string list = "[";
        bool first = true;
        for (const SearchMatch& m : findCalculators(searched)) {
            if (!first) list += ",";
            first = false;
            list += json::Object()
                        .add("number", m.entry->number)
                        .add("caption", m.entry->caption)
                        .add("path", m.path)
                        .add("form", m.entry->form)
                        .add("mode", modeName(m.entry->mode))
                        .str();
        }
        emit_(event("find").add("text", searched).addRaw("matches", list + "]").str());
    } else if (cmd == "copy") {
        const std::string form = in.word();
        in.end();
        if (app_.ended()) throw ScriptError("the program has ended");
        if (const auto copied = app_.copyResults(form))
            emit_(event("copy").add("form", form).add("text", *copied).str());
    } else {
        throw ScriptError("unknown command " + cmd);
    }
}

} // namespace etero
