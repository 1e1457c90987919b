// The look shared by every window: one font family, and how each role of a
// control (input caption, result, hint, title) is shown.
#pragma once

#include "shell/form/control.h"

#include <QString>

class QApplication;
class QWidget;

namespace etero::qt {

// The application font, style and window icon; call once after creating the QApplication.
void applyStyle(QApplication& app);
// The font a control's role asks for (before the model's own size and weight).
void applyRoleFont(const Control& c, QWidget* w);
// The style sheet of a control: the model's colours, and the frame of a
// result (`compact`: no taller than the text, for designed places).
QString styleSheetFor(const Control& c, bool onDrawing, bool compact = false);

} // namespace etero::qt
