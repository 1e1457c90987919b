#include "form.h"

#include "shell/app/app.h"
#include "shell/number/fault.h"
#include "shell/number/number.h"

namespace etero {

// ---------------------------------------------------------------- design --

void Form::build() {
    controls_.clear();
    index_.clear();
    opening_.clear();
    currentFrame_.clear();
    focused_.clear();
    drawing_ = Drawing();
    optionHandlers_.clear();
    changeHandlers_.clear();
    clickHandlers_.clear();
    blankOnChange_.clear();
    hideOnChange_.clear();
    closers_.clear();
    printers_.clear();
    caption_.clear();
    geometry_ = Twips{1200, 1200, 7200, 5400};
    geometryFixed_ = positionFixed_ = sizeFixed_ = false;
    absoluteLayout_ = false;
    design();
    load();
    for (const Control& c : controls_)
        opening_.emplace_back(c.caption, c.text);
}

Control& Form::add(const std::string& name, Kind kind, std::string caption) {
    if (index_.count(name))
        throw UnknownControl(name_ + ": control " + name + " is described twice");
    Control c;
    c.name = name;
    c.kind = kind;
    c.caption = std::move(caption);
    // Labels, frames, pictures and timers never take the focus.
    c.tabStop = kind == Kind::Text || kind == Kind::Command || kind == Kind::Option ||
                kind == Kind::Check || kind == Kind::Combo;
    if (kind != Kind::Frame) c.frame = currentFrame_;
    index_[name] = controls_.size();
    controls_.push_back(std::move(c));
    return controls_.back();
}

void Form::windowPlace(int left, int top, int width, int height) {
    geometry_ = Twips{left, top, width, height};
    geometryFixed_ = positionFixed_ = sizeFixed_ = true;
}

void Form::windowSize(int width, int height) {
    geometry_.width = width;
    geometry_.height = height;
    geometryFixed_ = sizeFixed_ = true;
}

Control& Form::frame(const std::string& name, std::string caption) {
    Control& f = add(name, Kind::Frame, std::move(caption));
    currentFrame_ = name;
    return f;
}

Control& Form::option(const std::string& group, int index, std::string caption) {
    Control& c = add(controlName(group, index), Kind::Option, std::move(caption));
    c.group = group;
    c.index = index;
    return c;
}

Control& Form::option(const std::string& name, std::string caption) {
    Control& c = add(name, Kind::Option, std::move(caption));
    c.group = name;
    return c;
}

void Form::options(const std::string& group, int first, const std::vector<std::string>& captions) {
    for (std::size_t i = 0; i < captions.size(); ++i)
        option(group, first + static_cast<int>(i), captions[i]);
}

Control& Form::input(const std::string& name, std::string tooltip) {
    return add(name, Kind::Text).as(Role::Input).tip(std::move(tooltip));
}

Control& Form::field(const std::string& labelName, std::string labelCaption,
                     const std::string& textName, std::string tooltip) {
    Control& l = label(labelName, std::move(labelCaption)).as(Role::Caption);
    l.buddy = textName;
    Control& t = input(textName, std::move(tooltip));
    t.buddy = labelName;
    return t;
}

Control& Form::label(const std::string& name, std::string caption) {
    return add(name, Kind::Label, std::move(caption));
}

Control& Form::result(const std::string& name, std::string caption) {
    return label(name, std::move(caption)).as(Role::Result);
}

Control& Form::check(const std::string& name, std::string caption) {
    return add(name, Kind::Check, std::move(caption));
}

Control& Form::combo(const std::string& name, std::vector<std::string> items) {
    Control& c = add(name, Kind::Combo);
    c.items = std::move(items);
    return c;
}

Control& Form::picture(const std::string& name, std::string pictureId) {
    Control& c = add(name, Kind::Picture);
    c.picture = std::move(pictureId);
    return c;
}

Control& Form::picture(const std::string& name, Drawing art) {
    Control& c = add(name, Kind::Picture);
    c.art = std::make_shared<const Drawing>(std::move(art));
    return c;
}

Control& Form::command(const std::string& name, std::string caption,
                       std::function<void()> onClick) {
    Control& c = add(name, Kind::Command, std::move(caption));
    if (onClick) clickHandlers_[name] = std::move(onClick);
    return c;
}

Control& Form::closeCommand(const std::string& name, std::string caption) {
    closers_.insert(name);
    return command(name, std::move(caption), nullptr).as(Role::Close);
}

Control& Form::printCommand(const std::string& name, std::string caption) {
    printers_.insert(name);
    return command(name, std::move(caption), nullptr);
}

Control& Form::timer(const std::string& name) {
    return add(name, Kind::Timer).hidden();
}

Drawing& Form::drawing(double width, double height) {
    drawing_ = Drawing(width, height);
    return drawing_;
}

void Form::onOption(const std::string& group, std::function<void(int)> handler) {
    optionHandlers_[group] = std::move(handler);
}
void Form::onChange(const std::string& textName, std::function<void()> handler) {
    control(textName);
    changeHandlers_[textName] = std::move(handler);
}
void Form::onSelect(const std::string& comboName, std::function<void()> handler) {
    control(comboName);
    clickHandlers_[comboName] = std::move(handler);
}
void Form::onClick(const std::string& name, std::function<void()> handler) {
    control(name);
    clickHandlers_[name] = std::move(handler);
}
void Form::blankOnInputChange(std::vector<std::string> names) {
    for (auto& n : names)
        control(n);
    blankOnChange_ = std::move(names);
}
void Form::hideOnInputChange(std::vector<std::string> names) {
    for (auto& n : names)
        control(n);
    hideOnChange_ = std::move(names);
}

// ---------------------------------------------------------------- lookup --

Control& Form::control(const std::string& name) {
    auto it = index_.find(name);
    if (it == index_.end()) throw UnknownControl(name_ + " has no control " + name);
    return controls_[it->second];
}

const Control& Form::control(const std::string& name) const {
    auto it = index_.find(name);
    if (it == index_.end()) throw UnknownControl(name_ + " has no control " + name);
    return controls_[it->second];
}

const std::string& Form::openingCaption(const std::string& name) const {
    control(name);
    return opening_.at(index_.at(name)).first;
}

const std::string& Form::openingText(const std::string& name) const {
    control(name);
    return opening_.at(index_.at(name)).second;
}

std::string Form::firstFocusable() const {
    for (const Control& c : controls_) {
        if (!c.canTakeFocus()) continue;
        if (!c.frame.empty() && !control(c.frame).visible) continue;
        return c.name;
    }
    return {};
}

App& Form::app() const {
    if (!app_) throw std::logic_error(name_ + " is not attached to the program");
    return *app_;
}

// --------------------------------------------------------- user events --

void Form::userSetText(const std::string& name, const std::string& value) {
    Control& c = control(name);
    if (c.kind != Kind::Text && c.kind != Kind::Combo)
        throw UnknownControl(name_ + "." + name + " is not a text field");
    focused_ = name;
    if (c.text == value) return;
    c.text = value;
    inputChanged(name);
}

void Form::userClick(const std::string& name) {
    Control& c = control(name);
    switch (c.kind) {
    case Kind::Command:
        focused_ = name;
        if (closers_.count(name)) return close();
        if (printers_.count(name)) return print();
        break;
    case Kind::Option:
        focused_ = name;
        return optionClicked(c);
    case Kind::Check:
        focused_ = name;
        effect();
        c.value = !c.value;
        break;
    case Kind::Text:
    case Kind::Combo:
        focused_ = name;
        break;
    default:
        break;
    }
    if (auto it = clickHandlers_.find(name); it != clickHandlers_.end() && c.kind != Kind::Combo)
        it->second();
}

void Form::userSelect(const std::string& name, int index) {
    Control& c = control(name);
    if (c.kind != Kind::Combo) throw UnknownControl(name_ + "." + name + " is not a list");
    if (index < 0 || index >= static_cast<int>(c.items.size()))
        throw UnknownControl(name_ + "." + name + " has no item " + std::to_string(index));
    focused_ = name;
    c.listIndex = index;
    c.text = c.items[static_cast<std::size_t>(index)];
    if (auto it = clickHandlers_.find(name); it != clickHandlers_.end()) it->second();
}

void Form::userFocus(const std::string& name) {
    Control& c = control(name);
    focused_ = name;
    if (c.kind == Kind::Option && !c.value) optionClicked(c);
}

bool Form::hasClickReaction(const std::string& name) const {
    const Control& c = control(name);
    return clickHandlers_.count(name) || closers_.count(name) || printers_.count(name) ||
           c.kind == Kind::Option || c.kind == Kind::Check;
}

void Form::optionClicked(Control& c) {
    effect();
    for (Control& o : controls_)
        if (o.kind == Kind::Option && o.group == c.group) o.value = false;
    c.value = true;
    if (auto it = optionHandlers_.find(c.group); it != optionHandlers_.end())
        it->second(c.index);
    else if (auto ct = clickHandlers_.find(c.name); ct != clickHandlers_.end())
        ct->second();
}

void Form::inputChanged(const std::string& name) {
    if (control(name).kind == Kind::Text) {
        for (const auto& n : blankOnChange_)
            caption(n, "");
        for (const auto& n : hideOnChange_)
            hide(n);
    }
    if (auto it = changeHandlers_.find(name); it != changeHandlers_.end()) it->second();
}

// ------------------------------------------------------ handlers' view --

void Form::effect() {
    checkFaultFlags();
}

std::string Form::text(const std::string& name) const {
    return control(name).text;
}

void Form::text(const std::string& name, const std::string& value) {
    effect();
    Control& c = control(name);
    if (c.text == value) return;
    c.text = value;
    inputChanged(name);
}

double Form::num(const std::string& name) const {
    return parseLeading(control(name).text);
}

std::string Form::caption(const std::string& name) const {
    return control(name).caption;
}

void Form::caption(const std::string& name, const std::string& value) {
    effect();
    control(name).caption = value;
}

void Form::blank(const std::vector<std::string>& names) {
    for (const auto& n : names)
        caption(n, "");
}

void Form::show(const std::string& name, bool isVisible) {
    effect();
    control(name).visible = isVisible;
}

void Form::showAll(const std::vector<std::string>& names, bool isVisible) {
    for (const auto& n : names)
        show(n, isVisible);
}

bool Form::visible(const std::string& name) const {
    return control(name).visible;
}

void Form::enable(const std::string& name, bool isEnabled) {
    effect();
    control(name).enabled = isEnabled;
}

void Form::forecolor(const std::string& name, Rgb color) {
    effect();
    control(name).forecolor = color;
}

void Form::backcolor(const std::string& name, Rgb color) {
    effect();
    control(name).backcolor = color;
}

void Form::tooltip(const std::string& name, const std::string& value) {
    effect();
    control(name).tooltip = value;
}

int Form::selected(const std::string& group) const {
    bool found = false;
    for (const Control& c : controls_) {
        if (c.kind != Kind::Option || c.group != group) continue;
        found = true;
        if (c.value) return c.index;
    }
    if (!found) throw UnknownControl(name_ + " has no option group " + group);
    return -1;
}

bool Form::isOn(const std::string& name) const {
    return control(name).value;
}

void Form::setOn(const std::string& name, bool on) {
    effect();
    Control& c = control(name);
    if (c.value == on) return;
    if (c.kind == Kind::Option) {
        if (on) return optionClicked(c);
        c.value = false;
        return;
    }
    c.value = on;
    if (auto it = clickHandlers_.find(name); it != clickHandlers_.end()) it->second();
}

int Form::listIndex(const std::string& name) const {
    return control(name).listIndex;
}

void Form::listItems(const std::string& name, std::vector<std::string> items) {
    effect();
    Control& c = control(name);
    c.items = std::move(items);
    c.listIndex = -1;
}

void Form::listIndex(const std::string& name, int index) {
    effect();
    Control& c = control(name);
    if (index < -1 || index >= static_cast<int>(c.items.size()))
        throw UnknownControl(name_ + "." + name + " has no item " + std::to_string(index));
    if (c.listIndex == index) return;
    c.listIndex = index;
    c.text = index < 0 ? std::string() : c.items[static_cast<std::size_t>(index)];
    if (auto it = clickHandlers_.find(name); it != clickHandlers_.end()) it->second();
}

void Form::message(const std::string& text, const std::string& title, Icon icon) {
    effect();
    app().message(*this, Message{text, title, icon});
}

void Form::missingData(const std::string& focusField) {
    message(kMissingData, kErrorTitle, Icon::Exclamation);
    focus(focusField);
}

void Form::focus(const std::string& name) {
    effect();
    control(name);
    focused_ = name;
    app().focused(*this, name);
}

void Form::openForm(const std::string& form, Mode mode) {
    effect();
    app().open(form, mode);
}

void Form::closeForm(const std::string& form) {
    effect();
    if (app().isOpen(form)) app().close(form);
}

void Form::close() {
    effect();
    if (open_) app().close(name_);
}

void Form::print() {
    effect();
    app().print(*this);
}

void Form::moveWindow(int left, int top) {
    effect();
    geometry_.left = left;
    geometry_.top = top;
    geometryFixed_ = positionFixed_ = true;
}

void Form::resizeWindow(int width, int height) {
    effect();
    geometry_.width = width;
    geometry_.height = height;
    geometryFixed_ = sizeFixed_ = true;
}

void Form::openBeside(const std::string& form, int left, int top) {
    moveWindow(left, top);
    openForm(form, Mode::Modeless);
}

void Form::openBeside(const std::string& form, int left, int top, int otherLeft, int otherTop) {
    moveWindow(left, top);
    moveForm(form, otherLeft, otherTop);
    openForm(form, Mode::Modeless);
}

void Form::moveForm(const std::string& form, int left, int top) {
    effect();
    app().placeForm(form, left, top);
}

} // namespace etero
