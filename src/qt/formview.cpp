#include "formview.h"

#include "accessible.h"
#include "pictures.h"
#include "qthost.h"
#include "schematic.h"
#include "style.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace etero::qt {

QColor toColor(Rgb rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

FormView::FormView(QtHost& host, const Form& form) : host_(host), name_(form.name()) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setObjectName(toQString(name_));
}

const Form* FormView::form() const {
    const Form* f = host_.app().instance(name_);
    return f && f->isOpen() ? f : nullptr;
}

QWidget* FormView::controlWidget(const std::string& control) const {
    auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second;
}

QPoint FormView::screenPoint(int leftTwips, int topTwips) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->availableGeometry().topLeft() : QPoint();
    return origin + QPoint(leftTwips / kTwipsPerPixel, topTwips / kTwipsPerPixel);
}

// ------------------------------------------------------------ widgets --

QWidget* FormView::makeControl(const Control& c, QWidget* parent) {
    const std::string n = c.name;
    QWidget* w = nullptr;
    switch (c.kind) {
    case Kind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        // Results can be selected with the mouse and copied.
        if (c.role == Role::Result || c.role == Role::OnDrawing)
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        w = label;
        break;
    }
    case Kind::Text: {
        auto* edit = new QLineEdit(parent);
        // One change per keystroke (a paste is one change), as the user makes it.
        connect(edit, &QLineEdit::textEdited, this, [this, n](const QString& text) {
            host_.input([&] { host_.app().setText(name_, n, text.toStdString()); });
        });
        w = edit;
        break;
    }
    case Kind::Command: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        if (!c.picture.empty()) {
            button->setIcon(pictureIcon(c.picture));
            button->setIconSize(QSize(32, 32));
        }
        connect(button, &QPushButton::clicked, this,
                [this, n] { host_.input([&] { host_.app().click(name_, n); }); });
        w = button;
        break;
    }
    case Kind::Option: {
        // The model decides which button of a group is on; Qt's own
        // exclusivity would fight it.
        auto* option = new QRadioButton(parent);
        option->setAutoExclusive(false);
        connect(option, &QRadioButton::clicked, this,
                [this, n] { host_.input([&] { host_.app().click(name_, n); }); });
        w = option;
        break;
    }
    case Kind::Check: {
        auto* check = new QCheckBox(parent);
        connect(check, &QCheckBox::clicked, this,
                [this, n] { host_.input([&] { host_.app().click(name_, n); }); });
        w = check;
        break;
    }
    case Kind::Combo: {
        auto* combo = new QComboBox(parent);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        // The prompt a list shows before a choice ("TOROIDI") is an invitation,
        // not a disabled control: it is written in the colour of any text.
        QPalette palette = combo->palette();
        palette.setColor(QPalette::PlaceholderText, palette.color(QPalette::ButtonText));
        combo->setPalette(palette);
        connect(combo, &QComboBox::activated, this, [this, n](int index) {
            host_.input([&] { host_.app().select(name_, n, index); });
        });
        w = combo;
        break;
    }
    case Kind::Frame:
        w = new QGroupBox(parent);
        break;
    case Kind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(c.art ? drawingPixmap(*c.art, devicePixelRatioF())
                                 : picturePixmap(c.picture, devicePixelRatioF()));
        w = picture;
        break;
    }
    case Kind::Timer:
        return nullptr;
    }
    w->setObjectName(toQString(n));
    applyRoleFont(c, w);
    if (!c.tabStop && w->focusPolicy() != Qt::NoFocus) w->setFocusPolicy(Qt::ClickFocus);
    names_[w] = n;
    const Form* f = form();
    if ((c.kind == Kind::Label || c.kind == Kind::Picture) && f && f->hasClickReaction(n)) {
        w->setCursor(Qt::PointingHandCursor);
        w->installEventFilter(this);
    }
    if (c.canTakeFocus() || c.tabStop) w->installEventFilter(this);
    widgets_[n] = w;
    return w;
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    auto it = names_.find(watched);
    if (it == names_.end()) return QWidget::eventFilter(watched, event);
    const std::string control = it->second;
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* w = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && w->rect().contains(mouse->position().toPoint()) &&
            (qobject_cast<QLabel*>(w) != nullptr))
            host_.input([&] { host_.app().click(name_, control); });
    } else if (event->type() == QEvent::FocusIn) {
        // The keyboard moved the focus here: the model hears of it, so that an
        // unselected option button taking the focus is selected.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            const Form* f = form();
            if (f && f->hasControl(control) && f->control(control).canTakeFocus())
                host_.input([&] { host_.app().focus(name_, control); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FormView::closeEvent(QCloseEvent* event) {
    // The close box unloads the form exactly like its close command; the
    // model decides, and hides the window when it does.
    if (!form()) {
        event->accept();
        return;
    }
    event->ignore();
    host_.input([&] { host_.app().closeBox(name_); });
}

QString FormView::buttonText(const Control& c, QWidget*) const {
    return toQString(c.caption);
}

void FormView::focusControl(const std::string& control) {
    QWidget* w = controlWidget(control);
    if (!w) return;
    if (isVisible() && !isActiveWindow()) activateWindow();
    w->setFocus(Qt::OtherFocusReason);
}

// --------------------------------------------------------------- sync --

void FormView::sync() {
    const Form* f = form();
    if (!f) return;
    QString caption = toQString(f->windowCaption());
    if (caption.isEmpty()) caption = QStringLiteral(" ");
    if (caption != shownCaption_) {
        shownCaption_ = caption;
        setWindowTitle(caption);
    }
    for (const Control& c : f->controls()) {
        auto it = widgets_.find(c.name);
        if (it != widgets_.end() && it->second) syncControl(c, it->second);
    }
    if (schematic_) schematic_->syncSlots(*f);
    nameControls(*f, *this);
    syncGeometry(*f);
    afterSync(*f);
}

namespace {

void setText(QLabel* l, const QString& t) {
    if (l->text() != t) l->setText(t);
}

} // namespace

void FormView::syncControl(const Control& c, QWidget* w) {
    switch (c.kind) {
    case Kind::Label:
        setText(static_cast<QLabel*>(w), toQString(c.caption));
        break;
    case Kind::Text: {
        auto* edit = static_cast<QLineEdit*>(w);
        const QString t = toQString(c.text);
        if (edit->text() != t) edit->setText(t); // only when different: the cursor stays
        break;
    }
    case Kind::Command: {
        auto* b = static_cast<QPushButton*>(w);
        const QString t = toQString(c.caption);
        if (b->text() != t) b->setText(t);
        break;
    }
    case Kind::Option:
    case Kind::Check: {
        auto* b = static_cast<QAbstractButton*>(w);
        const QString t = buttonText(c, w);
        if (b->text() != t) b->setText(t);
        if (b->isChecked() != c.value) b->setChecked(c.value);
        break;
    }
    case Kind::Combo: {
        auto* combo = static_cast<QComboBox*>(w);
        QStringList items;
        for (const auto& i : c.items)
            items << toQString(i);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        const QSignalBlocker block(combo);
        if (items != shown) {
            combo->clear();
            combo->addItems(items);
        }
        if (combo->currentIndex() != c.listIndex) combo->setCurrentIndex(c.listIndex);
        if (c.listIndex < 0) combo->setPlaceholderText(toQString(c.text));
        break;
    }
    case Kind::Frame: {
        auto* box = static_cast<QGroupBox*>(w);
        const QString t = toQString(c.caption);
        if (box->title() != t) box->setTitle(t);
        break;
    }
    case Kind::Picture:
    case Kind::Timer:
        break;
    }
    const bool shown = c.visible && !shownElsewhere_.count(c.name);
    if (w->isHidden() == shown) w->setVisible(shown);
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    const QString tip = toQString(c.tooltip);
    if (w->toolTip() != tip) w->setToolTip(tip);
    styleControl(c, w);
}

void FormView::styleControl(const Control& c, QWidget* w) {
    QFont font = w->font();
    if (c.fontPoints > 0) font.setPointSizeF(c.fontPoints);
    if (c.fixedPitch) {
        font.setFamily(QStringLiteral("DejaVu Sans Mono"));
        font.setStyleHint(QFont::Monospace);
        font.setFixedPitch(true);
    }
    font.setBold(c.bold || c.role == Role::Result || c.role == Role::Title);
    if (font != w->font()) w->setFont(font);
    const bool onDrawing = schematic_ && w->parentWidget() == schematic_;
    const QString css = styleSheetFor(c, onDrawing, compactResults());
    if (w->styleSheet() != css) w->setStyleSheet(css);
}

} // namespace etero::qt
