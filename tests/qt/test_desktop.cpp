// The desktop program as a user meets it: the main window and its menu bar,
// modal and modeless calculator windows, message boxes and focus, the
// renderer's layout, designed geometry, printing and program end.
#include "qt/calculatorview.h"
#include "qt/formview.h"
#include "qt/layouts.h"
#include "qt/mainview.h"
#include "qt/program.h"
#include "shell/app/catalogue.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace etero {
namespace {

// A test bench with what the calculators use: two inputs, a result, a list,
// a division that can fault, a check with the missing-data warning, a
// companion command, a modal page, a print command and a close command.
class Bench : public Form {
  public:
    Bench() : Form("tstbanco") {}

  protected:
    void design() override {
        window("BANCO DI PROVA");
        field("lbla", "VALORE A", "txta");
        field("lblb", "VALORE B", "txtb");
        result("lblout");
        combo("cmbscelta", {"UNO", "DUE", "TRE"});
        command("cmddividi", "DIVIDI", [this] {
            caption("lblout", "prima");
            const double r = num("txta") / num("txtb");
            caption("lblout", formatLocale(r));
        });
        command("cmdverifica", "VERIFICA", [this] {
            if (num("txta") == 0) return missingData("txtb");
        });
        command("cmdcompagno", "COMPAGNO", [this] { openForm("frmvoltwatt", Mode::Modeless); });
        command("cmdpagina", "PAGINA", [this] {
            openForm("tstpagina", Mode::Modal);
            caption("lblout", "dopo la pagina");
        });
        printCommand("cmdstampa", "STAMPA");
        closeCommand("cmdesci", "E S C I");
        onSelect("cmbscelta", [this] { caption("lblout", "scelto " + text("cmbscelta")); });
    }
};
ETERO_FORM(Bench, "tstbanco");

class Page : public Form {
  public:
    Page() : Form("tstpagina") {}

  protected:
    void design() override {
        window("PAGINA");
        label("Label1", "UNA PAGINA").as(Role::Hint);
        label("Label2", "NOME   VALORE").monospaced();
        Drawing art(60, 30);
        art.resistor(0, 15, 60, Dir::Right);
        picture("Picture1", std::move(art));
        onClick("Picture1", [this] { caption("Label1", "SCELTA"); });
        closeCommand("cmdchiudi", "CHIUDI");
    }
};
ETERO_FORM(Page, "tstpagina");

// Every position in twips, and a command that grows and moves the window.
class Designed : public Form {
  public:
    Designed() : Form("tstdisegno") {}

