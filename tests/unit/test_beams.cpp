// The beam and loop calculators: the companions their commands open, and
// where the windows go.
#include "shell/app/app.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace etero;

namespace {

using Beams = etero::testing::Program;

TEST_F(Beams, TheYagisOpenTheGammaMatchBesideThem) {
    struct Case {
        const char* form;
        int self; // left and top of the calling window
    };
    for (const Case& c : {Case{"frmyagi3", 350}, Case{"frmyagi5", 200}}) {
        SCOPED_TRACE(c.form);
        app.open(c.form, Mode::Modeless);
        ASSERT_NO_FATAL_FAILURE(
            expectCompanionAt(c.form, "cmdgamma", "frmgammamatch", {c.self, c.self}, {8000, 8000}));
        app.close("frmgammamatch");
        app.close(c.form);
    }
}

TEST_F(Beams, TheSingleQuadOpensTheLineMatchingCalculator) {
    app.open("frmloopquadrato", Mode::Modeless);
    app.click("frmloopquadrato", "cmdadattatori");
    ASSERT_TRUE(app.isOpen("frmadattatori"));
    EXPECT_EQ(modeOf("frmadattatori"), Mode::Modeless);
    const Twips& self = app.openedForm("frmloopquadrato").geometry();
    EXPECT_EQ(self.left, 200);
    EXPECT_EQ(self.top, 200);
    // A second click only brings the open companion forward.
    app.open("frmyagi3", Mode::Modeless);
    app.click("frmloopquadrato", "cmdadattatori");
    EXPECT_EQ(app.windows().front().form->name(), "frmadattatori");
}

} // namespace
