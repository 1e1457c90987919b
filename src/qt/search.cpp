#include "search.h"

#include "formview.h"
#include "qthost.h"
#include "shell/app/search.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace etero::qt {

namespace {

constexpr int kNumberRole = Qt::UserRole;

} // namespace

SearchBox::SearchBox(QtHost& host)
    : QWidget(nullptr, Qt::Dialog), host_(host), field_(new QLineEdit(this)),
      list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("cercacalcolatore"));
    setWindowTitle(QStringLiteral("Cerca calcolatore"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(6);
    field_->setPlaceholderText(QStringLiteral("nome o parte del nome"));
    field_->setAccessibleName(QStringLiteral("Cerca calcolatore"));
    field_->setClearButtonEnabled(true);
    list_->setAccessibleName(QStringLiteral("Risultati"));
    list_->setFocusPolicy(Qt::NoFocus); // the arrows move it from the field
    list_->setUniformItemSizes(true);
    layout->addWidget(field_);
    layout->addWidget(list_);
    resize(520, 320);

    connect(field_, &QLineEdit::textChanged, this, &SearchBox::search);
    connect(field_, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem* item = list_->currentItem())
            openEntry(item->data(kNumberRole).toInt());
    });
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { openEntry(item->data(kNumberRole).toInt()); });
    field_->installEventFilter(this);
}

std::vector<int> SearchBox::listed() const {
    std::vector<int> numbers;
    for (int i = 0; i < list_->count(); ++i)
        numbers.push_back(list_->item(i)->data(kNumberRole).toInt());
    return numbers;
}

bool SearchBox::popUp(QWidget* from) {
    if (host_.app().ended() || host_.app().modalTop()) {
        QApplication::beep();
        return false;
    }
    const QWidget* over = from ? from->window() : nullptr;
    const QRect area = over ? over->frameGeometry()
                            : (QGuiApplication::primaryScreen()
                                   ? QGuiApplication::primaryScreen()->availableGeometry()
                                   : QRect(0, 0, 1280, 1024));
    move(area.center().x() - width() / 2, area.top() + std::max(40, area.height() / 5));
    field_->selectAll();
    show();
    raise();
    activateWindow();
    field_->setFocus(Qt::ShortcutFocusReason);
    return true;
}

void SearchBox::search(const QString& text) {
    list_->clear();
    for (const SearchMatch& m : findCalculators(text.toStdString())) {
        auto* item = new QListWidgetItem(QString::fromStdString(m.path), list_);
        item->setData(kNumberRole, m.entry->number);
    }
    if (list_->count() > 0) list_->setCurrentRow(0);
}

void SearchBox::openEntry(int number) {
    hide();
    host_.input([&] { host_.app().openEntry(number); });
}

// Up, Down, Page Up and Page Down in the field move through the list.
bool SearchBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int count = list_->count();
        if (count > 0 && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                          key == Qt::Key_PageDown)) {
            const int page = 8;
            const int step = key == Qt::Key_Up       ? -1
                             : key == Qt::Key_Down   ? 1
                             : key == Qt::Key_PageUp ? -page
                                                     : page;
            list_->setCurrentRow(std::clamp(list_->currentRow() + step, 0, count - 1));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void addSearchShortcut(FormView& view, QtHost& host) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), &view);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &view,
                     [&view, &host] { host.searchBox().popUp(&view); });
}

} // namespace etero::qt
