#include "schematic.h"

#include "formview.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace etero::qt {

namespace {

// Strokes of one pen that follow each other (a wire, the lead of a part, the
// turns of a coil) are painted as one shape: where they meet, the joint is
// covered once, and no faint seam shows at any scale.
struct Strokes {
    QPainter& painter;
    QPainterPath path;
    QPen pen;
    void add(const Shape& s, const QPen& p) {
        if (!path.isEmpty() && p != pen) flush();
        pen = p;
        switch (s.type) {
        case Shape::Type::Line:
            path.moveTo(s.x1, s.y1);
            path.lineTo(s.x2, s.y2);
            break;
        case Shape::Type::Arc: {
            const QRectF box = QRectF(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2)).normalized();
            path.arcMoveTo(box, s.startDeg);
            path.arcTo(box, s.startDeg, s.spanDeg);
            break;
        }
        default:
            for (std::size_t i = 0; i + 1 < s.points.size(); i += 2) {
                const QPointF p(s.points[i], s.points[i + 1]);
                if (i == 0)
                    path.moveTo(p);
                else
                    path.lineTo(p);
            }
            break;
        }
    }
    // The outline of all the strokes, united, filled once.
    void flush() {
        if (path.isEmpty()) return;
        QPainterPathStroker stroker(pen);
        painter.fillPath(stroker.createStroke(path).simplified(), pen.brush());
        path = QPainterPath();
    }
};

} // namespace

void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target,
                  const std::function<bool(const std::string&)>& shown) {
    if (drawing.width() <= 0 || drawing.height() <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(target.topLeft());
    painter.scale(target.width() / drawing.width(), target.height() / drawing.height());
    Strokes strokes{painter, {}, {}};
    for (const Shape& s : drawing.shapes()) {
        if (!s.shownWith.empty() && !shown(s.shownWith)) continue;
        QPen pen(toColor(s.pen), s.penWidth, s.dashed ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap,
                 Qt::RoundJoin);
        const bool stroke =
            !s.filled && (s.type == Shape::Type::Line || s.type == Shape::Type::Arc ||
                          s.type == Shape::Type::Polyline);
        if (stroke) {
            strokes.add(s, pen);
            continue;
        }
        strokes.flush();
        painter.setPen(pen);
        painter.setBrush(s.filled ? QBrush(toColor(s.fill)) : Qt::NoBrush);
        const QRectF box = QRectF(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2)).normalized();
        switch (s.type) {
        case Shape::Type::Rect:
            painter.drawRect(box);
            break;
        case Shape::Type::Ellipse:
            painter.drawEllipse(box);
            break;
        case Shape::Type::Arc:
            // Degrees counter-clockwise from three o'clock, in sixteenths for Qt.
            painter.drawPie(box, static_cast<int>(std::lround(s.startDeg * 16)),
                            static_cast<int>(std::lround(s.spanDeg * 16)));
            break;
        case Shape::Type::Polyline: {
            QPainterPath path;
            for (std::size_t i = 0; i + 1 < s.points.size(); i += 2) {
                const QPointF p(s.points[i], s.points[i + 1]);
                if (i == 0)
                    path.moveTo(p);
                else
                    path.lineTo(p);
            }
            path.closeSubpath();
            painter.drawPath(path);
            break;
        }
        case Shape::Type::Line:
            break;
        case Shape::Type::Text: {
            QFont font = painter.font();
            font.setPointSizeF(s.textPoints);
            font.setBold(s.bold);
            painter.setFont(font);
            painter.setPen(toColor(s.pen));
            // The text is centred vertically on y; horizontally it ends at,
            // is centred on or starts at x.
            const QString text = toQString(s.text);
            const QFontMetricsF m(font);
            const double w = m.horizontalAdvance(text);
            double x = s.x1;
            if (s.anchor == Anchor::CentredOn) x -= w / 2;
            if (s.anchor == Anchor::EndsAt) x -= w;
            painter.drawText(QPointF(x, s.y1 + (m.ascent() - m.descent()) / 2), text);
            break;
        }
        }
    }
    strokes.flush();
    painter.restore();
}

QPixmap drawingPixmap(const Drawing& drawing, qreal devicePixelRatio) {
    const QSize size(static_cast<int>(std::ceil(drawing.width())),
                     static_cast<int>(std::ceil(drawing.height())));
    if (size.isEmpty()) return {};
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintDrawing(painter, drawing, QRectF(QPointF(0, 0), QSizeF(size)),
                 [](const std::string&) { return true; });
    return pixmap;
}

