#include "style.h"

#include "formview.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QLabel>
#include <QStyleFactory>

namespace etero::qt {

namespace {

QString hex(Rgb c) {
    return toColor(c).name(QColor::HexRgb);
}

} // namespace

void applyStyle(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    QFont font;
    const QStringList families = QFontDatabase::families();
    for (const QString& family : {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                                  QStringLiteral("Arial")}) {
        if (families.contains(family)) {
            font = QFont(family);
            break;
        }
    }
    font.setPointSizeF(9.5);
    app.setFont(font);
    // Every window shows the program's own icon, the one its desktop entry shows.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/etero/eterometro.svg")));
}

void applyRoleFont(const Control& c, QWidget* w) {
    QFont font = w->font();
    switch (c.role) {
    case Role::Hint:
        font.setItalic(true);
        font.setPointSizeF(font.pointSizeF() - 0.5);
        break;
    case Role::Title:
        font.setPointSizeF(font.pointSizeF() + 3);
        font.setBold(true);
        break;
    case Role::Result:
        font.setBold(true);
        break;
    default:
        break;
    }
    w->setFont(font);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        switch (c.role) {
        case Role::Hint:
        case Role::Auto:
        case Role::Title:
        case Role::Result: // a long result wraps instead of being cut or widening the window
            label->setWordWrap(true);
            break;
        default:
            break;
        }
    }
}

QString styleSheetFor(const Control& c, bool onDrawing, bool compact) {
    const QString fore = hex(c.forecolor);
    const QString back =
        c.backcolor ? QStringLiteral("background:%1;").arg(hex(*c.backcolor)) : QString();
    switch (c.kind) {
    case Kind::Label:
        // An empty result shows no box: it is not mistaken for a field to fill in.
        if (c.role == Role::Result && !onDrawing && !c.caption.empty())
            return QStringLiteral("QLabel{color:%1;background:%2;border:1px solid #b8ae96;"
                                  "border-radius:3px;padding:%3;}")
                .arg(fore, c.backcolor ? hex(*c.backcolor) : QStringLiteral("#fffcf2"),
                     compact ? QStringLiteral("0px 4px") : QStringLiteral("2px 6px"));
        return QStringLiteral("QLabel{color:%1;%2}").arg(fore, back);
    case Kind::Text:
        if (c.forecolor == kBlack && !c.backcolor) return {};
        return QStringLiteral("QLineEdit{color:%1;%2}").arg(fore, back);
    case Kind::Command:
        if (c.forecolor == kBlack && !c.backcolor) return {};
        return QStringLiteral("QPushButton{color:%1;%2}").arg(fore, back);
    case Kind::Option:
    case Kind::Check:
        if (c.forecolor == kBlack && !c.backcolor) return {};
        return QStringLiteral("QAbstractButton{color:%1;%2}").arg(fore, back);
    case Kind::Frame:
        if (c.forecolor == kBlack && !c.backcolor) return {};
        return QStringLiteral("QGroupBox{color:%1;%2}").arg(fore, back);
    default:
        return {};
    }
}

} // namespace etero::qt
