#include "layouts.h"

#include "calculatorview.h"
#include "schematic.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace etero::qt {

QString LayoutStrategy::buttonText(const Control& c, QWidget*) const {
    return toQString(c.caption);
}

// ------------------------------------------------------------- tables --

// Table lines shown as one grid: the words of each line are its cells, and
// the cells of the lines stand side by side, the line's heading above them:
// the n-th word of every line on one row. Long lines continue in further
// bands to the right, so the table stays a compact block.
class TableView : public QWidget {
  public:
    TableView(std::vector<std::pair<std::string, std::string>> lines, QWidget* parent)
        : QWidget(parent), lines_(std::move(lines)), grid_(new QGridLayout(this)) {
        setObjectName(QStringLiteral("table"));
        grid_->setContentsMargins(0, 0, 0, 0);
        grid_->setHorizontalSpacing(14);
        grid_->setVerticalSpacing(2);
    }

    void sync(const Form& form) {
        std::vector<std::pair<QString, QStringList>> shown;
        for (const auto& [heading, line] : lines_) {
            if (!form.control(line).visible) continue;
            shown.emplace_back(
                heading.empty() ? QString() : toQString(form.control(heading).caption),
                toQString(form.control(line).caption).split(QLatin1Char(' '), Qt::SkipEmptyParts));
        }
        if (shown == shown_) return;
        shown_ = shown;
        for (QLabel* cell : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            delete cell;
        qsizetype words = 0;
        for (const auto& line : shown_)
            words = std::max(words, line.second.size());
        constexpr qsizetype kRowsPerBand = 6;
        const qsizetype bands = std::max<qsizetype>(1, (words + kRowsPerBand - 1) / kRowsPerBand);
        const qsizetype rows = (words + bands - 1) / bands;
        const int perBand = static_cast<int>(shown_.size()) + 1; // a gap column between bands
        for (qsizetype b = 0; b < bands; ++b) {
            for (std::size_t l = 0; l < shown_.size(); ++l) {
                const int column = static_cast<int>(b) * perBand + static_cast<int>(l);
                auto* head = cell(shown_[l].first);
                QFont bold = head->font();
                bold.setBold(true);
                head->setFont(bold);
                grid_->addWidget(head, 0, column);
                for (qsizetype r = 0; r < rows; ++r) {
                    const qsizetype i = b * rows + r;
                    if (i < shown_[l].second.size())
                        grid_->addWidget(cell(shown_[l].second[i]), static_cast<int>(r) + 1,
                                         column);
                }
            }
            if (b + 1 < bands)
                grid_->setColumnMinimumWidth(static_cast<int>(b + 1) * perBand - 1, 12);
        }
    }

  private:
    QLabel* cell(const QString& text) {
        auto* label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    }

    std::vector<std::pair<std::string, std::string>> lines_;
    QGridLayout* grid_;
    std::vector<std::pair<QString, QStringList>> shown_;
};

// --------------------------------------------------------- automatic --

namespace {

constexpr int kFieldWidth = 130;
constexpr int kCommandWidth = 104;
// Captions of fields take at least this width, so that a caption an option
// renames ("WATT", "MILLIWATT") rarely moves the fields.
constexpr int kCaptionWidth = 170;

} // namespace

QWidget* AutoLayout::widget(const std::string& control) const {
    return control.empty() ? nullptr : view_.controlWidget(control);
}

void AutoLayout::arrange(const Form& form) {
    plan_ = planLayout(form);
    auto* outer = new QVBoxLayout(&view_);
    outer->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    outer->setSpacing(12);

    QBoxLayout* column = container("");
    QLayout* commands = nullptr; // when they close the window at the bottom
    // The commands after the last row the user fills in, or at the bottom;
    // the close command last, at the right.
    if (!plan_.commands.empty() || !plan_.closers.empty()) {
        auto* rows = new QVBoxLayout;
        rows->setSpacing(6);
        rows->setContentsMargins(0, 6, 0, 6);
        const std::size_t count = std::max<std::size_t>(1, plan_.commands.size());
        for (std::size_t r = 0; r < count; ++r) {
            auto* line = new QHBoxLayout;
            line->setSpacing(8);
            if (r < plan_.commands.size())
                for (const std::string& c : plan_.commands[r])
                    line->addWidget(widget(c));
            line->addStretch(1);
            if (r + 1 == count)
                for (const std::string& c : plan_.closers)
                    line->addWidget(widget(c));
            rows->addLayout(line);
        }
        if (plan_.commandsAtBottom)
            commands = rows;
        else
            column->insertLayout(static_cast<int>(plan_.commandsAfter), rows);
    }
    column->addStretch(1);
    SchematicView* schematic = view_.schematic();
    switch (plan_.drawing) {
    case LayoutPlan::DrawingPlace::Beside: {
        auto* body = new QHBoxLayout;
        body->setSpacing(18);
        body->addLayout(column, 0);
        body->addWidget(schematic, 1, Qt::AlignTop);
        outer->addLayout(body, 1);
        break;
    }
    case LayoutPlan::DrawingPlace::Below:
        outer->addLayout(column, 1);
        outer->addWidget(schematic, 0, Qt::AlignHCenter);
        break;
    case LayoutPlan::DrawingPlace::None:
    case LayoutPlan::DrawingPlace::InFrame:
        outer->addLayout(column, 1);
        break;
    }
    if (commands) outer->addLayout(commands);
}

// The rows of one container, top to bottom: the window's column, or a frame's inside.
QBoxLayout* AutoLayout::container(const std::string& name) {
    QBoxLayout* column = nullptr;
    if (name.empty()) {
        column = new QVBoxLayout;
    } else {
        auto* box = qobject_cast<QGroupBox*>(widget(name));
        if (!box) return nullptr;
        column = new QVBoxLayout(box);
    }
    column->setSpacing(name.empty() ? 6 : 4);
    for (const PlanRow& row : plan_.rows(name))
        addRow(column, row, name);
    return column;
}

void AutoLayout::addRow(QBoxLayout* column, const PlanRow& row, const std::string& container) {
    const Form* form = view_.model();
    switch (row.kind) {
    case PlanRow::Kind::Pair: {
        QWidget* caption = widget(row.controls[0]);
        QWidget* value = widget(row.controls[1]);
        QWidget* unit = widget(row.controls[2]);
        if (!value) return;
        const bool result = form->control(row.controls[1]).kind == Kind::Label;
        auto* line = new QHBoxLayout;
        line->setSpacing(10);
        if (caption) {
            line->addWidget(caption, 0, Qt::AlignLeft | Qt::AlignVCenter);
            (result ? resultCaptions_ : fieldCaptions_)[container].push_back(caption);
        } else if (!result) {
            // A field without a caption still lines up with the other fields.
            auto* gap = new QWidget;
            gap->setFixedHeight(1);
            line->addWidget(gap);
            fieldCaptions_[container].push_back(gap);
            gaps_.push_back(gap);
        }
        if (result) {
            if (unit) value->setMinimumWidth(kFieldWidth);
            line->addWidget(value, unit ? 0 : 1);
        } else {
            line->addWidget(value, 0, Qt::AlignLeft | Qt::AlignVCenter);
        }
        if (unit) line->addWidget(unit, 0, Qt::AlignLeft | Qt::AlignVCenter);
        if (!result || unit) line->addStretch(1);
        column->addLayout(line);
        break;
    }
    case PlanRow::Kind::Single:
        if (QWidget* w = widget(row.controls.front())) {
            if (form->control(row.controls.front()).kind == Kind::Frame)
                this->container(row.controls.front());
            column->addWidget(w);
        }
        break;
    case PlanRow::Kind::Centred:
        if (QWidget* w = widget(row.controls.front())) column->addWidget(w, 0, Qt::AlignHCenter);
        break;
    case PlanRow::Kind::Options: {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(16);
        grid->setVerticalSpacing(column->spacing());
        const int count = static_cast<int>(row.controls.size());
        const int perColumn = (count + row.columns - 1) / row.columns;
        for (int k = 0; k < count; ++k)
            grid->addWidget(widget(row.controls[static_cast<std::size_t>(k)]), k % perColumn,
                            k / perColumn);
        grid->setColumnStretch(row.columns, 1);
        column->addLayout(grid);
        break;
    }
    case PlanRow::Kind::Line: {
        auto* line = new QHBoxLayout;
        line->setSpacing(8);
        for (const std::string& c : row.controls) {
            QWidget* w = widget(c);
            if (!w) continue;
            if (form->control(c).kind == Kind::Frame) {
                this->container(c);
                line->addWidget(w, 0, Qt::AlignTop);
            } else {
                line->addWidget(w);
            }
        }
        line->addStretch(1);
        column->addLayout(line);
        break;
    }
    case PlanRow::Kind::Table: {
        std::vector<std::pair<std::string, std::string>> lines;
        for (std::size_t i = 0; i + 1 < row.controls.size(); i += 2) {
            lines.emplace_back(row.controls[i], row.controls[i + 1]);
            for (const std::string& c : {row.controls[i], row.controls[i + 1]})
                if (!c.empty()) view_.showElsewhere(c);
        }
        auto* table = new TableView(std::move(lines), nullptr);
        tables_.push_back(table);
        column->addWidget(table, 0, Qt::AlignLeft);
        break;
    }
    case PlanRow::Kind::Drawing:
        if (SchematicView* s = view_.schematic()) column->addWidget(s, 0, Qt::AlignHCenter);
        break;
    }
}

void AutoLayout::sync(const Form& form) {
    QLayout* top = view_.layout();
    if (!top) return;
    for (TableView* t : tables_)
        t->sync(form);
    // Fields line up right of the widest field caption of their container,
    // not narrower than kCaptionWidth (a field without a caption too, when
    // the container has captioned fields); results line up right of the
    // widest result caption, and never left of the fields. Neither moves
    // left again, and no result caption ever moves a field.
    for (const auto& [name, captions] : fieldCaptions_) {
        int width = captionWidth_[name];
        for (QWidget* c : captions)
            width = std::max(width, c->sizeHint().width());
        if (width > 0) width = std::max(width, kCaptionWidth);
        captionWidth_[name] = width;
        for (QWidget* c : captions)
            if (c->minimumWidth() != width) c->setMinimumWidth(width);
    }
    for (QWidget* gap : gaps_)
        gap->setVisible(gap->minimumWidth() > 0);
    for (const auto& [name, captions] : resultCaptions_) {
        int width = std::max(captionWidth_[name], resultWidth_[name]);
        for (QWidget* c : captions)
            width = std::max(width, c->sizeHint().width());
        resultWidth_[name] = width;
        for (QWidget* c : captions)
            if (c->minimumWidth() != width) c->setMinimumWidth(width);
    }
    // Commands show their whole caption, and are never narrower than the usual button.
    for (const Control& c : form.controls()) {
        if (c.kind != Kind::Command) continue;
        if (QWidget* b = view_.controlWidget(c.name)) {
            const int width = std::max(kCommandWidth, b->sizeHint().width());
            if (b->minimumWidth() != width) b->setMinimumWidth(width);
        }
    }
    // Wide enough for the window caption to be read whole.
    QFont bold = view_.font();
    bold.setBold(true);
    const int captionWidth =
        std::min(760, QFontMetrics(bold).horizontalAdvance(view_.windowTitle()) + 90);
    if (view_.minimumWidth() < captionWidth) view_.setMinimumWidth(captionWidth);
    // A result that wraps inside a frame makes the frame taller: settle the
    // frames' own layouts first, so that the window's layout sees it.
    for (QGroupBox* box : view_.findChildren<QGroupBox*>())
        if (box->layout() && box->layout()->activate()) box->updateGeometry();
    // Grow (never shrink) when longer texts need more room.
    top->activate();
    const QSize minimum = top->totalMinimumSize().expandedTo(view_.minimumSize());
    const int w = std::max(view_.width(), minimum.width());
    const int h = top->hasHeightForWidth() ? top->totalHeightForWidth(w) : minimum.height();
    if (w > view_.width() || h > view_.height()) view_.resize(w, std::max(view_.height(), h));
}

// ------------------------------------------------------------- twips --

namespace {

// Scales tried for a designed window, from the designed size up. Designed
// places were made for type of 8.25 points: the program's own larger type
// starts from the ratio of the two, so that results longer than the
// captions the window opens with have their room too.
constexpr double kDesignPoints = 8.25, kScaleStep = 0.05, kLargestScale = 1.6;

int px(double v) {
    return static_cast<int>(std::lround(v));
}

int indicatorWidth(QWidget* w) {
    return w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
           w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w) + 4;
}

// The caption broken into lines no wider than `room`, at its blanks.
QStringList wrapped(const QString& text, const QFontMetrics& m, int room) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && m.horizontalAdvance(candidate) > room) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    lines << line;
    return lines;
}