namespace {

// The part of the canvas the drawing uses: its shapes and slots and a margin
// around them. Drawings are often made on a canvas larger than they need.
QRectF usedPart(const Drawing& d) {
    const QRectF canvas(0, 0, d.width(), d.height());
    QRectF used;
    auto add = [&used](const QRectF& r) { used = used.isNull() ? r : used.united(r); };
    for (const Shape& s : d.shapes()) {
        const double pen = s.penWidth;
        switch (s.type) {
        case Shape::Type::Polyline:
            for (std::size_t i = 0; i + 1 < s.points.size(); i += 2)
                add(QRectF(s.points[i] - pen, s.points[i + 1] - pen, 2 * pen, 2 * pen));
            break;
        case Shape::Type::Text: {
            QFont font;
            font.setPointSizeF(s.textPoints);
            font.setBold(s.bold);
            const QFontMetricsF m(font);
            const double w = m.horizontalAdvance(toQString(s.text));
            double x = s.x1;
            if (s.anchor == Anchor::CentredOn) x -= w / 2;
            if (s.anchor == Anchor::EndsAt) x -= w;
            add(QRectF(x, s.y1 - m.height() / 2, w, m.height()));
            break;
        }
        default:
            add(QRectF(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2))
                    .normalized()
                    .adjusted(-pen, -pen, pen, pen));
            break;
        }
    }
    for (const Slot& slot : d.slots())
        add(QRectF(slot.x, slot.y, slot.width, slot.height));
    // The margin also leaves room for a label a little wider than its slot.
    constexpr double kRoom = 12;
    return used.isEmpty() ? canvas : used.adjusted(-kRoom, -kRoom, kRoom, kRoom);
}

} // namespace

SchematicView::SchematicView(const Drawing& drawing, QWidget* parent)
    : QWidget(parent), drawing_(drawing), used_(usedPart(drawing)) {
    setObjectName(QStringLiteral("schematic"));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void SchematicView::addSlotWidget(const Slot& slot, QWidget* widget) {
    widget->setParent(this);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const Qt::Alignment h = slot.align == SlotAlign::Left    ? Qt::AlignLeft
                                : slot.align == SlotAlign::Right ? Qt::AlignRight
                                                                 : Qt::AlignHCenter;
        label->setAlignment(h | Qt::AlignVCenter);
        label->setWordWrap(false);
    }
    slots_.emplace_back(slot, widget);
    placeSlots();
}

void SchematicView::syncSlots(const Form& form) {
    std::set<std::string> hidden;
    for (const Shape& s : drawing_.shapes())
        if (!s.shownWith.empty() && form.hasControl(s.shownWith) &&
            !form.control(s.shownWith).visible)
            hidden.insert(s.shownWith);
    if (hidden != hidden_) {
        hidden_ = std::move(hidden);
        update();
    }
    placeSlots();
}

QSize SchematicView::sizeHint() const {
    return QSize(static_cast<int>(std::ceil(used_.width())),
                 static_cast<int>(std::ceil(used_.height())));
}

// Never smaller than the drawing itself: the labels in its slots keep their
// font size, so a shrunken drawing would crowd them.
QSize SchematicView::minimumSizeHint() const {
    return sizeHint();
}

// Scaled down to a narrower width, never up beyond its own size: the space a
// wide window gives it around the drawing stays the window's.
int SchematicView::heightForWidth(int width) const {
    if (used_.width() <= 0) return 0;
    const double w = std::min<double>(width, used_.width());
    return static_cast<int>(std::ceil(w * used_.height() / used_.width()));
}

// Where the whole canvas goes so that its used part fills the widget, centred.
QRectF SchematicView::target() const {
    if (used_.width() <= 0 || used_.height() <= 0) return {};
    const double scale = std::min(width() / used_.width(), height() / used_.height());
    const double w = used_.width() * scale, h = used_.height() * scale;
    // On whole pixels: slots the drawing sets edge to edge stay so.
    return QRectF(std::round((width() - w) / 2 - used_.left() * scale),
                  std::round((height() - h) / 2 - used_.top() * scale), drawing_.width() * scale,
                  drawing_.height() * scale);
}

void SchematicView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintDrawing(painter, drawing_, target(),
                 [this](const std::string& control) { return hidden_.count(control) == 0; });
}

void SchematicView::resizeEvent(QResizeEvent*) {
    placeSlots();
}

void SchematicView::placeSlots() {
    const QRectF t = target();
    if (t.isEmpty()) return;
    const double scale = t.width() / drawing_.width();
    for (auto& [slot, widget] : slots_) {
        QRectF r(t.left() + slot.x * scale, t.top() + slot.y * scale, slot.width * scale,
                 slot.height * scale);
        // A text wider than its slot wraps at its blanks within the slot's
        // width; a single word too wide spills over on the side its alignment
        // leaves free.
        auto* label = qobject_cast<QLabel*>(widget);
        if (label) label->setWordWrap(false);
        QSize hint = widget->sizeHint();
        if (label && hint.width() > r.width() && label->text().contains(QLatin1Char(' '))) {
            label->setWordWrap(true);
            const int w = static_cast<int>(r.width());
            hint = QSize(w, label->heightForWidth(w));
        }
        if (hint.width() > r.width()) {
            const double extra = hint.width() - r.width();
            if (slot.align == SlotAlign::Centre)
                r.adjust(-extra / 2, 0, extra / 2, 0);
            else if (slot.align == SlotAlign::Right)
                r.adjust(-extra, 0, 0, 0);
            else
                r.adjust(0, 0, extra, 0);
        }
        if (hint.height() > r.height()) {
            const double extra = hint.height() - r.height();
            r.adjust(0, -extra / 2, 0, extra / 2);
        }
        const QRect rounded = r.toAlignedRect();
        if (widget->geometry() != rounded) widget->setGeometry(rounded);
    }
}

} // namespace etero::qt
