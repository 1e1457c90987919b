// The two-element network calculators: the coil-designer command and its
// window moves, and the close commands.
#include "shell/app/app.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace etero;

namespace {

using Circuits = etero::testing::Program;

struct Beside {
    const char* form;
    int left, top; // where the calculator moves before opening the designer
};

TEST_F(Circuits, TheCoilDesignerOpensBesideTheCalculator) {
    for (const Beside& b :
         {Beside{"frmRL", 400, 300}, Beside{"frmLL", 400, 300}, Beside{"frmLC", 180, 180}}) {
        SCOPED_TRACE(b.form);
        app.open(b.form, Mode::Modeless);
        ASSERT_NO_FATAL_FAILURE(expectCompanionAt(b.form, "cmdchiamabobine", "frmbobine",
                                                  {b.left, b.top}, {4100, 2800}));
        // The designer already open is brought forward and placed again.
        app.openedForm("frmbobine").placeAt(0, 0);
        app.click(b.form, "cmdchiamabobine");
        EXPECT_EQ(app.openedForm("frmbobine").geometry().left, 4100);
        app.close("frmbobine");
        app.close(b.form);
    }
}

TEST_F(Circuits, TheGeneratorCalculatorsOpenTheDesignerWithoutMovingAnything) {
    for (const char* form : {"frmimpcapparallelo", "frmimpcapserie"}) {
        SCOPED_TRACE(form);
        app.open(form, Mode::Modeless);
        expectCompanionInPlace(form, "cmdchiamabobine", "frmbobine");
        app.close(form);
    }
}

TEST_F(Circuits, TheTwoInductancesCloseWithTheExitPicture) {
    app.open("frmLL", Mode::Modeless);
    const Control& exit = app.openedForm("frmLL").control("cmdchiudi");
    EXPECT_EQ(exit.kind, Kind::Command);
    EXPECT_EQ(exit.caption, "");
    EXPECT_EQ(exit.picture, "exit");
    app.click("frmLL", "cmdchiudi");
    EXPECT_FALSE(app.isOpen("frmLL"));
}

TEST_F(Circuits, TheModalCalculatorHasNoCompanion) {
    app.open("frmRC", Mode::Modal);
    EXPECT_FALSE(app.openedForm("frmRC").hasControl("cmdchiamabobine"));
}

} // namespace
