// What the form model asks of the windowing side. The desktop program
// implements it with Qt; the script driver and the tests with plain output.
#pragma once

#include "shell/form/form.h"

#include <string>

namespace etero {

class Host {
  public:
    virtual ~Host() = default;
    virtual void opened(Form& form, Mode mode) = 0; // create the window and show it
    // The window has opened and taken its first focus (the focus rule has run).
    // A host that suspends the opener of a modal window until it closes does it here.
    virtual void settled(Form&, Mode) {}
    virtual void front(Form& form) = 0;  // bring an open window to the front
    virtual void closed(Form& form) = 0; // the window is unloaded
    // A message box with one OK button; returns when the user has answered.
    virtual void message(Form& form, const Message& message) = 0;
    virtual void focused(Form& form, const std::string& control) = 0; // the program moved the focus
    virtual void fault(Form& form, const std::string& what) = 0;
    virtual void ignored(Form& form, const std::string& reason) = 0;
    virtual void print(Form& form) = 0;
    virtual void ended() = 0;
    // The form's controls or window geometry may have changed: bring the window up to date.
    virtual void refresh(Form&) {}
};

} // namespace etero
