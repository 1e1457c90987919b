// Finding a calculator and copying its results in the desktop program, as a
// user does it: Ctrl+F, typing, the arrows and Enter or a click; the context
// menu and Ctrl+Shift+C; the modal chain keeping both out of its way; the
// accessible names a screen reader reads on every window; the program's icon.
#include "qt/formview.h"
#include "qt/mainview.h"
#include "qt/program.h"
#include "qt/search.h"
#include "shell/app/catalogue.h"
#include "shell/form/reading.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace etero {
namespace {

class FindCopy : public ::testing::Test {
  protected:
    void start(qt::QtHost::Options options = {}) {
        program = std::make_unique<qt::Program>(options);
        program->host().onEnded = [] {};
        program->start();
    }
    void TearDown() override {
        program.reset();
        QApplication::processEvents();
    }
    App& app() { return program->app(); }
    qt::FormView* view(const std::string& form) { return program->host().view(form); }
    qt::SearchBox& box() { return program->host().searchBox(); }
    void menu(int number) {
        program->host().input([&] { app().menu(number); });
    }
    // The keys as the user presses them in a window.
    void press(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        // A window's shortcuts answer in the active window only.
        w->window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w->window()));
        QTest::keyClick(w, static_cast<Qt::Key>(key), modifiers);
    }
    std::unique_ptr<qt::Program> program;
};

