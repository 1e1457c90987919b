// The program's own pictures, drawn as SVG and kept in the resources: the
// main window's radio receiver and the exit door of its close button.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

#include <string>

namespace etero::qt {

// The natural size of a picture in logical pixels; an empty size for an unknown id.
QSize pictureSize(const std::string& id);
// The picture rendered at `size` logical pixels (its natural size when empty)
// for a screen of the given device pixel ratio; a null pixmap for an unknown id.
QPixmap picturePixmap(const std::string& id, qreal devicePixelRatio, QSize size = {});
QIcon pictureIcon(const std::string& id);

} // namespace etero::qt