// The top-left corner of the design: the smallest left and top of the
// controls placed directly in the window.
QPoint designOrigin(const Form& form) {
    int left = INT32_MAX, top = INT32_MAX;
    for (const Control& c : form.controls()) {
        if (!c.place || !c.frame.empty() || c.kind == Kind::Timer) continue;
        left = std::min(left, c.place->left);
        top = std::min(top, c.place->top);
    }
    return left == INT32_MAX ? QPoint() : QPoint(left, top);
}

} // namespace

QRect TwipsLayout::toPixels(const Twips& t) const {
    // Edges rounded, not sizes: boxes the design sets edge to edge stay so.
    const double k = scale_ / kTwipsPerPixel;
    const int left = px(t.left * k), top = px(t.top * k);
    return QRect(left + pad_.x(), top + pad_.y(), px((t.left + t.width) * k) - left,
                 px((t.top + t.height) * k) - top);
}

QSize TwipsLayout::clientSize(int widthTwips, int heightTwips) const {
    // Borders of 4 pixels on each side and a caption bar of 22 pixels.
    return QSize(std::max(1, px((widthTwips / kTwipsPerPixel - 8) * scale_) + 2 * pad_.x()),
                 std::max(1, px((heightTwips / kTwipsPerPixel - 30) * scale_) + 2 * pad_.y()));
}

