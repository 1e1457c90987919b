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
        app.click(b.form, b.command);
        ASSERT_TRUE(app.isOpen(b.companion));
        EXPECT_EQ(modeOf(b.companion), Mode::Modeless);
        EXPECT_EQ(app.windows().front().form->name(), b.companion);
        const Twips& self = app.openedForm(b.form).geometry();
        EXPECT_EQ(self.left, 180);
        EXPECT_EQ(self.top, 180);
        const Twips& other = app.openedForm(b.companion).geometry();
        EXPECT_EQ(other.left, 4100);
        EXPECT_EQ(other.top, b.top);
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