  protected:
    void design() override {
        window("DISEGNATA");
        layoutInTwips();
        windowPlace(600, 450, 6000, 4500);
        label("Label1", "IN ALTO").at(150, 150, 3000, 255);
        frame("Frame1", "GRUPPO").at(150, 600, 3000, 1500);
        option("Option1", 0, "PRIMA").at(300, 900, 2000, 300);
        endFrame();
        command("cmdcresci", "CRESCI", [this] {
            resizeWindow(6000, 7500);
            moveWindow(1500, 1500);
        }).at(150, 2400, 1500, 400);
        label("Label2", "SOTTO").at(150, 5000, 3000, 255);
        closeCommand("cmdesci", "ESCI").at(1800, 2400, 1500, 400);
    }
};
ETERO_FORM(Designed, "tstdisegno");

using qt::FormView;
using qt::Program;

class Desktop : public ::testing::Test {
  protected:
    void start(qt::QtHost::Options options = {}) {
        program = std::make_unique<Program>(options);
        program->host().onEnded = [this] { ++ends; };
        program->start();
    }
    void TearDown() override {
        program.reset();
        QApplication::processEvents();
    }
    App& app() { return program->app(); }
    FormView* view(const std::string& form) { return program->host().view(form); }
    template <class W> W* widget(const std::string& form, const std::string& control) {
        FormView* v = view(form);
        return v ? qobject_cast<W*>(v->controlWidget(control)) : nullptr;
    }
    void open(const std::string& form, Mode mode = Mode::Modeless) {
        program->host().input([&] { app().open(form, mode); });
    }
    QAction* menuAction(int number) {
        const MenuEntry* e = menuEntry(number);
        return program->mainView()->findChild<QAction*>(QString::fromLatin1(e->control));
    }
    void click(const std::string& form, const std::string& control) {
        QWidget* w = view(form)->controlWidget(control);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    void type(const std::string& form, const std::string& control, const QString& text) {
        auto* edit = widget<QLineEdit>(form, control);
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    // Runs `check` on the message box as soon as it is shown, then answers OK.
    void onMessageBox(std::function<void(QMessageBox&)> check) {
        auto seen = std::make_shared<bool>(false);
        auto poll = std::make_shared<std::function<void()>>();
        *poll = [check, seen, poll] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                *seen = true;
                check(*box);
                box->button(QMessageBox::Ok)->click();
                return;
            }
            QTimer::singleShot(10, *poll);
        };
        QTimer::singleShot(0, *poll);
        boxSeen = seen;
    }
    std::unique_ptr<Program> program;
    std::shared_ptr<bool> boxSeen;
    int ends = 0;
};

// ------------------------------------------------------------ main window --

// The menu bar as (level, caption, is a leaf) in tree order.
void collect(const QList<QAction*>& actions, int level,
             std::vector<std::tuple<int, QString, bool>>& out) {
    for (QAction* a : actions) {
        out.emplace_back(level, a->text(), a->menu() == nullptr);
        if (a->menu()) collect(a->menu()->actions(), level + 1, out);
    }
}

TEST_F(Desktop, MenuBarHoldsTheWholeCatalogueWithExactCaptions) {
    start();
    std::vector<std::tuple<int, QString, bool>> shown;
    collect(program->mainView()->menuBar()->actions(), 1, shown);
    const auto catalogue = menuCatalogue();
    ASSERT_EQ(shown.size(), 247u);
    ASSERT_EQ(program->mainView()->menuBar()->actions().size(), 10);
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const MenuEntry& e = catalogue[i];
        EXPECT_EQ(std::get<0>(shown[i]), e.level) << e.control;
        // Blanks included; no access-key markers added.
        EXPECT_EQ(std::get<1>(shown[i]), QString::fromUtf8(e.caption)) << e.control;
        EXPECT_EQ(std::get<2>(shown[i]), e.isLeaf()) << e.control;
    }
    for (QAction* a : program->mainView()->menuBar()->findChildren<QAction*>()) {
        EXPECT_FALSE(a->isSeparator());
        EXPECT_TRUE(a->shortcut().isEmpty());
        EXPECT_FALSE(a->isCheckable());
        EXPECT_TRUE(a->isEnabled());
    }
}

TEST_F(Desktop, MainWindowShowsItsLabelsPictureAndCloseButton) {
    start();
    FormView* main = view(kMainWindow);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("ETEROMETRO    -   IL VOLTARIO"));
    auto* title = widget<QLabel>(kMainWindow, "lbltitolo");
    EXPECT_EQ(title->text(), QStringLiteral("ETEROMETRO"));
    EXPECT_EQ(title->toolTip(), QStringLiteral("clicca per fermare"));
    EXPECT_TRUE(title->font().bold());
    EXPECT_TRUE(title->styleSheet().contains(QStringLiteral("#ff0000")));
    auto* version = widget<QLabel>(kMainWindow, "LBLVERSIONE");
    EXPECT_EQ(version->text(), QStringLiteral(" vers. 2.19"));
    EXPECT_EQ(version->toolTip(), QStringLiteral("maggio 2002"));
    EXPECT_TRUE(version->styleSheet().contains(QStringLiteral("#0000ff")));
    EXPECT_EQ(widget<QLabel>(kMainWindow, "lblrisoluzione")->text(),
              QStringLiteral("RISOLUZIONE 1280 x 1024"));
    auto* exit = widget<QPushButton>(kMainWindow, "cdmexit");
    EXPECT_EQ(exit->toolTip(), QStringLiteral("CHIUDI TUTTO"));
    EXPECT_TRUE(exit->text().isEmpty());
    EXPECT_FALSE(exit->icon().isNull());
    EXPECT_FALSE(widget<QLabel>(kMainWindow, "Image1")->pixmap().isNull());
    EXPECT_EQ(program->mainView()->timer().interval(), 1000);
    EXPECT_TRUE(program->mainView()->timer().isActive());
}

