// Accessible names for the widgets of a window, from its form model: a
// screen reader reads "RESISTENZA, megaOhm" for a field rather than "edit"
// (shell/form/reading.h says how each control is named).
#pragma once

namespace etero {
class Form;
}

namespace etero::qt {

class FormView;

// Brings every widget's accessible name up to date with what the window shows.
void nameControls(const Form& form, FormView& view);

} // namespace etero::qt
