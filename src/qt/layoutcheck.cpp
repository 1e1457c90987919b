#include "layoutcheck.h"

#include "formview.h"
#include "schematic.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>

#include <algorithm>

namespace etero::qt {

namespace {

// A window's frame: borders of 4 pixels and a caption bar of 22.
constexpr int kFrameWidth = 8, kFrameHeight = 30;

std::string size(int w, int h) {
    return std::to_string(w) + " x " + std::to_string(h);
}

bool actedOn(Kind k) {
    return k == Kind::Text || k == Kind::Combo || k == Kind::Command || k == Kind::Option ||
           k == Kind::Check;
}

struct Shown {
    const Control* control;
    QWidget* widget;
    QRect rect; // in window coordinates
    bool onDrawing;
};

// The controls the user can see now: visible, not empty labels, and not
// wholly beyond the window's edge (where a window that grows to reveal them
// keeps them until it does).
std::vector<Shown> shownControls(const FormView& view, const Form& form) {
    std::vector<Shown> out;
    const QWidget* drawing = view.findChild<SchematicView*>();
    for (const Control& c : form.controls()) {
        QWidget* w = view.controlWidget(c.name);
        if (!w || !w->isVisibleTo(&view)) continue;
        if (auto* label = qobject_cast<QLabel*>(w);
            label && label->text().isEmpty() && label->pixmap().isNull())
            continue;
        const QRect r(w->mapTo(&view, QPoint()), w->size());
        if (!r.intersects(view.rect())) continue;
        out.push_back({&c, w, r, drawing && w->parentWidget() == drawing});
    }
    return out;
}

// Why the widget's caption does not fit it, or empty.
std::string captionFault(QWidget* w) {
    const QFontMetrics m(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty()) return {};
        if (label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            if (needed > label->height())
                return "caption wrapped past its box (" + std::to_string(needed) +
                       " px high, box " + std::to_string(label->height()) + ")";
            return {};
        }
        const QSize hint = label->sizeHint();
        if (hint.width() > label->width() || hint.height() > label->height() + 2)
            return "caption cut off (needs " + size(hint.width(), hint.height()) + ", box " +
                   size(label->width(), label->height()) + ")";
        return {};
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        const int needed = m.horizontalAdvance(box->title()) + 16;
        if (!box->title().isEmpty() && needed > box->width())
            return "title cut off (needs " + std::to_string(needed) + " px, frame " +
                   std::to_string(box->width()) + ")";
        return {};
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int needed = m.horizontalAdvance(combo->currentText()) + 24;
        if (needed > combo->width())
            return "choice cut off (needs " + std::to_string(needed) + " px, list " +
                   std::to_string(combo->width()) + ")";
        return {};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        const QStringList lines =
            QString(button->text()).remove(QLatin1Char('&')).split(QLatin1Char('\n'));
        int width = 0;
        for (const QString& l : lines)
            width = std::max(width, m.horizontalAdvance(l));
        int extra = 8; // a push button's own margins
        if (button->inherits("QRadioButton") || button->inherits("QCheckBox"))
            extra = w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
                    w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
        const int height = static_cast<int>(lines.size()) * m.height();
        if (width + extra > button->width() || height > button->height() + 2)
            return "caption cut off (needs " + size(width + extra, height) + ", box " +
                   size(button->width(), button->height()) + ")";
    }
    return {};
}

} // namespace

std::string LayoutProblem::line() const {
    std::string out = window + ": ";
    for (std::size_t i = 0; i < controls.size(); ++i)
        out += (i ? ", " : "") + controls[i];
    return out + (controls.empty() ? "" : ": ") + what;
}

Placement placement(const FormView& view, const Form& form) {
    Placement out;
    for (const Shown& s : shownControls(view, form))
        if (actedOn(s.control->kind)) out[s.control->name] = s.rect;
    return out;
}

std::vector<LayoutProblem> checkLayout(const FormView& view, const Form& form,
                                       const Placement* opening) {
    std::vector<LayoutProblem> problems;
    auto problem = [&](std::vector<std::string> controls, std::string what) {
        problems.push_back({form.name(), std::move(controls), std::move(what)});
    };
    if (view.width() + kFrameWidth > kScreenWidth || view.height() + kFrameHeight > kScreenHeight)
        problem({}, "window of " + size(view.width() + kFrameWidth, view.height() + kFrameHeight) +
                        " does not fit a " + size(kScreenWidth, kScreenHeight) + " screen");

    const std::vector<Shown> shown = shownControls(view, form);
    const QWidget* drawing = view.findChild<SchematicView*>();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const Shown& a = shown[i];
        if (std::string fault = captionFault(a.widget); !fault.empty())
            problem({a.control->name}, fault);
        // Inside its frame, its drawing (which would cut it off), or the window.
        const QWidget* parent = a.widget->parentWidget();
        const char* container = "window";
        QRect within = view.rect();
        if (qobject_cast<const QGroupBox*>(parent) || a.onDrawing) {
            container = a.onDrawing ? "drawing" : "frame";
            within = QRect(parent->mapTo(&view, QPoint()), parent->size());
        }
        if (!within.contains(a.rect))
            problem({a.control->name}, std::string("lies outside its ") + container);
        if (a.onDrawing) continue;
        if (drawing && drawing->isVisibleTo(&view) && !a.widget->isAncestorOf(drawing) &&
            QRect(drawing->mapTo(&view, QPoint()), drawing->size()).intersects(a.rect))
            problem({a.control->name}, "overlaps the drawing");
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const Shown& b = shown[j];
            if (b.onDrawing || a.widget->isAncestorOf(b.widget) || b.widget->isAncestorOf(a.widget))
                continue;
            // A label laid wholly on a picture labels it, as on a drawing.
            auto onPicture = [](const Shown& label, const Shown& picture) {
                return label.control->kind == Kind::Label &&
                       picture.control->kind == Kind::Picture && picture.rect.contains(label.rect);
            };
            if (onPicture(a, b) || onPicture(b, a)) continue;
            if (a.rect.intersects(b.rect)) problem({a.control->name, b.control->name}, "overlap");
        }
    }
    if (opening)
        for (const auto& [name, now] : placement(view, form))
            if (auto was = opening->find(name);
                was != opening->end() && was->second.topLeft() != now.topLeft())
                problem({name}, "moved from " + std::to_string(was->second.x()) + "," +
                                    std::to_string(was->second.y()) + " to " +
                                    std::to_string(now.x()) + "," + std::to_string(now.y()) +
                                    " since the window opened");
    return problems;
}

} // namespace etero::qt
