#include "pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include <map>

// The pictures live in a static library: their resources are registered by hand.
static void registerPictures() {
    Q_INIT_RESOURCE(etero);
}

namespace etero::qt {

namespace {

struct Picture {
    const char* resource;
    QSize size;
};

const std::map<std::string, Picture>& pictures() {
    static const bool registered = (registerPictures(), true);
    (void)registered;
    static const std::map<std::string, Picture> map{
        {"radio", {":/etero/radio.svg", QSize(568, 386)}},
        {"exit", {":/etero/exit.svg", QSize(32, 32)}},
    };
    return map;
}

} // namespace

QSize pictureSize(const std::string& id) {
    auto it = pictures().find(id);
    return it == pictures().end() ? QSize() : it->second.size;
}

QPixmap picturePixmap(const std::string& id, qreal devicePixelRatio, QSize size) {
    auto it = pictures().find(id);
    if (it == pictures().end()) return {};
    if (size.isEmpty()) size = it->second.size;
    QSvgRenderer renderer(QString::fromLatin1(it->second.resource));
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon pictureIcon(const std::string& id) {
    QIcon icon;
    for (qreal ratio : {1.0, 2.0}) {
        const QPixmap p = picturePixmap(id, ratio);
        if (!p.isNull()) icon.addPixmap(p);
    }
    return icon;
}

} // namespace etero::qt
