// The air-coil designers: the wire-gauge command that places both windows
// side by side, and the schematics with the result labels placed on them.
#include "shell/app/app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace etero;

namespace {

class QuietHost : public Host {
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

struct Coils : ::testing::Test {
    QuietHost host;
    App app{host};
    void SetUp() override { app.start(); }

    Mode modeOf(const std::string& form) const {
        for (const OpenWindow& w : app.windows())
            if (w.form->name() == form) return w.mode;
        ADD_FAILURE() << form << " is not open";
        return Mode::Modal;
    }
};

const char* const kDesigners[] = {"frmbobine", "frmmicrobobine"};
const char* const kAll[] = {"frmbobine", "frmmicrobobine", "frmbobineuhf", "frmbobinepiatte"};

TEST_F(Coils, TheWireGaugeConverterOpensBesideTheDesigner) {
    for (const char* designer : kDesigners) {
        SCOPED_TRACE(designer);
        app.open(designer, Mode::Modeless);
        // Twice: the second time the converter is already open and is placed again.
        for (int round = 0; round < 2; ++round) {
            if (round == 1) app.openForm("frmawg").placeAt(0, 0);
            app.click(designer, "cmdchiamaawg");
            ASSERT_TRUE(app.isOpen("frmawg"));
            EXPECT_EQ(modeOf("frmawg"), Mode::Modeless);
            EXPECT_EQ(app.windows().front().form->name(), "frmawg");
            const Twips& self = app.openForm(designer).geometry();
            EXPECT_EQ(self.left, 180);
            EXPECT_EQ(self.top, 180);
            const Twips& awg = app.openForm("frmawg").geometry();
            EXPECT_EQ(awg.left, 4100);
            EXPECT_EQ(awg.top, 3000);
        }
        app.close("frmawg");
        app.close(designer);
    }
}

TEST_F(Coils, EveryLabelOnTheDrawingHasItsPlaceOnIt) {
    for (const char* name : kAll) {
        SCOPED_TRACE(name);
        app.open(name, name == std::string("frmbobine") || name == std::string("frmmicrobobine")
                           ? Mode::Modeless
                           : Mode::Modal);
        const Form& form = app.openForm(name);
        const Drawing& d = form.schematic();
        ASSERT_FALSE(d.empty());
        for (const Control& c : form.controls()) {
            if (c.role != Role::OnDrawing) continue;
            const auto n = std::count_if(d.slots().begin(), d.slots().end(),
                                         [&](const Slot& s) { return s.control == c.name; });
            EXPECT_EQ(n, 1) << c.name;
        }
        for (const Slot& s : d.slots()) {
            EXPECT_TRUE(form.hasControl(s.control)) << s.control;
            EXPECT_EQ(form.control(s.control).role, Role::OnDrawing) << s.control;
            EXPECT_GE(s.x, 0) << s.control;
            EXPECT_GE(s.y, 0) << s.control;
            EXPECT_LE(s.x + s.width, d.width()) << s.control;
            EXPECT_LE(s.y + s.height, d.height()) << s.control;
        }
        for (const Shape& s : d.shapes()) {
            EXPECT_GE(std::min(s.x1, s.x2), 0);
            EXPECT_GE(std::min(s.y1, s.y2), 0);
            EXPECT_LE(std::max(s.x1, s.x2), d.width());
            EXPECT_LE(std::max(s.y1, s.y2), d.height());
            for (std::size_t i = 0; i + 1 < s.points.size(); i += 2) {
                EXPECT_GE(s.points[i], 0);
                EXPECT_LE(s.points[i], d.width());
                EXPECT_GE(s.points[i + 1], 0);
                EXPECT_LE(s.points[i + 1], d.height());
            }
        }
        app.close(name);
    }
}

} // namespace