TEST_F(Desktop, TitleBlinksEverySecondAndFreezesForGoodOnClick) {
    start();
    auto* title = widget<QLabel>(kMainWindow, "lbltitolo");
    auto colourIs = [&](const char* c) { return title->styleSheet().contains(QLatin1String(c)); };
    // The real timer drives it: blue, then red again.
    EXPECT_TRUE(QTest::qWaitFor([&] { return colourIs("#0000ff"); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return colourIs("#ff0000"); }, 5000));
    QTest::mouseClick(title, Qt::LeftButton, {}, title->rect().center());
    EXPECT_FALSE(program->mainView()->timer().isActive());
    const QString frozen = title->styleSheet();
    program->host().input([&] { app().tick(3); });
    EXPECT_EQ(title->styleSheet(), frozen);
}

TEST_F(Desktop, EveryMenuLeafOpensItsWindowInTheCataloguedMode) {
    start({/*suspendModal=*/false, /*interactive=*/false});
    for (const MenuEntry& e : menuCatalogue()) {
        if (!e.isLeaf()) continue;
        menuAction(e.number)->trigger();
        FormView* v = view(e.form);
        ASSERT_NE(v, nullptr) << e.form;
        EXPECT_TRUE(v->isVisible()) << e.form;
        const auto windows = app().windows();
        ASSERT_FALSE(windows.empty());
        EXPECT_EQ(windows.front().form->name(), e.form);
        EXPECT_EQ(windows.front().mode, e.mode) << e.form;
        EXPECT_EQ(v->windowModality(), e.mode == Mode::Modal ? Qt::ApplicationModal : Qt::NonModal)
            << e.form;
        program->host().input([&] { app().closeBox(e.form); });
        EXPECT_EQ(view(e.form), nullptr) << e.form;
    }
    EXPECT_TRUE(program->host().errors().empty());
}

// ------------------------------------------------------- modal and modeless --

TEST_F(Desktop, ModalCalculatorBlocksEveryOtherWindowAndSuspendsTheMenu) {
    start();
    menuAction(7)->trigger(); // frmvoltwatt, modeless
    type("frmvoltwatt", "txtinput", QStringLiteral("2"));
    std::vector<std::string> order;
    QTimer::singleShot(0, [&] {
        order.push_back("modal open");
        FormView* modal = view("frmleggediohm");
        ASSERT_NE(modal, nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), modal);
        // A click on the modeless calculator does not reach it.
        click("frmvoltwatt", "cmdcalcola");
        EXPECT_EQ(widget<QLabel>("frmvoltwatt", "lbloutput")->text(), QString());
        // Nor does the menu bar: no other window opens.
        menuAction(8)->trigger();
        EXPECT_EQ(view("frmsmeterhf"), nullptr);
        // The title keeps blinking meanwhile.
        EXPECT_TRUE(program->mainView()->timer().isActive());
        modal->close(); // its close box
    });
    menuAction(2)->trigger(); // frmleggediohm, modal: returns when it closes
    order.push_back("menu handler resumed");
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], "modal open");
    EXPECT_FALSE(app().isOpen("frmleggediohm"));
    // Everything takes input again.
    click("frmvoltwatt", "cmdcalcola");
    EXPECT_EQ(widget<QLabel>("frmvoltwatt", "lbloutput")->text(),
              QStringLiteral("10,000 VOLT rms"));
}

TEST_F(Desktop, ModalPageSuspendsTheCommandThatOpenedIt) {
    start();
    open("tstbanco");
    QString during;
    QTimer::singleShot(0, [&] {
        during = widget<QLabel>("tstbanco", "lblout")->text();
        click("tstpagina", "cmdchiudi");
    });
    click("tstbanco", "cmdpagina");
    EXPECT_EQ(during, QString());
    EXPECT_EQ(widget<QLabel>("tstbanco", "lblout")->text(), QStringLiteral("dopo la pagina"));
}

