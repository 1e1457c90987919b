// ETEROMETRO, the desktop program: the main window and every calculator as a
// Qt window. The program ends when its last window closes.
#include "qt/program.h"
#include "qt/style.h"
#include "shell/cli/cli.h"

#include <QApplication>

#include <iostream>

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they work without a display too.
    const etero::cli::Spec spec{
        "eterometro",
        "",
        "ETEROMETRO, a workbench of small engineering calculators for radio amateurs\n"
        "and electronics hobbyists, with an Italian user interface. Starts the main\n"
        "window; Ctrl+F finds a calculator by name. Qt's own settings come from the\n"
        "environment (QT_QPA_PLATFORM, QT_SCALE_FACTOR, QT_STYLE_OVERRIDE).",
        {},
        {},
        0};
    etero::cli::Parsed args;
    if (const auto status = etero::cli::parse(argc, argv, spec, args, std::cout, std::cerr))
        return *status;

    int qtArgc = 1; // the command line holds nothing for Qt
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("eterometro"));
    QApplication::setApplicationVersion(QString::fromLatin1(etero::cli::version()));
    // Its windows belong to its desktop entry (the icon in a Wayland task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.eterometro.eterometro"));
    // The form model decides when the program ends: the main window may close
    // while calculators stay open.
    QApplication::setQuitOnLastWindowClosed(false);
    etero::qt::applyStyle(application);

    etero::qt::Program program;
    program.start();
    if (program.app().ended()) return 0;
    return QApplication::exec();
}
