// The resonance calculators: the companions they open beside themselves and
// where the windows go.
#include "shell/app/app.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace etero;

namespace {

using Resonance = etero::testing::Program;

struct Beside {
    const char* form;
    const char* command;
    const char* companion;
    int top; // of the companion, at left 4100
};

TEST_F(Resonance, CompanionsOpenBesideTheCalculator) {
    for (const Beside& b : {Beside{"frmvalinduttanza", "cmdchiamabobine", "frmbobine", 3000},
                            Beside{"frmreattanza", "cmdchiamabobine", "frmbobine", 2800},
                            Beside{"frmrisonanza", "cmdchiamabobine", "frmbobine", 2800},
                            Beside{"frmautorisonanza", "cmdchiamaawg", "frmawg", 3000}}) {
        SCOPED_TRACE(b.form);
        app.open(b.form, Mode::Modeless);
        ASSERT_NO_FATAL_FAILURE(
            expectCompanionAt(b.form, b.command, b.companion, {180, 180}, {4100, b.top}));
        app.close(b.companion);
        app.close(b.form);
    }
}

TEST_F(Resonance, TheToroidCoresOpenModelessWithoutBeingPlaced) {
    app.open("frmvalinduttanza", Mode::Modeless);
    app.click("frmvalinduttanza", "cmdchiamatoroidi");
    ASSERT_TRUE(app.isOpen("frmamidon"));
    EXPECT_EQ(modeOf("frmamidon"), Mode::Modeless);
    const Twips& self = app.openedForm("frmvalinduttanza").geometry();
    EXPECT_EQ(self.left, 180);
    EXPECT_EQ(self.top, 180);
    EXPECT_FALSE(app.openedForm("frmamidon").positionFixed());
}

} // namespace
