// A picture of a window as the user sees it: its contents under a caption
// bar with the window's caption, in a thin frame. Works without a display.
#pragma once

#include <QImage>

class QWidget;

namespace etero::qt {

QImage windowSnapshot(QWidget& window);

} // namespace etero::qt
