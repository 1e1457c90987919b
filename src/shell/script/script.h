// The headless script driver: runs the program from script lines and writes
// what happens as JSON Lines. Same model, catalogue, open operation and
// calculator code as the desktop program; only the host differs.
#pragma once

#include "shell/app/app.h"
#include "shell/app/host.h"

#include <functional>
#include <iosfwd>
#include <string>

namespace etero {

// A host without windows: every event becomes one JSON line; message boxes
// are answered OK at once.
class HeadlessHost : public Host {
  public:
    explicit HeadlessHost(std::ostream& out) : out_(out) {}
    void opened(Form& form, Mode mode) override;
    void front(Form& form) override;
    void closed(Form& form) override;
    void message(Form& form, const Message& message) override;
    void focused(Form& form, const std::string& control) override;
    void fault(Form& form, const std::string& what) override;
    void ignored(Form& form, const std::string& reason) override;
    void print(Form& form) override;
    void ended() override;
    void emit(const std::string& line);

  private:
    std::ostream& out_;
};

// The JSON object of one control, as `dump` writes it.
std::string dumpControl(const Control& c);
std::string dumpForm(const Form& form);

// Carries out script commands on a running program, whichever its host:
// the headless driver uses it, and so does the gallery to put windows into
// the state a script leaves them in.
class ScriptCommands {
  public:
    using Emit = std::function<void(const std::string&)>;
    ScriptCommands(App& app, Emit emit) : app_(app), emit_(std::move(emit)) {}
    // Runs one script line (1-based number for error reports). Returns false on an error.
    bool line(const std::string& text, int number);
    // Runs a whole script; returns the exit status: 0, or 2 when a line failed.
    int run(std::istream& in);
    // Called after each `dump`, with the form it wrote.
    std::function<void(Form&)> onDump;

  private:
    void command(const std::string& text);
    App& app_;
    Emit emit_;
    bool failed_ = false;
};

// The headless driver: a program with the headless host, run from a script.
class ScriptRunner {
  public:
    explicit ScriptRunner(std::ostream& out);
    bool line(const std::string& text, int number) { return commands_.line(text, number); }
    int run(std::istream& in) { return commands_.run(in); }
    App& app() { return app_; }

  private:
    HeadlessHost host_;
    App app_;
    ScriptCommands commands_;
};

} // namespace etero