bool TwipsLayout::fits(const Control& c, QWidget* w, double scale) const {
    if (!c.place || c.role == Role::Result || c.role == Role::OnDrawing) return true;
    const double k = scale / kTwipsPerPixel;
    const int width = px(c.place->width * k), height = px(c.place->height * k);
    const QString text = toQString(withoutAccessKey(c.caption));
    if (text.isEmpty()) return true;
    const QFontMetrics m(w->font());
    const int line = m.height();
    switch (c.kind) {
    case Kind::Label:
        if (height >= 2 * line)
            return m.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text).height() <=
                   height;
        return m.horizontalAdvance(text) <= width && line <= height + 2;
    case Kind::Option:
    case Kind::Check: {
        const int room = width - indicatorWidth(w);
        if (height >= 2 * line) return wrapped(text, m, room).size() * line <= height + 2;
        return m.horizontalAdvance(text) <= room;
    }
    case Kind::Command:
        return m.horizontalAdvance(text) + 10 <= width && line + 4 <= height;
    case Kind::Frame:
        return m.horizontalAdvance(text) + 20 <= width;
    default:
        return true;
    }
}

double TwipsLayout::fittingScale(const Form& form) const {
    double scale = std::max(1.0, view_.font().pointSizeF() / kDesignPoints);
    for (; scale < kLargestScale; scale += kScaleStep) {
        bool all = true;
        for (const Control& c : form.controls())
            if (QWidget* w = view_.controlWidget(c.name); w && !fits(c, w, scale)) {
                all = false;
                break;
            }
        if (all) break;
    }
    return std::min(scale, kLargestScale);
}

