#include "qthost.h"

#include "calculatorview.h"
#include "copyresults.h"
#include "formview.h"
#include "mainview.h"
#include "search.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include <algorithm>
#include <exception>

namespace etero::qt {

namespace {

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

// Keeps a window of the given size inside the screen's available area.
QPoint onScreen(QPoint p, QSize size) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return p;
    const QRect area = screen->availableGeometry();
    const int frameW = size.width() + 8, frameH = size.height() + 30;
    p.setX(std::max(area.left(), std::min(p.x(), area.right() + 1 - frameW)));
    p.setY(std::max(area.top(), std::min(p.y(), area.bottom() + 1 - frameH)));
    return p;
}

} // namespace

QtHost::QtHost() : QtHost(Options{}) {}

QtHost::QtHost(Options options) : options_(options) {
    onEnded = [] { QCoreApplication::exit(0); };
}

QtHost::~QtHost() {
    discardWindows();
}

void QtHost::discardWindows() {
    for (auto& [name, loop] : loops_)
        loop->quit();
    for (auto& [name, view] : views_)
        if (view) delete view.data();
    views_.clear();
    delete search_.data();
}

SearchBox& QtHost::searchBox() {
    if (!search_) search_ = new SearchBox(*this);
    return *search_;
}

FormView* QtHost::view(const std::string& form) const {
    auto it = views_.find(form);
    return it == views_.end() ? nullptr : it->second.data();
}

void QtHost::input(const std::function<void()>& action) {
    if (!app_ || app_->ended()) return;
    try {
        action();
    } catch (const std::exception& e) {
        internalError(QString::fromStdString(e.what()));
    } catch (...) {
        internalError(QStringLiteral("errore sconosciuto"));
    }
    refreshAll();
}

void QtHost::refreshAll() {
    if (!app_ || app_->ended()) return;
    for (const OpenWindow& w : app_->windows())
        if (FormView* v = view(w.form->name())) v->sync();
}

void QtHost::internalError(const QString& what) {
    // A request the program could not carry out; it should not happen in use.
    errors_.push_back(what.toStdString());
    if (!options_.interactive) return;
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kProgramName), what, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// --------------------------------------------------------------- Host --

void QtHost::opened(Form& form, Mode mode) {
    FormView* v = nullptr;
    if (form.name() == kMainWindow)
        v = new MainView(*this, form);
    else
        v = new CalculatorView(*this, form);
    views_[form.name()] = v;
    v->build();
    addSearchShortcut(*v, *this);
    if (form.name() != kMainWindow) addCopyResults(*v, *this);
    v->sync();
    // A modal window takes all input: the search waits until it closes.
    if (mode == Mode::Modal && search_) search_->hide();
    if (mode == Mode::Modal) v->setWindowModality(Qt::ApplicationModal);
    v->adjustSize();
    place(*v, form);
    v->show();
    v->raise();
    v->activateWindow();
}

void QtHost::place(FormView& v, Form& form) {
    const Twips& g = form.geometry();
    QPoint p;
    if (form.positionFixed()) {
        p = FormView::screenPoint(g.left, g.top);
        if (auto* c = dynamic_cast<CalculatorView*>(&v)) c->placedAt(g.left, g.top);
    } else {
        // Centred on the screen, each further window a little lower and to the right.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
        p = area.center() - QPoint(v.width() / 2, v.height() / 2) + QPoint(24, 24) * (cascade_ % 8);
        ++cascade_;
    }
    v.move(onScreen(p, v.size()));
}

void QtHost::settled(Form& form, Mode mode) {
    if (mode != Mode::Modal || !options_.suspendModal || !form.isOpen()) return;
    // The handler that opened the window waits here until it closes; the
    // window and the main window's timer keep running meanwhile.
    refreshAll();
    QEventLoop loop;
    loops_[form.name()] = &loop;
    loop.exec(QEventLoop::DialogExec);
    loops_.erase(form.name());
}

void QtHost::front(Form& form) {
    FormView* v = view(form.name());
    if (!v) return;
    v->show();
    v->raise();
    v->activateWindow();
}

void QtHost::closed(Form& form) {
    auto it = views_.find(form.name());
    if (it != views_.end()) {
        if (FormView* v = it->second.data()) {
            v->hide();
            // Often called from inside one of the window's own handlers.
            v->deleteLater();
        }
        views_.erase(it);
    }
    if (auto loop = loops_.find(form.name()); loop != loops_.end()) loop->second->quit();
}

void QtHost::message(Form& form, const Message& m) {
    if (!options_.interactive) {
        messages_.push_back(m);
        return;
    }
    refresh(form);
    FormView* v = view(form.name());
    QWidget* parent = v && v->isVisible() ? v : nullptr;
    const QString title = m.title.empty() ? QString::fromLatin1(kProgramName) : toQString(m.title);
    QMessageBox box(boxIcon(m.icon), title, toQString(m.text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtHost::focused(Form& form, const std::string& control) {
    if (FormView* v = view(form.name())) v->focusControl(control);
}

// The message that follows tells the user; nothing else to show.
void QtHost::fault(Form&, const std::string&) {}

void QtHost::ignored(Form&, const std::string&) {
    QApplication::beep();
}

void QtHost::print(Form& form) {
    FormView* v = view(form.name());
    if (!v) return;
    v->sync();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(toQString(form.windowCaption()));
    if (!printFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile);
    } else {
        if (!options_.interactive) return;
        QPrintDialog dialog(&printer, v);
        dialog.setWindowTitle(toQString(form.windowCaption()));
        if (dialog.exec() != QDialog::Accepted) return;
    }
    // The window as it is on the screen, at its size on a 96 dpi screen
    // (smaller if the page is narrower), at the top of the page. Rendered
    // straight onto the printer, so its texts stay sharp.
    QPainter painter(&printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    double scale = printer.resolution() / 96.0;
    scale = std::min({scale, page.width() / v->width(), page.height() / v->height()});
    painter.translate((page.width() - v->width() * scale) / 2, 0);
    painter.scale(scale, scale);
    v->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    ++printed_;
}

void QtHost::ended() {
    for (auto& [name, loop] : loops_)
        loop->quit();
    if (search_) search_->hide();
    if (onEnded) onEnded();
}

void QtHost::refresh(Form& form) {
    if (FormView* v = view(form.name())) v->sync();
}

} // namespace etero::qt