TEST_F(Desktop, ChoosingAnOpenModelessCalculatorBringsItToTheFrontUnchanged) {
    start();
    menuAction(7)->trigger();
    FormView* first = view("frmvoltwatt");
    type("frmvoltwatt", "txtinput", QStringLiteral("123"));
    menuAction(11)->trigger(); // another modeless window in front
    ASSERT_NE(view("frmcorralternata"), nullptr);
    menuAction(7)->trigger();
    EXPECT_EQ(view("frmvoltwatt"), first);
    EXPECT_EQ(widget<QLineEdit>("frmvoltwatt", "txtinput")->text(), QStringLiteral("123"));
    EXPECT_EQ(app().windows().front().form->name(), "frmvoltwatt");
    EXPECT_TRUE(QTest::qWaitForWindowActive(first));
}

// -------------------------------------------------- messages, focus, faults --

TEST_F(Desktop, MissingDataShowsItsMessageBoxThenTheFocusLandsInTheNamedField) {
    start({/*suspendModal=*/false, /*interactive=*/true});
    open("frmleggediohm", Mode::Modal);
    onMessageBox([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("MESSAGGIO DI ERRORE"));
        EXPECT_EQ(box.text(), QStringLiteral("MANCANO DATI"));
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        EXPECT_EQ(box.buttons().size(), 1);
    });
    click("frmleggediohm", "cmdcalcola");
    EXPECT_TRUE(*boxSeen);
    QWidget* field = view("frmleggediohm")->controlWidget("txtinput1");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == field; }, 2000));
}

TEST_F(Desktop, MessageWithoutTitleIsTitledWithTheProgramName) {
    start({false, true});
    open("tstbanco");
    onMessageBox(
        [](QMessageBox& box) { EXPECT_EQ(box.windowTitle(), QStringLiteral("ETEROMETRO")); });
    program->host().message(app().openedForm("tstbanco"), Message{"TESTO", "", Icon::Information});
    EXPECT_TRUE(*boxSeen);
}

TEST_F(Desktop, ArithmeticFaultShowsItsMessageAndLeavesTheWindowUsable) {
    start({false, true});
    open("tstbanco");
    type("tstbanco", "txta", QStringLiteral("1"));
    type("tstbanco", "txtb", QStringLiteral("0"));
    onMessageBox([](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("MESSAGGIO DI ERRORE"));
    });
    click("tstbanco", "cmddividi");
    EXPECT_TRUE(*boxSeen);
    // The caption written before the fault stays; the window still works.
    EXPECT_EQ(widget<QLabel>("tstbanco", "lblout")->text(), QStringLiteral("prima"));
    type("tstbanco", "txtb", QStringLiteral("4")); // "04"
    click("tstbanco", "cmddividi");
    EXPECT_EQ(widget<QLabel>("tstbanco", "lblout")->text(), QStringLiteral("0,25"));
    EXPECT_TRUE(program->host().errors().empty());
}

TEST_F(Desktop, TabOntoAnUnselectedOptionSelectsItAndRunsItsHandler) {
    start({false, true});
    open("frmleggediohm", Mode::Modal);
    auto* first = widget<QRadioButton>("frmleggediohm", "Option1(0)");
    auto* second = widget<QRadioButton>("frmleggediohm", "Option1(1)");
    EXPECT_TRUE(first->isChecked()); // the focus rule on opening
    EXPECT_EQ(widget<QLabel>("frmleggediohm", "lblinput(1)")->text(), QStringLiteral("AMPER :"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(view("frmleggediohm")));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), second);
    EXPECT_TRUE(second->isChecked());
    EXPECT_FALSE(first->isChecked());
    EXPECT_EQ(widget<QLabel>("frmleggediohm", "lblinput(1)")->text(), QStringLiteral("OHM :"));
    // A mouse click on the checked option leaves it checked (the model decides).
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(8, second->height() / 2));
    EXPECT_TRUE(second->isChecked());
}

// ---------------------------------------------------------------- renderer --

