// The air-coil designers: the wire-gauge command that places both windows
// side by side.
#include "shell/app/app.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace etero;

namespace {

using Coils = etero::testing::Program;

const char* const kDesigners[] = {"frmbobine", "frmmicrobobine"};

TEST_F(Coils, TheWireGaugeConverterOpensBesideTheDesigner) {
    for (const char* designer : kDesigners) {
        SCOPED_TRACE(designer);
        app.open(designer, Mode::Modeless);
        // Twice: the second time the converter is already open and is placed again.
        for (int round = 0; round < 2; ++round) {
            if (round == 1) app.openedForm("frmawg").placeAt(0, 0);
            app.click(designer, "cmdchiamaawg");
            ASSERT_TRUE(app.isOpen("frmawg"));
            EXPECT_EQ(modeOf("frmawg"), Mode::Modeless);
            EXPECT_EQ(app.windows().front().form->name(), "frmawg");
            const Twips& self = app.openedForm(designer).geometry();
            EXPECT_EQ(self.left, 180);
            EXPECT_EQ(self.top, 180);
            const Twips& awg = app.openedForm("frmawg").geometry();
            EXPECT_EQ(awg.left, 4100);
            EXPECT_EQ(awg.top, 3000);
        }
        app.close("frmawg");
        app.close(designer);
    }
}

} // namespace
