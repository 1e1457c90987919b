// The three-element networks: the coil designer beside frmRLC, and the
// window of the two-circuit calculator.
#include "shell/app/app.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace etero;

namespace {

using Rlc = etero::testing::Program;

TEST_F(Rlc, TheCoilDesignerOpensBesideTheCalculator) {
    app.open("frmRLC", Mode::Modeless);
    expectCompanionAt("frmRLC", "cmdchiamabobine", "frmbobine", {400, 300}, {4100, 2800});
}

// The two-circuit calculator sets its size and is centred on the screen,
// which only the window system knows: its position is left free.
TEST_F(Rlc, TheTwoCircuitCalculatorHasItsOwnSizeAndIsCentred) {
    app.open("frmCircuitiRLC", Mode::Modal);
    const Form& form = app.openedForm("frmCircuitiRLC");
    EXPECT_EQ(form.geometry().width, 8595);
    EXPECT_EQ(form.geometry().height, 6840);
    EXPECT_TRUE(form.sizeFixed());
    EXPECT_FALSE(form.positionFixed());
}

} // namespace
