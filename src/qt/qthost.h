// The desktop host: every open form of the program is a real Qt window.
// The form model decides everything (what is open, which window takes
// input, what the controls show); this host turns its decisions into
// windows and turns what the user does back into calls on the App.
#pragma once

#include "shell/app/app.h"
#include "shell/app/host.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QEventLoop;
class QWidget;

namespace etero::qt {

class FormView;
class SearchBox;

class QtHost : public Host {
  public:
    struct Options {
        // A modal window suspends the handler that opened it until it closes
        // (a nested event loop). Off only for rendering without a user.
        bool suspendModal = true;
        // Message boxes and print dialogs are shown and wait for the user.
        // When off, messages are only recorded (see shownMessages()).
        bool interactive = true;
    };

    QtHost();
    explicit QtHost(Options options);
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    void attach(App& app) { app_ = &app; }
    App& app() const { return *app_; }

    // Forwards one user action into the program and brings every window up
    // to date afterwards. No exception ever leaves it: a request the program
    // cannot carry out is shown in a message box.
    void input(const std::function<void()>& action);
    void refreshAll();

    // The window of an open form, or nullptr.
    FormView* view(const std::string& form) const;
    // The program's one calculator search box (Ctrl+F), made when first asked for.
    SearchBox& searchBox();
    // Destroys every window at once (a renderer that is done with an App).
    void discardWindows();

    // Called when the last window has closed; by default it ends the Qt event loop.
    std::function<void()> onEnded;
    // When not empty, print commands write the window image into this PDF file
    // instead of asking the user through the print dialog.
    QString printFile;
    // Messages shown while not interactive, in order.
    const std::vector<Message>& shownMessages() const { return messages_; }
    // Requests the program could not carry out (they should never happen), in order.
    const std::vector<std::string>& errors() const { return errors_; }
    int printed() const { return printed_; }

    // ---- Host ----
    void opened(Form& form, Mode mode) override;
    void settled(Form& form, Mode mode) override;
    void front(Form& form) override;
    void closed(Form& form) override;
    void message(Form& form, const Message& message) override;
    void focused(Form& form, const std::string& control) override;
    void fault(Form& form, const std::string& what) override;
    void ignored(Form& form, const std::string& reason) override;
    void print(Form& form) override;
    void ended() override;
    void refresh(Form& form) override;

  private:
    void place(FormView& view, Form& form);
    void internalError(const QString& what);

    Options options_;
    App* app_ = nullptr;
    std::map<std::string, QPointer<FormView>> views_;
    QPointer<SearchBox> search_;
    std::map<std::string, QEventLoop*> loops_;
    std::vector<Message> messages_;
    std::vector<std::string> errors_;
    int printed_ = 0;
    int cascade_ = 0;
};

} // namespace etero::qt
