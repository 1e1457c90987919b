// The copy-results action of every calculator window: its context menu entry
// "Copia i risultati" and Ctrl+Shift+C put the window's caption, its inputs
// with their captions and its results on the clipboard as plain text, exactly
// as shown (shell/form/reading.h).
#pragma once

class QAction;

namespace etero::qt {

class FormView;
class QtHost;

// Adds the action to the window and makes it the window's context menu, also
// over its labels and drawing. Returns the action.
QAction* addCopyResults(FormView& view, QtHost& host);

} // namespace etero::qt
