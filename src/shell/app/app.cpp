#include "app.h"

#include "catalogue.h"
#include "mainwindow.h"
#include "registry.h"
#include "shell/form/reading.h"
#include "shell/number/fault.h"

#include <algorithm>
#include <cfenv>

namespace etero {

namespace {

// The Italian message shown when an arithmetic fault abandons a handler.
Message faultMessage(const std::string& what) {
    return Message{"IMPOSSIBILE COMPLETARE IL CALCOLO: " + what +
                       ".\nCONTROLLARE I DATI INSERITI E RIPETERE IL CALCOLO.",
                   kErrorTitle, Icon::Critical};
}

// Splits UTF-8 text into its characters, so that typing sends one change per character.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t n = b < 0x80           ? 1
                        : (b >> 5) == 0x6  ? 2
                        : (b >> 4) == 0xE  ? 3
                        : (b >> 3) == 0x1E ? 4
                                           : 1;
        n = std::min(n, text.size() - i);
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

} // namespace

App::App(Host& host) : host_(host) {}
App::~App() = default;

void App::start() {
    if (started_) return;
    started_ = true;
    open(kMainWindow, Mode::Modeless);
}

Form& App::instanceOf(const std::string& name) {
    auto it = instances_.find(name);
    if (it != instances_.end()) return *it->second;
    std::unique_ptr<Form> form =
        name == kMainWindow ? std::make_unique<MainWindow>() : createForm(name);
    form->attach(this);
    Form& ref = *form;
    instances_.emplace(name, std::move(form));
    return ref;
}

Form* App::instance(const std::string& name) {
    auto it = instances_.find(name);
    return it == instances_.end() ? nullptr : it->second.get();
}

bool App::isOpen(const std::string& name) const {
    return std::any_of(stack_.begin(), stack_.end(),
                       [&](const OpenWindow& w) { return w.form->name() == name; });
}

Form& App::openedForm(const std::string& name) {
    if (ended_) throw UsageError("the program has ended");
    for (const OpenWindow& w : stack_)
        if (w.form->name() == name) return *w.form;
    if (name != kMainWindow && !isRegistered(name)) throw UsageError("unknown form " + name);
    throw UsageError("form " + name + " is not open");
}

std::vector<OpenWindow> App::windows() const {
    return {stack_.rbegin(), stack_.rend()};
}

Form* App::modalTop() const {
    for (auto it = stack_.rbegin(); it != stack_.rend(); ++it)
        if (it->mode == Mode::Modal) return it->form;
    return nullptr;
}

bool App::accepts(const std::string& name) const {
    const Form* top = modalTop();
    return !top || top->name() == name;
}

bool App::guard(const std::string& name) {
    Form& form = openedForm(name);
    if (accepts(name)) return true;
    host_.ignored(form, "la finestra modale " + modalTop()->name() + " e' aperta");
    return false;
}

void App::raise(Form& form) {
    auto it = std::find_if(stack_.begin(), stack_.end(),
                           [&](const OpenWindow& w) { return w.form == &form; });
    if (it == stack_.end()) return;
    OpenWindow w = *it;
    stack_.erase(it);
    stack_.push_back(w);
}

// ------------------------------------------------------ open and close --

void App::open(const std::string& name, Mode mode) {
    if (ended_) throw UsageError("the program has ended");
    if (name == kMainWindow && instance(kMainWindow) && !isOpen(kMainWindow))
        throw UsageError("the main window cannot be opened again");
    Form& form = instanceOf(name);
    if (form.isOpen()) {
        // Also when a window open modeless is asked for modal: it stays as it
        // is, in front, and keeps working.
        raise(form);
        host_.front(form);
        return;
    }
    run(form, [&] {
        form.build();
        if (auto p = pendingPlace_.find(name); p != pendingPlace_.end()) {
            form.placeAt(p->second.first, p->second.second);
            pendingPlace_.erase(p);
        }
    });
    form.markOpen(true);
    stack_.push_back(OpenWindow{&form, mode});
    host_.opened(form, mode);
    // The focus goes to the first control in tab order that can take it; an
    // unselected option button taking the focus is selected and its group's
    // handler runs, as if clicked.
    const std::string first = form.firstFocusable();
    if (!first.empty())
        run(form, [&] {
            focused(form, first);
            form.userFocus(first);
        });
    if (form.isOpen() && !ended_) host_.settled(form, mode);
}

void App::close(const std::string& name) {
    Form& form = openedForm(name);
    form.markOpen(false);
    stack_.erase(std::remove_if(stack_.begin(), stack_.end(),
                                [&](const OpenWindow& w) { return w.form == &form; }),
                 stack_.end());
    host_.closed(form);
    if (stack_.empty()) {
        ended_ = true;
        host_.ended();
    }
}

void App::placeForm(const std::string& name, int left, int top) {
    if (Form* f = instance(name); f && f->isOpen()) {
        f->placeAt(left, top);
        host_.refresh(*f);
        return;
    }
    instanceOf(name); // an unknown form fails here
    pendingPlace_[name] = {left, top};
}

// ----------------------------------------------------------- reactions --

void App::run(Form& form, const std::function<void()>& reaction) {
    std::fexcept_t saved;
    std::fegetexceptflag(&saved, FE_ALL_EXCEPT);
    clearFaultFlags();
    ++handlerDepth_;
    try {
        reaction();
        checkFaultFlags();
    } catch (const ArithmeticFault& fault) {
        clearFaultFlags();
        host_.fault(form, fault.what());
        host_.refresh(form);
        host_.message(form, faultMessage(fault.what()));
    } catch (...) {
        --handlerDepth_;
        std::fesetexceptflag(&saved, FE_ALL_EXCEPT);
        throw;
    }
    --handlerDepth_;
    std::fesetexceptflag(&saved, FE_ALL_EXCEPT);
    if (handlerDepth_ == 0)
        for (const OpenWindow& w : std::vector<OpenWindow>(stack_))
            host_.refresh(*w.form);
}

void App::message(Form& form, const Message& m) {
    host_.refresh(form);
    host_.message(form, m);
}

void App::focused(Form& form, const std::string& control) {
    host_.focused(form, control);
}

void App::print(Form& form) {
    host_.refresh(form);
    host_.print(form);
}

// ---------------------------------------------------------- user input --

const MenuEntry& App::leaf(int number) const {
    if (ended_) throw UsageError("the program has ended");
    const MenuEntry* entry = menuEntry(number);
    if (!entry) throw UsageError("no menu entry " + std::to_string(number));
    if (!entry->isLeaf())
        throw UsageError("menu entry " + std::to_string(number) + " is a submenu");
    return *entry;
}

void App::menu(int number) {
    const MenuEntry& entry = leaf(number);
    if (!guard(kMainWindow)) return;
    open(entry.form, entry.mode);
}

void App::openEntry(int number) {
    const MenuEntry& entry = leaf(number);
    if (Form* top = modalTop()) {
        host_.ignored(*top, "la finestra modale " + top->name() + " e' aperta");
        return;
    }
    open(entry.form, entry.mode);
}

void App::setText(const std::string& name, const std::string& control, const std::string& text) {
    if (!guard(name)) return;
    Form& form = openedForm(name);
    form.control(control);
    run(form, [&] { form.userSetText(control, text); });
}

void App::typeText(const std::string& name, const std::string& control, const std::string& text) {
    if (!guard(name)) return;
    Form& form = openedForm(name);
    form.control(control);
    for (const std::string& ch : characters(text)) {
        // A keystroke's reaction may close the window or open a modal one:
        // the rest of the typing then goes nowhere.
        if (!form.isOpen() || !accepts(name)) break;
        run(form, [&] { form.userSetText(control, form.control(control).text + ch); });
    }
}

void App::click(const std::string& name, const std::string& control) {
    if (!guard(name)) return;
    Form& form = openedForm(name);
    const Control& c = form.control(control);
    if (!c.visible || !c.enabled || (!c.frame.empty() && !form.control(c.frame).visible)) {
        host_.ignored(form, c.enabled ? "il controllo " + control + " non e' visibile"
                                      : "il controllo " + control + " non e' abilitato");
        return;
    }
    run(form, [&] { form.userClick(control); });
}

void App::select(const std::string& name, const std::string& control, int index) {
    if (!guard(name)) return;
    Form& form = openedForm(name);
    run(form, [&] { form.userSelect(control, index); });
}

void App::focus(const std::string& name, const std::string& control) {
    if (!guard(name)) return;
    Form& form = openedForm(name);
    const Control& c = form.control(control);
    if (!c.canTakeFocus()) {
        host_.ignored(form, "il controllo " + control + " non puo' ricevere il fuoco");
        return;
    }
    run(form, [&] { form.userFocus(control); });
}

void App::closeBox(const std::string& name) {
    if (!guard(name)) return;
    close(name);
}

std::optional<std::string> App::copyResults(const std::string& name) {
    Form& form = openedForm(name);
    if (name == kMainWindow) throw UsageError("the main window has no results to copy");
    if (!guard(name)) return std::nullopt;
    return copyText(form);
}

void App::tick(int count) {
    if (ended_) throw UsageError("the program has ended");
    for (int i = 0; i < count; ++i) {
        Form* main = instance(kMainWindow);
        if (!main || !main->isOpen()) return;
        auto& window = static_cast<MainWindow&>(*main);
        run(window, [&] { window.tick(); });
    }
}

} // namespace etero