TEST_F(FindCopy, CtrlFInTheMainWindowFindsAndEnterOpensInTheCataloguedMode) {
    start({/*suspendModal=*/false, /*interactive=*/false});
    press(program->mainView(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(box().isVisible());
    EXPECT_EQ(box().windowTitle(), QStringLiteral("Cerca calcolatore"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == box().field(); }));
    QTest::keyClicks(box().field(), QStringLiteral("toro"));
    ASSERT_EQ(box().listed().size(), 10u);
    // Each entry is shown with its menu path.
    EXPECT_EQ(box().list()->item(0)->text(),
              QStringLiteral("Circuiti L C R > Toroidi iron powder - Serie T > "
                             "Nuclei/Bobine Toroidali"));
    // Down, Down, Up: the second entry; Enter opens it.
    QTest::keyClick(box().field(), Qt::Key_Down);
    QTest::keyClick(box().field(), Qt::Key_Down);
    QTest::keyClick(box().field(), Qt::Key_Up);
    const int chosen = box().listed().at(1);
    QTest::keyClick(box().field(), Qt::Key_Return);
    EXPECT_FALSE(box().isVisible());
    const MenuEntry* e = menuEntry(chosen);
    ASSERT_TRUE(app().isOpen(e->form));
    EXPECT_EQ(app().windows().front().mode, e->mode);
    EXPECT_EQ(view(e->form)->windowModality(),
              e->mode == Mode::Modal ? Qt::ApplicationModal : Qt::NonModal);
}

TEST_F(FindCopy, FromACalculatorWindowAClickOpensTheEntryEvenWithTheMainWindowClosed) {
    start({false, false});
    menu(7); // frmvoltwatt, modeless
    program->host().input([&] { app().closeBox(kMainWindow); });
    ASSERT_FALSE(app().isOpen(kMainWindow));
    press(view("frmvoltwatt"), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(box().isVisible());
    QTest::keyClicks(box().field(), QStringLiteral("RG58"));
    ASSERT_FALSE(box().listed().empty());
    EXPECT_EQ(box().listed().front(), 117);
    QListWidget* list = box().list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(app().isOpen("frmcaviRG"));
    EXPECT_FALSE(box().isVisible());
}

TEST_F(FindCopy, WhileAModalWindowIsOpenTheSearchIsNotAvailable) {
    start({false, false});
    press(program->mainView(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(box().isVisible());
    QTest::keyClicks(box().field(), QStringLiteral("ohm"));
    // A modal calculator opened meanwhile (from the menu) puts the box away...
    menu(2);
    ASSERT_NE(app().modalTop(), nullptr);
    EXPECT_FALSE(box().isVisible());
    // ...and Ctrl+F in the modal window does not bring it back.
    press(view("frmleggediohm"), Qt::Key_F, Qt::ControlModifier);
    EXPECT_FALSE(box().isVisible());
    EXPECT_FALSE(box().popUp(view("frmleggediohm")));
    program->host().input([&] { app().closeBox("frmleggediohm"); });
    EXPECT_TRUE(box().popUp(program->mainView()));
    // Escape puts it away; what was typed stays, ready to be typed over.
    QTest::keyClick(box().field(), Qt::Key_Escape);
    EXPECT_FALSE(box().isVisible());
    EXPECT_EQ(box().field()->text(), QStringLiteral("ohm"));
}

TEST_F(FindCopy, ContextMenuAndCtrlShiftCCopyTheResultsAsShown) {
    start({false, false});
    menu(2); // frmleggediohm, modal
    qt::FormView* v = view("frmleggediohm");
    program->host().input([&] {
        app().setText("frmleggediohm", "txtinput1", "12");
        app().setText("frmleggediohm", "txtinput2", "2");
        app().click("frmleggediohm", "cmdcalcola");
    });
    const QString expected = QString::fromStdString(copyText(*app().instance("frmleggediohm")));
    ASSERT_TRUE(expected.endsWith(QStringLiteral("\nWATT : 24,")));
    // The window's context menu holds the one action, with its shortcut.
    ASSERT_EQ(v->contextMenuPolicy(), Qt::ActionsContextMenu);
    ASSERT_EQ(v->actions().size(), 1);
    QAction* copy = v->actions().front();
    EXPECT_EQ(copy->text(), QStringLiteral("Copia i risultati"));
    EXPECT_EQ(copy->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    // A right click on a result opens the window's menu, not the label's own.
    auto* result = qobject_cast<QLabel*>(v->controlWidget("lblinput(5)"));
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->contextMenuPolicy(), Qt::NoContextMenu);

    QGuiApplication::clipboard()->clear();
    copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);

    QGuiApplication::clipboard()->clear();
    press(v->controlWidget("txtinput1"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    // The main window is no calculator: no copy action there.
    EXPECT_TRUE(program->mainView()->actions().isEmpty());
}

// A screen reader hears every field, list, option, command and result of
// every window by the name the form model gives it.
TEST_F(FindCopy, EveryWindowNamesItsControlsForAScreenReader) {
    start({false, false});
    std::vector<std::string> forms = allForms();
    forms.push_back(kMainWindow);
    int named = 0;
    for (const std::string& name : forms) {
        if (name != kMainWindow) program->host().input([&] { app().open(name, Mode::Modeless); });
        const Form* f = app().instance(name);
        qt::FormView* v = view(name);
        ASSERT_TRUE(f && v) << name;
        for (const Control& c : f->controls()) {
            QWidget* w = v->controlWidget(c.name);
            if (!w || w->isHidden() || !w->isVisibleTo(v)) continue;
            const QString expected = QString::fromStdString(accessibleName(*f, c));
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr) << name << "." << c.name;
            const bool value = c.kind == Kind::Text || c.kind == Kind::Combo ||
                               c.kind == Kind::Option || c.kind == Kind::Check ||
                               c.kind == Kind::Command || c.role == Role::Result;
            if (!value) continue;
            EXPECT_EQ(a->text(QAccessible::Name), expected) << name << "." << c.name;
            if (c.kind != Kind::Label) {
                EXPECT_FALSE(expected.isEmpty()) << name << "." << c.name;
            }
            ++named;
        }
        if (name != kMainWindow) program->host().input([&] { app().closeBox(name); });
    }
    EXPECT_GT(named, 1000);
}

TEST_F(FindCopy, NamesFollowTheCaptionsAWindowChanges) {
    start({false, false});
    menu(182); // frmcostantetemporc
    qt::FormView* v = view("frmcostantetemporc");
    auto name = [&](const char* control) {
        return QAccessible::queryAccessibleInterface(v->controlWidget(control))
            ->text(QAccessible::Name);
    };
    EXPECT_EQ(name("txtinput1"), QStringLiteral("RESISTENZA, megaOhm"));
    QTest::mouseClick(v->controlWidget("Option1(1)"), Qt::LeftButton);
    EXPECT_EQ(name("txtinput1"), QStringLiteral("TEMPO, secondi"));
    EXPECT_EQ(name("txtinput2"), QStringLiteral("RESISTENZA, megaOhm"));
}

TEST(Icon, TheProgramsOwnScalableIconIsOnEveryWindow) {
    QSvgRenderer svg(QStringLiteral(":/etero/eterometro.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), QSize(128, 128));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_FALSE(QApplication::windowIcon().pixmap(48, 48).isNull());
}

} // namespace
} // namespace etero
