#include "calculatorview.h"

#include "schematic.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <map>
#include <set>

namespace etero::qt {

namespace {

constexpr int kFieldWidth = 130;
constexpr int kCommandWidth = 104;
constexpr int kCommandsPerRow = 4;
constexpr int kOptionsPerColumn = 8;

QRect twipsRect(const Twips& t) {
    return QRect(t.left / kTwipsPerPixel, t.top / kTwipsPerPixel, t.width / kTwipsPerPixel,
                 t.height / kTwipsPerPixel);
}

bool isResultLabel(const Control& c) {
    return c.kind == Kind::Label && c.role == Role::Result;
}

} // namespace

QSize CalculatorView::clientSize(int widthTwips, int heightTwips) {
    // Borders of 4 pixels on each side and a caption bar of 22 pixels.
    return QSize(std::max(1, widthTwips / kTwipsPerPixel - 8),
                 std::max(1, heightTwips / kTwipsPerPixel - 30));
}

void CalculatorView::build() {
    const Form* f = form();
    if (!f) return;
    createWidgets(*f);
    if (absolute_) {
        for (const Control& c : f->controls())
            if (QWidget* w = controlWidget(c.name)) placeAbsolute(c, w);
        if (schematic_) {
            // The drawing goes right of everything the design places.
            QRect used;
            for (const auto& [name, w] : widgets_)
                if (w->parentWidget() == this) used |= w->geometry();
            schematic_->setGeometry(QRect(QPoint(used.right() + 12, 8), schematic_->sizeHint()));
        }
    } else {
        buildAuto(*f);
    }
    fixTabOrder(*f);
}

void CalculatorView::createWidgets(const Form& form) {
    absolute_ = form.absoluteLayout();
    if (absolute_) {
        // Designed positions and sizes were made for a smaller type.
        QFont small = font();
        small.setPointSizeF(8.25);
        setFont(small);
    }
    const Drawing& drawing = form.schematicDrawing();
    std::map<std::string, const Slot*> slotOf;
    if (!drawing.empty()) {
        schematic_ = new SchematicView(drawing, this);
        for (const Slot& s : drawing.slots())
            slotOf[s.control] = &s;
    }
    for (const Control& c : form.controls()) {
        QWidget* parent = this;
        if (!c.frame.empty())
            if (QWidget* frame = controlWidget(c.frame)) parent = frame;
        QWidget* w = makeControl(c, parent);
        if (!w) continue;
        if (auto it = slotOf.find(c.name); it != slotOf.end()) {
            schematic_->addSlotWidget(*it->second, w);
            continue;
        }
        // A hidden control keeps its place: results appearing do not move the window.
        if (c.kind != Kind::Frame && c.kind != Kind::Picture) {
            QSizePolicy policy = w->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            w->setSizePolicy(policy);
        }
        if (!absolute_) {
            if (c.kind == Kind::Text) {
                w->setMinimumWidth(kFieldWidth);
                w->setMaximumWidth(kFieldWidth + 60);
            } else if (c.kind == Kind::Command) {
                w->setMinimumHeight(30);
            } else if (c.kind == Kind::Label) {
                const int line = w->fontMetrics().height();
                w->setMinimumHeight(c.role == Role::Result ? line + 8 : line);
                if (c.role == Role::Result) w->setMinimumWidth(180);
            }
        }
    }
}

// Controls of one container (the window or a frame) in tab order, arranged in
// two columns: captions left, fields and results right; the rest across both.
void CalculatorView::fillGrid(QGridLayout* grid, const std::vector<const Control*>& list) {
    std::set<std::string> done;
    int row = 0;
    auto nextPending = [&](std::size_t i) -> const Control* {
        for (std::size_t j = i + 1; j < list.size(); ++j)
            if (!done.count(list[j]->name)) return list[j];
        return nullptr;
    };
    auto findPending = [&](const std::string& name) -> const Control* {
        for (const Control* c : list)
            if (c->name == name && !done.count(name)) return c;
        return nullptr;
    };
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Control* c = list[i];
        if (done.count(c->name)) continue;
        done.insert(c->name);
        QWidget* w = controlWidget(c->name);
        if (!w) continue;
        switch (c->kind) {
        case Kind::Frame: {
            auto* box = static_cast<QGroupBox*>(w);
            auto* inner = new QGridLayout(box);
            inner->setHorizontalSpacing(10);
            inner->setVerticalSpacing(4);
            inner->setColumnStretch(1, 1);
            std::vector<const Control*> children;
            if (const Form* f = form())
                for (const Control& k : f->controls())
                    if (k.frame == c->name && controlWidget(k.name) &&
                        controlWidget(k.name)->parentWidget() == box)
                        children.push_back(&k);
            fillGrid(inner, children);
            grid->addWidget(box, row++, 0, 1, 2);
            break;
        }
        case Kind::Option: {
            // A run of options of one group: one column, or two for long groups.
            std::vector<QWidget*> run{w};
            for (const Control* n = nextPending(i);
                 n && n->kind == Kind::Option && n->group == c->group; n = nextPending(i)) {
                done.insert(n->name);
                run.push_back(controlWidget(n->name));
            }
            const int perColumn = run.size() > kOptionsPerColumn
                                      ? static_cast<int>((run.size() + 1) / 2)
                                      : static_cast<int>(run.size());
            for (std::size_t k = 0; k < run.size(); ++k) {
                const int column = static_cast<int>(k) / perColumn;
                const int r = row + static_cast<int>(k) % perColumn;
                if (perColumn == static_cast<int>(run.size()))
                    grid->addWidget(run[k], r, 0, 1, 2);
                else
                    grid->addWidget(run[k], r, column);
            }
            row += perColumn;
            break;
        }
        case Kind::Label:
            if (c->role == Role::Caption) {
                // Its field (the buddy), or a result that follows it directly.
                const Control* partner = c->buddy.empty() ? nullptr : findPending(c->buddy);
                if (!partner)
                    if (const Control* n = nextPending(i);
                        n &&
                        (isResultLabel(*n) ||
                         ((n->kind == Kind::Text || n->kind == Kind::Combo) && n->buddy.empty())))
                        partner = n;
                if (partner) {
                    done.insert(partner->name);
                    QWidget* pw = controlWidget(partner->name);
                    grid->addWidget(w, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
                    if (isResultLabel(*partner))
                        grid->addWidget(pw, row, 1);
                    else
                        grid->addWidget(pw, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
                    ++row;
                    break;
                }
            }
            grid->addWidget(w, row++, 0, 1, 2);
            break;
        case Kind::Text:
        case Kind::Combo:
            if (const Control* label = c->buddy.empty() ? nullptr : findPending(c->buddy)) {
                done.insert(label->name);
                grid->addWidget(controlWidget(label->name), row, 0,
                                Qt::AlignLeft | Qt::AlignVCenter);
            }
            grid->addWidget(w, row++, 1, Qt::AlignLeft | Qt::AlignVCenter);
            break;
        case Kind::Command: {
            // Commands inside a frame stay in it, in a row.
            auto* line = new QHBoxLayout;
            line->addWidget(w);
            for (const Control* n = nextPending(i); n && n->kind == Kind::Command;
                 n = nextPending(i)) {
                done.insert(n->name);
                line->addWidget(controlWidget(n->name));
            }
            line->addStretch(1);
            grid->addLayout(line, row++, 0, 1, 2);
            break;
        }
        case Kind::Picture:
            grid->addWidget(w, row++, 0, 1, 2, Qt::AlignCenter);
            break;
        default:
            grid->addWidget(w, row++, 0, 1, 2);
            break;
        }
    }
}

void CalculatorView::buildAuto(const Form& form) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 12, 14, 12);
    outer->setSpacing(12);