void TwipsLayout::arrange(const Form& form) {
    sync(form);
}

void TwipsLayout::place(const Form& form, const Control& c, QWidget* w) {
    if (!c.place || (view_.schematic() && w->parentWidget() == view_.schematic())) return;
    QRect r = toPixels(*c.place);
    int right = client_.width() - kMargin; // how far a label may take room to its right
    int frameLeft = 0;
    // Places are window coordinates, also inside a frame.
    if (!c.frame.empty() && form.hasControl(c.frame))
        if (const auto& frame = form.control(c.frame).place) {
            const QRect f = toPixels(*frame);
            r.translate(-f.topLeft());
            right = f.width() - 4;
            frameLeft = f.left();
        }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        // A label one line high shows one line; a longer text, such as a
        // result, takes the free room to its right rather than being cut.
        const bool oneLine = r.height() < 2 * label->fontMetrics().height();
        if (label->wordWrap() == oneLine) label->setWordWrap(!oneLine);
        const int needed = label->sizeHint().width();
        if (oneLine && needed > r.width()) {
            for (const Control& other : form.controls())
                if (other.place && other.frame == c.frame && other.name != c.name &&
                    other.place->left > c.place->left &&
                    other.place->top < c.place->top + c.place->height &&
                    c.place->top < other.place->top + other.place->height)
                    right = std::min(right, toPixels(*other.place).left() -
                                                (c.frame.empty() ? 0 : frameLeft) - 4);
            r.setWidth(std::max(r.width(), std::min(needed, right - r.left())));
        }
    }
    if (c.kind == Kind::Option || c.kind == Kind::Check) {
        auto* b = static_cast<QAbstractButton*>(w);
        if (const QString t = buttonText(c, w); b->text() != t) b->setText(t);
    }
    if (w->geometry() != r) w->setGeometry(r);
}

