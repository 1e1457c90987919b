// The renderer's two steps and its check: the layout plan a design makes
// (rows of cells, the drawing's place), the widgets made from it, and the
// layout check finding what a user would see wrong.
#include "qt/calculatorview.h"
#include "qt/layoutcheck.h"
#include "qt/layoutplan.h"
#include "qt/program.h"
#include "qt/schematic.h"
#include "shell/app/registry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace etero {
namespace {

// Every rule of the plan once: option frames side by side, a unit after its
// field and after its result, a caption that names the result after a field
// rather than being that field's unit, table lines with their headings, a
// drawing inside the frame that holds its labels, the commands at the bottom.
class Planned : public Form {
  public:
    Planned() : Form("tstpiano") {}

  protected:
    void design() override {
        window("PIANO");
        frame("Frame1", "DA");
        options("Option1", 0, {"METRI", "PIEDI"});
        endFrame();
        frame("Frame2", "A");
        options("Option2", 0, {"METRI", "PIEDI"});
        endFrame();
        field("lblr", "RESISTENZA :", "txtr");
        label("lblur", " Ohm").as(Role::Caption);
        field("lblc", "CAPACITA' :", "txtc");
        label("lblt", "TEMPO :").as(Role::Caption);
        result("lblout");
        label("lblus", " secondi").as(Role::Caption);
        label("lblnota", "UNA NOTA").as(Role::Hint);
        label("Label3", "In pollice").as(Role::Caption);
        label("Label4", "1/16  1/8  3/16").as(Role::TableRow);
        label("Label5", "in mm").as(Role::Caption);
        label("Label6", "1.599  3.175  4.700").as(Role::TableRow);
        frame("Frame3", "TABELLA");
        label("lblcella", "1800 V").as(Role::OnDrawing);
        endFrame();
        command("cmdcalcola", "CALCOLA", [] {});
        closeCommand("cmdesci", "ESCI");
        drawing(200, 60).slot("lblcella", 10, 10, 100, 20);
    }
};
ETERO_FORM(Planned, "tstpiano");

// One field and a drawing: `width` x `height`.
class WithDrawing : public Form {
  public:
    WithDrawing(double width, double height, int fields)
        : Form("tstdisegnata"), width_(width), height_(height), fields_(fields) {}

  protected:
    void design() override {
        window("DISEGNO");
        for (int i = 0; i < fields_; ++i)
            field("Label" + std::to_string(i), "VALORE", "txt" + std::to_string(i));
        Drawing& d = drawing(width_, height_);
        d.line(0, 0, width_, height_);
    }

  private:
    double width_, height_;
    int fields_;
};

std::string planOf(Form& form) {
    form.build();
    return qt::planLayout(form).describe();
}

TEST(LayoutPlan, EachRuleMakesItsRow) {
    Planned form;
    EXPECT_EQ(planOf(form), "window: Line [Frame1 Frame2] option frames side by side\n"
                            "window: Pair [lblr txtr lblur] caption and value\n"
                            "window: Pair [lblc txtc -] caption and value\n"
                            "window: Pair [lblt lblout lblus] caption and value\n"
                            "window: Single [lblnota] single\n"
                            "window: Table [Label3 Label4 Label5 Label6] table lines\n"
                            "window: Single [Frame3] frame\n"
                            "Frame1: Options(1) [Option1(0) Option1(1)] option run\n"
                            "Frame2: Options(1) [Option2(0) Option2(1)] option run\n"
                            "Frame3: Drawing [] drawing in the frame of its labels\n"
                            "drawing: in frame Frame3\n"
                            "commands after row 3\n"
                            "commands: cmdcalcola\n"
                            "close: cmdesci\n");
}

TEST(LayoutPlan, DrawingAndCommandsFindTheirPlace) {
    auto place = [](double w, double h, int fields) {
        WithDrawing form(w, h, fields);
        form.build();
        return qt::planLayout(form).drawing;
    };
    using Place = qt::LayoutPlan::DrawingPlace;
    EXPECT_EQ(place(400, 150, 6), Place::Below);  // twice as wide as tall
    EXPECT_EQ(place(300, 350, 1), Place::Below);  // one field beside a tall drawing
    EXPECT_EQ(place(300, 250, 6), Place::Beside); // a column as tall as half the drawing
    // With nothing to fill in, the commands close the window at the bottom.
    WithDrawing page(300, 250, 0);
    page.build();
    EXPECT_TRUE(qt::planLayout(page).commandsAtBottom);
}

class Layout : public ::testing::Test {
  protected:
    void SetUp() override {
        program = std::make_unique<qt::Program>(qt::QtHost::Options{false, false});
        program->host().onEnded = [] {};
        program->start();
    }
    void TearDown() override {
        program.reset();
        QApplication::processEvents();
    }
    qt::FormView* open(const std::string& name) {
        program->host().input([&] { program->app().open(name, Mode::Modeless); });
        return program->host().view(name);
    }
    std::vector<std::string> problems(const std::string& name,
                                      const qt::Placement* opening = nullptr) {
        std::vector<std::string> out;
        for (const auto& p :
             qt::checkLayout(*program->host().view(name), program->app().openedForm(name), opening))
            out.push_back(p.line());
        return out;
    }
    std::unique_ptr<qt::Program> program;
};

TEST_F(Layout, UnitsStandRightOfTheirFieldAndResultOnTheSameRow) {
    qt::FormView* v = open("tstpiano");
    ASSERT_NE(v, nullptr);
    for (auto [value, unit] : {std::pair{"txtr", "lblur"}, {"lblout", "lblus"}}) {
        const QRect f = v->controlWidget(value)->geometry();
        const QRect u = v->controlWidget(unit)->geometry();
        EXPECT_GT(u.left(), f.right()) << unit;
        EXPECT_LE(std::abs(u.center().y() - f.center().y()), 4) << unit;
    }
    // Fields line up; the frames of options stand side by side.
    EXPECT_EQ(v->controlWidget("txtr")->x(), v->controlWidget("txtc")->x());
    EXPECT_GT(v->controlWidget("Frame2")->x(), v->controlWidget("Frame1")->geometry().right());
    EXPECT_EQ(v->controlWidget("Frame2")->y(), v->controlWidget("Frame1")->y());
    // The table lines are shown as cells: the n-th words of both lines share a column.
    auto* table = v->findChild<QWidget*>(QStringLiteral("table"));
    ASSERT_NE(table, nullptr);
    QLabel* fraction = nullptr;
    QLabel* millimetres = nullptr;
    for (QLabel* cell : table->findChildren<QLabel*>()) {
        if (cell->text() == QLatin1String("3/16")) fraction = cell;
        if (cell->text() == QLatin1String("4.700")) millimetres = cell;
    }
    ASSERT_TRUE(fraction && millimetres);
    EXPECT_EQ(fraction->y(), millimetres->y());
    EXPECT_LT(fraction->x(), millimetres->x());
    EXPECT_TRUE(v->controlWidget("Label4")->isHidden()); // shown by the table instead
    // The drawing sits inside the frame that holds its label.
    QWidget* drawing = v->findChild<qt::SchematicView*>();
    ASSERT_NE(drawing, nullptr);
    EXPECT_EQ(drawing->parentWidget(), v->controlWidget("Frame3"));
    EXPECT_EQ(problems("tstpiano"), std::vector<std::string>{});
}

// A designed window too wide for the screen, where two controls share a
// place, an option hangs over its frame's edge and a command's caption is
// far longer than its place; a label below the window's edge waits for the
// window to grow.
class Overlapped : public Form {
  public:
    Overlapped() : Form("tstsovrapposta") {}

