// ETEROMETRO, the desktop program: the main window and every calculator as a
// Qt window. The program ends when its last window closes.
#include "qt/program.h"
#include "qt/style.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("eterometro"));
    // The form model decides when the program ends: the main window may close
    // while calculators stay open.
    QApplication::setQuitOnLastWindowClosed(false);
    etero::qt::applyStyle(application);

    etero::qt::Program program;
    program.start();
    if (program.app().ended()) return 0;
    return QApplication::exec();
}