void TwipsLayout::sync(const Form& form) {
    // The scale only grows: a caption that no longer fits enlarges the window.
    scale_ = std::max(scale_, fittingScale(form));
    const QPoint origin = designOrigin(form);
    const double k = scale_ / kTwipsPerPixel;
    pad_ = QPoint(std::max(0, kMargin - px(origin.x() * k)),
                  std::max(0, kMargin - px(origin.y() * k)));
    QSize client;
    const Twips& g = form.geometry();
    if (form.sizeFixed()) {
        // The designed size, widened or lengthened where the scaled design
        // would leave less than the common margin after a control in sight
        // (controls below the edge wait for the window to grow).
        client = clientSize(g.width, g.height);
        for (const Control& c : form.controls()) {
            if (!c.place || !c.frame.empty() || c.kind == Kind::Timer) continue;
            const QRect r = toPixels(*c.place);
            if (r.top() >= client.height()) continue;
            client = client.expandedTo(QSize(r.right() + 1 + kMargin, r.bottom() + 1 + kMargin));
        }
    } else {
        QRect used;
        for (const Control& c : form.controls())
            if (c.place && c.frame.empty()) used |= toPixels(*c.place);
        client = QSize(used.right() + 1 + kMargin, used.bottom() + 1 + kMargin);
    }
    if (SchematicView* s = view_.schematic()) {
        // The drawing goes right of everything the design places.
        QRect used;
        for (const Control& c : form.controls())
            if (c.place && c.frame.empty()) used |= toPixels(*c.place);
        const QRect r(QPoint(used.right() + 1 + kMargin, pad_.y() + px(origin.y() * k)),
                      s->sizeHint());
        if (s->geometry() != r) s->setGeometry(r);
        if (!form.sizeFixed())
            client = client.expandedTo(QSize(r.right() + 1 + kMargin, r.bottom() + 1 + kMargin));
    }
    client_ = client;
    for (const Control& c : form.controls())
        if (QWidget* w = view_.controlWidget(c.name)) place(form, c, w);
    if (view_.size() != client || view_.minimumSize() != client) view_.setFixedSize(client);
}

// An option or check box whose caption is wider than its place breaks the
// caption into lines, as the designed window does.
QString TwipsLayout::buttonText(const Control& c, QWidget* w) const {
    const QString caption = toQString(c.caption);
    if (!c.place) return caption;
    const int room = toPixels(*c.place).width() - indicatorWidth(w);
    const QFontMetrics metrics(w->font());
    if (room <= 0 || metrics.horizontalAdvance(caption) <= room) return caption;
    return wrapped(caption, metrics, room).join(QLatin1Char('\n'));
}

} // namespace etero::qt