  protected:
    void design() override {
        window("SOVRAPPOSTA");
        layoutInTwips();
        windowSize(21000, 3000);
        label("Label1", "DIDASCALIA").at(150, 150, 2400, 255);
        command("cmdcorto", "UN COMANDO DAL NOME LUNGHISSIMO", [] {}).at(150, 2200, 600, 400);
        input("txtvalore").at(1500, 150, 1500, 300);
        frame("Frame1", "GRUPPO").at(3300, 600, 2000, 1000);
        option("Option1", 0, "UNO").at(3450, 1400, 1500, 300);
        endFrame();
        label("Label2", "PIU' IN BASSO").at(150, 4000, 2400, 255);
    }
};
ETERO_FORM(Overlapped, "tstsovrapposta");

TEST_F(Layout, CheckFindsEachKindOfFaultInADesignedWindow) {
    ASSERT_NE(open("tstsovrapposta"), nullptr);
    const auto found = problems("tstsovrapposta");
    ASSERT_EQ(found.size(), 4u) << ::testing::PrintToString(found);
    // Sizes depend on the fonts at hand; the start of each line does not.
    EXPECT_EQ(found[0].rfind("tstsovrapposta: window of ", 0), 0u) << found[0];
    EXPECT_NE(found[0].find(" does not fit a 1280 x 1024 screen"), std::string::npos);
    EXPECT_EQ(found[1], "tstsovrapposta: Label1, txtvalore: overlap");
    EXPECT_EQ(found[2].rfind("tstsovrapposta: cmdcorto: caption cut off", 0), 0u) << found[2];
    EXPECT_EQ(found[3], "tstsovrapposta: Option1(0): lies outside its frame");
    // A designed window without such faults passes, its hidden-below label too.
    ASSERT_NE(open("tstdisegno"), nullptr);
    EXPECT_EQ(problems("tstdisegno"), std::vector<std::string>{});
}

// A command that renames the field's caption with a much longer text.
class Renamed : public Form {
  public:
    Renamed() : Form("tstrinomina") {}

  protected:
    void design() override {
        window("RINOMINA");
        field("lblvalore", "A", "txtvalore");
        result("lblout");
        command("cmdrinomina", "RINOMINA", [this] {
            caption("lblvalore", "UNA DIDASCALIA MOLTO PIU' LUNGA DI PRIMA");
            caption("lblout", "UN RISULTATO CHE PRENDE MOLTO POSTO NELLA FINESTRA");
        });
        closeCommand("cmdesci", "ESCI");
    }
};
ETERO_FORM(Renamed, "tstrinomina");

TEST_F(Layout, CheckFindsAFieldThatMovedSinceTheWindowOpened) {
    qt::FormView* v = open("tstrinomina");
    ASSERT_NE(v, nullptr);
    const qt::Placement opening = qt::placement(*v, program->app().openedForm("tstrinomina"));
    EXPECT_EQ(problems("tstrinomina", &opening), std::vector<std::string>{});
    program->host().input([&] { program->app().click("tstrinomina", "cmdrinomina"); });
    const auto found = problems("tstrinomina", &opening);
    EXPECT_TRUE(std::any_of(found.begin(), found.end(), [](const std::string& p) {
        return p.rfind("tstrinomina: txtvalore: moved from", 0) == 0;
    })) << ::testing::PrintToString(found);
}

} // namespace
} // namespace etero
