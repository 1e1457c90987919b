#include "copyresults.h"

#include "formview.h"
#include "qthost.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

namespace etero::qt {

QAction* addCopyResults(FormView& view, QtHost& host) {
    auto* action = new QAction(QStringLiteral("Copia i risultati"), &view);
    action->setObjectName(QStringLiteral("copiarisultati"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    QObject::connect(action, &QAction::triggered, &view, [&view, &host] {
        const std::string form = view.formName();
        host.input([&] {
            if (const auto text = host.app().copyResults(form))
                QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
        });
    });
    view.addAction(action);
    view.setContextMenuPolicy(Qt::ActionsContextMenu);
    // Labels (results that can be selected with the mouse among them) leave
    // the right click to the window, so that its menu is the same everywhere
    // but in the text fields, which keep their editing menu.
    for (QLabel* label : view.findChildren<QLabel*>())
        label->setContextMenuPolicy(Qt::NoContextMenu);
    return action;
}

} // namespace etero::qt