    auto* column = new QGridLayout;
    column->setHorizontalSpacing(10);
    column->setVerticalSpacing(6);
    column->setColumnStretch(1, 1);
    column->setColumnMinimumWidth(1, kFieldWidth + 40);
    std::vector<const Control*> top;
    std::vector<QWidget*> commands, closers;
    for (const Control& c : form.controls()) {
        QWidget* w = controlWidget(c.name);
        if (!w || !c.frame.empty() || (schematic_ && w->parentWidget() == schematic_)) continue;
        if (c.kind == Kind::Command)
            (c.role == Role::Close ? closers : commands).push_back(w);
        else
            top.push_back(&c);
    }
    fillGrid(column, top);
    column->setRowStretch(column->rowCount(), 1);

    const Drawing& d = form.schematicDrawing();
    const bool wide = schematic_ && d.width() >= 2 * d.height();
    if (schematic_ && !wide) {
        auto* body = new QHBoxLayout;
        body->setSpacing(18);
        body->addLayout(column, 0);
        body->addWidget(schematic_, 1, Qt::AlignTop);
        outer->addLayout(body, 1);
    } else {
        outer->addLayout(column, 1);
        if (schematic_) outer->addWidget(schematic_, 0, Qt::AlignHCenter);
    }

    // The commands at the bottom; the close command last, at the right.
    if (!commands.empty() || !closers.empty()) {
        auto* rows = new QVBoxLayout;
        rows->setSpacing(6);
        const std::size_t count = commands.size();
        const std::size_t perRow = kCommandsPerRow;
        std::size_t placed = 0;
        do {
            auto* line = new QHBoxLayout;
            line->setSpacing(8);
            for (std::size_t k = 0; k < perRow && placed < count; ++k)
                line->addWidget(commands[placed++]);
            line->addStretch(1);
            if (placed >= count)
                for (QWidget* w : closers)
                    line->addWidget(w);
            rows->addLayout(line);
        } while (placed < count);
        outer->addLayout(rows);
    }
}