TEST_F(Desktop, InputCaptionsStandBesideTheirFieldsAndTabOrderFollowsTheDesign) {
    start({false, true});
    open("frmleggediohm", Mode::Modal);
    FormView* v = view("frmleggediohm");
    for (auto [label, field] :
         {std::pair{"lblinput(0)", "txtinput1"}, {"lblinput(1)", "txtinput2"}}) {
        const QRect l = v->controlWidget(label)->geometry();
        const QRect f = v->controlWidget(field)->geometry();
        EXPECT_LT(l.right(), f.left()) << label;
        EXPECT_LE(std::abs(l.center().y() - f.center().y()), 4) << label;
    }
    // The command row follows the last field, above the results that appear
    // later and the hints; the close command last at the right.
    const QRect calc = v->controlWidget("cmdcalcola")->geometry();
    const QRect close = v->controlWidget("cdmesci")->geometry();
    EXPECT_GT(close.left(), calc.right());
    EXPECT_GT(calc.top(), v->controlWidget("txtinput2")->geometry().bottom());
    EXPECT_LT(calc.bottom(), v->controlWidget("lblinput(4)")->geometry().top());
    EXPECT_LT(calc.bottom(), v->controlWidget("Label1")->geometry().top());
    const std::vector<std::string> order{"Option1(0)", "Option1(1)", "Option1(2)", "Option1(3)",
                                         "Option1(4)", "Option1(5)", "txtinput1",  "txtinput2",
                                         "cmdcalcola", "cdmesci"};
    QWidget* w = v->controlWidget(order.front());
    for (std::size_t i = 1; i < order.size(); ++i) {
        w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        EXPECT_EQ(w, v->controlWidget(order[i])) << order[i];
    }
}

TEST_F(Desktop, EveryKeystrokeReachesTheModelAndResultsFollowLive) {
    start({false, true});
    open("frmleggediohm", Mode::Modal);
    auto* shownFirst = widget<QLabel>("frmleggediohm", "lblinput(2)");
    EXPECT_TRUE(shownFirst->isHidden());
    type("frmleggediohm", "txtinput1", QStringLiteral("12"));
    type("frmleggediohm", "txtinput2", QStringLiteral("2"));
    click("frmleggediohm", "cmdcalcola");
    auto* result = widget<QLabel>("frmleggediohm", "lblinput(4)");
    EXPECT_EQ(result->text(), QStringLiteral("6,"));
    EXPECT_FALSE(shownFirst->isHidden()); // shown live by the computation
    EXPECT_TRUE(result->textInteractionFlags() & Qt::TextSelectableByMouse);
    // One more digit blanks the results at once.
    type("frmleggediohm", "txtinput2", QStringLiteral("5"));
    EXPECT_EQ(result->text(), QString());
    EXPECT_EQ(app().openedForm("frmleggediohm").control("txtinput2").text, "25");
}

TEST_F(Desktop, ListSelectionRunsItsHandler) {
    start({false, true});
    open("tstbanco");
    auto* combo = widget<QComboBox>("tstbanco", "cmbscelta");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), -1);
    combo->setCurrentIndex(1);
    Q_EMIT combo->activated(1);
    EXPECT_EQ(widget<QLabel>("tstbanco", "lblout")->text(), QStringLiteral("scelto DUE"));
}

TEST_F(Desktop, DesignedLayoutFollowsTwipsAndTheWindowFollowsTheModel) {
    start({false, true});
    open("tstdisegno");
    auto* v = qobject_cast<qt::CalculatorView*>(view("tstdisegno"));
    ASSERT_TRUE(v && v->absoluteLayout());
    const qt::TwipsLayout& twips = *v->twipsLayout();
    // Every control at its designed place, scaled alike, the design's
    // top-left corner at the margin every window has.
    EXPECT_GE(twips.scale(), 1.0);
    const QRect label = v->controlWidget("Label1")->geometry();
    EXPECT_EQ(label, twips.toPixels({150, 150, 3000, 255}));
    EXPECT_EQ(label.topLeft(), QPoint(qt::kMargin, qt::kMargin));
    // Inside a frame a place is still given in window coordinates.
    const QRect frame = twips.toPixels({150, 600, 3000, 1500});
    EXPECT_EQ(v->controlWidget("Option1(0)")->geometry(),
              twips.toPixels({300, 900, 2000, 300}).translated(-frame.topLeft()));
    EXPECT_EQ(v->size(), twips.clientSize(6000, 4500));
    // The label below the window's height is out of sight until it grows.
    EXPECT_GT(v->controlWidget("Label2")->geometry().top(), v->height());
    click("tstdisegno", "cmdcresci");
    EXPECT_EQ(v->size(), twips.clientSize(6000, 7500));
    EXPECT_LT(v->controlWidget("Label2")->geometry().bottom(), v->height());
    EXPECT_EQ(v->pos(), FormView::screenPoint(1500, 1500));
}

