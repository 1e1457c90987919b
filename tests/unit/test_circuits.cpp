// The two-element network calculators: the coil-designer command and its
// window moves, and the schematics with the labels placed on them.
#include "shell/app/app.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace etero;

namespace {

class SilentHost : public Host {
  public:
    void opened(Form&, Mode) override {}
    void front(Form&) override {}
    void closed(Form&) override {}
    void message(Form&, const Message&) override {}
    void focused(Form&, const std::string&) override {}
    void fault(Form&, const std::string&) override {}
    void ignored(Form&, const std::string&) override {}
    void print(Form&) override {}
    void ended() override {}
};

struct Circuits : ::testing::Test {
    SilentHost host;
    App app{host};
    void SetUp() override { app.start(); }

    Mode modeOf(const std::string& form) const {
        for (const OpenWindow& w : app.windows())
            if (w.form->name() == form) return w.mode;
        ADD_FAILURE() << form << " is not open";
        return Mode::Modal;
    }
};

struct Beside {
    const char* form;
    int left, top; // where the calculator moves before opening the designer
};

TEST_F(Circuits, TheCoilDesignerOpensBesideTheCalculator) {
    for (const Beside& b :
         {Beside{"frmRL", 400, 300}, Beside{"frmLL", 400, 300}, Beside{"frmLC", 180, 180}}) {
        SCOPED_TRACE(b.form);
        app.open(b.form, Mode::Modeless);
        app.click(b.form, "cmdchiamabobine");
        ASSERT_TRUE(app.isOpen("frmbobine"));
        EXPECT_EQ(modeOf("frmbobine"), Mode::Modeless);
        EXPECT_EQ(app.windows().front().form->name(), "frmbobine");
        const Twips& self = app.openForm(b.form).geometry();
        EXPECT_EQ(self.left, b.left);
        EXPECT_EQ(self.top, b.top);
        const Twips& coil = app.openForm("frmbobine").geometry();
        EXPECT_EQ(coil.left, 4100);
        EXPECT_EQ(coil.top, 2800);
        // The designer already open is brought forward and placed again.
        app.openForm("frmbobine").placeAt(0, 0);
        app.click(b.form, "cmdchiamabobine");
        EXPECT_EQ(app.openForm("frmbobine").geometry().left, 4100);
        app.close("frmbobine");
        app.close(b.form);
    }
}

TEST_F(Circuits, TheGeneratorCalculatorsOpenTheDesignerWithoutMovingAnything) {
    for (const char* form : {"frmimpcapparallelo", "frmimpcapserie"}) {
        SCOPED_TRACE(form);
        app.open(form, Mode::Modeless);
        const Twips before = app.openForm(form).geometry();
        app.click(form, "cmdchiamabobine");
        ASSERT_TRUE(app.isOpen("frmbobine"));
        EXPECT_EQ(modeOf("frmbobine"), Mode::Modeless);
        EXPECT_EQ(app.openForm(form).geometry().left, before.left);
        EXPECT_EQ(app.openForm(form).geometry().top, before.top);
        app.close("frmbobine");
        app.close(form);
    }
}

TEST_F(Circuits, TheModalCalculatorHasNoCompanion) {
    app.open("frmRC", Mode::Modal);
    EXPECT_FALSE(app.openForm("frmRC").hasControl("cmdchiamabobine"));
}

// Every label meant for the schematic has exactly one place on it, every
// place names a label of the form, and everything lies inside the drawing.
TEST_F(Circuits, LabelsOnTheSchematicsHaveTheirPlaces) {
    for (const char* form :
         {"frmRC", "frmRL", "frmLC", "frmLL", "frmimpcapparallelo", "frmimpcapserie"}) {
        SCOPED_TRACE(form);
        app.open(form, Mode::Modeless);
        const Form& f = app.openForm(form);
        const Drawing& d = f.schematic();
        ASSERT_FALSE(d.empty());
        std::multiset<std::string> placed;
        for (const Slot& s : d.slots()) {
            placed.insert(s.control);
            ASSERT_TRUE(f.hasControl(s.control)) << s.control;
            EXPECT_EQ(f.control(s.control).role, Role::OnDrawing) << s.control;
            EXPECT_GE(s.x, 0);
            EXPECT_GE(s.y, 0);
            EXPECT_LE(s.x + s.width, d.width()) << s.control;
            EXPECT_LE(s.y + s.height, d.height()) << s.control;
        }
        for (const Control& c : f.controls())
            if (c.role == Role::OnDrawing) EXPECT_EQ(placed.count(c.name), 1u) << c.name;
        for (const Shape& s : d.shapes()) {
            for (double x : {s.x1, s.x2}) {
                EXPECT_GE(x, 0);
                EXPECT_LE(x, d.width());
            }
            for (double y : {s.y1, s.y2}) {
                EXPECT_GE(y, 0);
                EXPECT_LE(y, d.height());
            }
        }
        app.close(form);
    }
}

} // namespace