// Places are in window coordinates, also for controls inside a frame.
void CalculatorView::placeAbsolute(const Control& c, QWidget* w) {
    if (!c.place || (schematic_ && w->parentWidget() == schematic_)) return;
    QRect r = twipsRect(*c.place);
    if (const Form* f = form(); f && !c.frame.empty() && f->hasControl(c.frame))
        if (const auto& frame = f->control(c.frame).place)
            r.translate(-twipsRect(*frame).topLeft());
    if (w->geometry() != r) w->setGeometry(r);
}

// In a designed layout an option or check box whose caption is wider than its
// place breaks the caption into lines, as the designed window does.
QString CalculatorView::buttonText(const Control& c, QWidget* w) const {
    const QString caption = toQString(c.caption);
    if (!absolute_ || !c.place) return caption;
    const int indicator = w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
                          w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w) +
                          4;
    const int room = c.place->width / kTwipsPerPixel - indicator;
    const QFontMetrics metrics(w->font());
    if (room <= 0 || metrics.horizontalAdvance(caption) <= room) return caption;
    QStringList lines;
    QString line;
    for (const QString& word : caption.split(QLatin1Char(' '))) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > room) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    lines << line;
    return lines.join(QLatin1Char('\n'));
}

void CalculatorView::fixTabOrder(const Form& form) {
    QWidget* previous = nullptr;
    for (const Control& c : form.controls()) {
        QWidget* w = controlWidget(c.name);
        if (!w || !c.tabStop || w->focusPolicy() == Qt::NoFocus) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void CalculatorView::syncGeometry(const Form& form) {
    const Twips& g = form.geometry();
    if (form.positionFixed()) {
        const std::pair<int, int> p{g.left, g.top};
        if (!position_ || *position_ != p) {
            position_ = p;
            move(screenPoint(g.left, g.top));
        }
    }
    if (!absolute_) return;
    for (const Control& c : form.controls())
        if (QWidget* w = controlWidget(c.name)) placeAbsolute(c, w);
    QSize client;
    if (form.sizeFixed()) {
        client = clientSize(g.width, g.height);
    } else {
        QRect used;
        for (const auto& [name, w] : widgets_)
            if (w->parentWidget() == this) used |= w->geometry();
        if (schematic_) used |= schematic_->geometry();
        client = QSize(used.right() + 12, used.bottom() + 12);
    }
    if (client != fixedClient_) {
        fixedClient_ = client;
        setFixedSize(client);
    }
}

void CalculatorView::afterSync(const Form& form) {
    if (absolute_ || !layout()) return;
    // Commands show their whole caption, and are never narrower than the usual button.
    for (const Control& c : form.controls()) {
        if (c.kind != Kind::Command) continue;
        if (QWidget* b = controlWidget(c.name)) {
            const int width = std::max(kCommandWidth, b->sizeHint().width());
            if (b->minimumWidth() != width) b->setMinimumWidth(width);
        }
    }
    // Wide enough for the window caption to be read whole.
    QFont bold = font();
    bold.setBold(true);
    const int captionWidth =
        std::min(760, QFontMetrics(bold).horizontalAdvance(windowTitle()) + 90);
    if (minimumWidth() < captionWidth) setMinimumWidth(captionWidth);
    // A result that wraps inside a frame makes the frame taller: settle the
    // frames' own layouts first, so that the window's layout sees it.
    for (QGroupBox* box : findChildren<QGroupBox*>())
        if (box->layout() && box->layout()->activate()) box->updateGeometry();
    // Grow (never shrink) when longer texts need more room.
    layout()->activate();
    const QSize minimum = layout()->totalMinimumSize().expandedTo(minimumSize());
    const int w = std::max(width(), minimum.width());
    const int h =
        layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(w) : minimum.height();
    if (w > width() || h > height()) resize(w, std::max(height(), h));
}

} // namespace etero::qt