// -------------------------------------------------------- closing, ending --

TEST_F(Desktop, CloseBoxUnloadsTheFormLikeItsCloseCommand) {
    start();
    menuAction(7)->trigger();
    type("frmvoltwatt", "txtinput", QStringLiteral("5"));
    FormView* v = view("frmvoltwatt");
    v->close();
    EXPECT_FALSE(app().isOpen("frmvoltwatt"));
    EXPECT_FALSE(v->isVisible());
    menuAction(7)->trigger();
    EXPECT_EQ(widget<QLineEdit>("frmvoltwatt", "txtinput")->text(), QString());
    EXPECT_EQ(widget<QLineEdit>("frmvoltwatt", "txtohm")->text(), QStringLiteral("50"));
}

TEST_F(Desktop, MainWindowClosesWhileCalculatorsKeepWorkingThenTheLastOneEndsTheProgram) {
    start();
    open("tstbanco");
    click(kMainWindow, "cdmexit");
    EXPECT_FALSE(app().isOpen(kMainWindow));
    EXPECT_EQ(view(kMainWindow), nullptr);
    EXPECT_EQ(ends, 0);
    // A companion command still opens its companion, which still computes.
    click("tstbanco", "cmdcompagno");
    ASSERT_NE(view("frmvoltwatt"), nullptr);
    type("frmvoltwatt", "txtinput", QStringLiteral("2"));
    click("frmvoltwatt", "cmdcalcola");
    EXPECT_EQ(widget<QLabel>("frmvoltwatt", "lbloutput")->text(),
              QStringLiteral("10,000 VOLT rms"));
    click("frmvoltwatt", "cmdesci");
    EXPECT_EQ(ends, 0);
    view("tstbanco")->close();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(app().ended());
}

TEST_F(Desktop, ClosingTheMainWindowAloneEndsTheProgram) {
    start();
    view(kMainWindow)->close();
    EXPECT_EQ(ends, 1);
}

// ----------------------------------------------------------------- print --

TEST_F(Desktop, PrintCommandPrintsTheWindowImage) {
    start({false, true});
    QTemporaryDir dir;
    program->host().printFile = dir.filePath(QStringLiteral("finestra.pdf"));
    open("tstbanco");
    click("tstbanco", "cmdstampa");
    EXPECT_EQ(program->host().printed(), 1);
    QFile pdf(program->host().printFile);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4) == "%PDF");
    EXPECT_GT(pdf.size(), 1000);
}

// A picture described as a drawing is painted at its size and reacts to clicks.
TEST_F(Desktop, DrawnPictureIsShownAndClickable) {
    start();
    open("tstpagina");
    auto* picture = widget<QLabel>("tstpagina", "Picture1");
    ASSERT_NE(picture, nullptr);
    ASSERT_FALSE(picture->pixmap().isNull());
    EXPECT_EQ(picture->pixmap().deviceIndependentSize().toSize(), QSize(60, 30));
    click("tstpagina", "Picture1");
    EXPECT_EQ(widget<QLabel>("tstpagina", "Label1")->text(), QStringLiteral("SCELTA"));
}

TEST_F(Desktop, TableRowsWrittenAsOneCaptionUseAFixedPitchFont) {
    start();
    open("tstpagina");
    const QFontInfo row(widget<QLabel>("tstpagina", "Label2")->font());
    EXPECT_TRUE(row.fixedPitch()) << row.family().toStdString();
    EXPECT_FALSE(QFontInfo(widget<QLabel>("tstpagina", "Label1")->font()).fixedPitch());
}

} // namespace
} // namespace etero
