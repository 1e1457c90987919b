// Paints a form's schematic (lines, rectangles, ellipses, arcs, polylines and
// texts on a canvas of logical pixels) with QPainter, scaled to the space the
// window gives it, and keeps the labels that sit on the drawing in their slots.
#pragma once

#include "shell/form/drawing.h"
#include "shell/form/form.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <set>
#include <string>
#include <vector>

class QPainter;

namespace etero::qt {

// Paints the drawing into `target` (device pixels are the painter's affair:
// antialiased, so it stays clean at any scale). `shown` tells whether the
// control a shape is tied to is visible.
void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target,
                  const std::function<bool(const std::string&)>& shown);

// A drawing painted once into a pixmap of its own size: the picture of a
// picture control described as a drawing.
QPixmap drawingPixmap(const Drawing& drawing, qreal devicePixelRatio);

class SchematicView : public QWidget {
    Q_OBJECT
  public:
    SchematicView(const Drawing& drawing, QWidget* parent);
    // A label of the form shown in one of the drawing's slots.
    void addSlotWidget(const Slot& slot, QWidget* widget);
    // Follows the visibility of the controls the shapes are tied to.
    void syncSlots(const Form& form);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

  private:
    QRectF target() const;
    void placeSlots();
    Drawing drawing_;
    QRectF used_; // the part of the canvas the widget shows
    std::vector<std::pair<Slot, QWidget*>> slots_;
    std::set<std::string> hidden_;
};

} // namespace etero::qt
