// The running program: the single instance of every form, the one open
// operation, the modal chain, the main window and program end.
#pragma once

#include "catalogue.h"
#include "host.h"
#include "shell/form/form.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace etero {

// A request the program cannot carry out (unknown form, a form that is not
// open, a submenu chosen as if it were a leaf).
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kMainWindow = "FRMETEROMETRO";

struct OpenWindow {
    Form* form;
    Mode mode;
};

class App {
  public:
    explicit App(Host& host);
    ~App();

    // Starts the program: the main window opens.
    void start();
    bool ended() const { return ended_; }

    // The one open operation: creates the form's single instance if needed
    // and shows it; a window already open is brought to the front unchanged.
    void open(const std::string& form, Mode mode);
    // Unloads a window (its close box, its close command, or a handler).
    void close(const std::string& form);

    // ---- user input; input to a window that a modal window blocks is ignored ----
    void menu(int number);
    // Opens the form of catalogue leaf N in its catalogued mode through the
    // open operation, as the menu does: the calculator search, which stays at
    // hand when the main window has closed. Ignored while a modal window is open.
    void openEntry(int number);
    void setText(const std::string& form, const std::string& control, const std::string& text);
    void typeText(const std::string& form, const std::string& control, const std::string& text);
    void click(const std::string& form, const std::string& control);
    void select(const std::string& form, const std::string& control, int index);
    void focus(const std::string& form, const std::string& control);
    void closeBox(const std::string& form);
    void tick(int count = 1); // the main window's one-second timer
    // The copy-results action of a calculator window: the text it puts on
    // the clipboard, or nothing when a modal window blocks it.
    std::optional<std::string> copyResults(const std::string& form);

    // ---- state ----
    // Open windows, front first.
    std::vector<OpenWindow> windows() const;
    bool isOpen(const std::string& form) const;
    Form& openedForm(const std::string& form); // an open window; UsageError when not open
    Form* instance(const std::string& form);   // nullptr when never created
    // The window that takes input now (the top of the modal chain), or nullptr when none is modal.
    Form* modalTop() const;
    bool accepts(const std::string& form) const; // false while a modal window blocks it
    Host& host() { return host_; }

    // ---- used by forms ----
    // Runs a reaction of a form: stops it at an arithmetic fault and tells the user.
    void run(Form& form, const std::function<void()>& reaction);
    void message(Form& form, const Message& m);
    void focused(Form& form, const std::string& control);
    void print(Form& form);
    void placeForm(const std::string& form, int left, int top);

  private:
    const MenuEntry& leaf(int number) const; // UsageError for a submenu or no entry
    Form& instanceOf(const std::string& form);
    bool guard(const std::string& form); // true when the window may take input
    void raise(Form& form);

    Host& host_;
    std::map<std::string, std::unique_ptr<Form>> instances_;
    std::vector<OpenWindow> stack_; // back to front
    std::map<std::string, std::pair<int, int>> pendingPlace_;
    bool started_ = false;
    bool ended_ = false;
    int handlerDepth_ = 0;
};

} // namespace etero
