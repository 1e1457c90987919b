#include "snapshot.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace etero::qt {

QImage windowSnapshot(QWidget& window) {
    const QPixmap contents = window.grab();
    const qreal ratio = contents.devicePixelRatio();
    const QSize inner = (QSizeF(contents.size()) / ratio).toSize();
    const int border = 1, caption = 26;
    QImage image((QSizeF(inner.width() + 2 * border, inner.height() + caption + 2 * border) * ratio)
                     .toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(0x4a, 0x5a, 0x74));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect bar(border, border, inner.width(), caption);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, QColor(0x3d, 0x63, 0xa8));
    g.setColorAt(1, QColor(0x25, 0x47, 0x85));
    painter.fillRect(bar, g);
    QFont font = window.font();
    font.setBold(true);
    font.setPointSizeF(9.5);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QString title =
        painter.fontMetrics().elidedText(window.windowTitle(), Qt::ElideRight, bar.width() - 20);
    painter.drawText(bar.adjusted(10, 0, -10, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
    painter.drawPixmap(QPoint(border, border + caption), contents);
    return image;
}

} // namespace etero::qt
