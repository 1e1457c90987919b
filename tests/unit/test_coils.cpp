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
        ASSERT_NO_FATAL_FAILURE(
            expectCompanionAtTwice(designer, "cmdchiamaawg", "frmawg", {180, 180}, {4100, 3000}));
        app.close("frmawg");
        app.close(designer);
    }
}

} // namespace
