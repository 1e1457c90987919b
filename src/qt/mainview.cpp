#include "mainview.h"

#include "pictures.h"
#include "qthost.h"
#include "shell/app/catalogue.h"

#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace etero::qt {

namespace {

constexpr int kCanvasWidth = 568;
constexpr int kCanvasHeight = 386;

// Menu captions are shown exactly: an '&' would otherwise become an access key.
QString menuText(const char* caption) {
    return QString::fromUtf8(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString serifFamily() {
    const QStringList families = QFontDatabase::families();
    for (const QString& f : {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                             QStringLiteral("DejaVu Serif")})
        if (families.contains(f)) return f;
    return QStringLiteral("serif");
}

} // namespace

void MainView::build() {
    const Form* f = form();
    if (!f) return;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    // The ten menus of the bar fit the width of the picture.
    QFont menuFont = menuBar_->font();
    menuFont.setPointSizeF(9);
    menuBar_->setFont(menuFont);
    menuBar_->setStyleSheet(
        QStringLiteral("QMenuBar{spacing:0px;} QMenuBar::item{padding:3px 4px;margin:0px;}"));
    layout->setMenuBar(menuBar_);
    buildMenus();

    auto* canvas = new QWidget(this);
    canvas->setObjectName(QStringLiteral("canvas"));
    canvas->setFixedSize(kCanvasWidth, kCanvasHeight);
    layout->addWidget(canvas);
    // In design order, so that the picture lies under everything else.
    for (const Control& c : f->controls())
        makeControl(c, canvas);

    if (QWidget* image = controlWidget("Image1"))
        image->setGeometry(0, 0, kCanvasWidth, kCanvasHeight);
    if (auto* title = qobject_cast<QLabel*>(controlWidget("lbltitolo"))) {
        QFont font(serifFamily());
        font.setPointSizeF(20);
        font.setBold(true);
        title->setFont(font);
        title->setText(QStringLiteral("ETEROMETRO"));
        title->adjustSize();
        title->move(16, 10);
        if (auto* version = qobject_cast<QLabel*>(controlWidget("LBLVERSIONE"))) {
            QFont small(serifFamily());
            small.setPointSizeF(11);
            small.setItalic(true);
            version->setFont(small);
            version->setText(QStringLiteral(" vers. 2.19"));
            version->adjustSize();
            // On the title's baseline, just right of it.
            const int baseline = title->y() + title->height() - title->fontMetrics().descent();
            version->move(title->x() + title->width() + 4,
                          baseline - version->height() + version->fontMetrics().descent());
        }
    }
    if (auto* resolution = qobject_cast<QLabel*>(controlWidget("lblrisoluzione"))) {
        resolution->setWordWrap(false);
        resolution->setText(QStringLiteral("RISOLUZIONE 1280 x 1024"));
        resolution->adjustSize();
        resolution->move(20, 52);
    }
    if (auto* exit = qobject_cast<QPushButton*>(controlWidget("cdmexit"))) {
        exit->setFixedSize(46, 46);
        exit->setIconSize(QSize(32, 32));
        exit->move(kCanvasWidth - 46 - 14, kCanvasHeight - 46 - 12);
    }
    // The title must show its full caption at its largest.
    if (QWidget* title = controlWidget("lbltitolo")) title->raise();

    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] { host_.input([&] { host_.app().tick(1); }); });
    setFixedSize(sizeHint());
}

void MainView::buildMenus() {
    std::vector<QMenu*> open; // the submenu of each level above the current entry
    for (const MenuEntry& e : menuCatalogue()) {
        const auto level = static_cast<std::size_t>(e.level);
        open.resize(level - 1);
        QMenu* parentMenu = level >= 2 ? open[level - 2] : nullptr;
        if (!e.isLeaf()) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(menuText(e.caption))
                                     : menuBar_->addMenu(menuText(e.caption));
            menu->setObjectName(QString::fromLatin1(e.control));
            menu->menuAction()->setObjectName(QString::fromLatin1(e.control));
            open.push_back(menu);
            continue;
        }
        QAction* action = parentMenu ? parentMenu->addAction(menuText(e.caption))
                                     : menuBar_->addAction(menuText(e.caption));
        action->setObjectName(QString::fromLatin1(e.control));
        const int number = e.number;
        connect(action, &QAction::triggered, this,
                [this, number] { host_.input([&] { host_.app().menu(number); }); });
    }
}

void MainView::syncGeometry(const Form& form) {
    if (placed_ || !form.positionFixed()) return;
    placed_ = true;
    move(screenPoint(form.geometry().left, form.geometry().top));
}

void MainView::afterSync(const Form& form) {
    // Timer1 runs while it is enabled; a click on the title disables it for good.
    const bool running = form.hasControl("Timer1") && form.control("Timer1").enabled;
    if (running && !timer_.isActive()) timer_.start();
    if (!running && timer_.isActive()) timer_.stop();
}

void MainView::paintEvent(QPaintEvent* event) {
    FormView::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        Q_EMIT firstPaint();
    }
}

} // namespace etero::qt
