// The attenuator pads: before any computation every resistor label on a
// schematic reads the resistor it stands for, "R" and the resistor's number
// (the fourth character of its name: lblR1T, lblR2Ta, lblr34p, lblR3).
#include "shell/app/app.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace etero;

namespace {

using Attenuators = etero::testing::Program;

TEST_F(Attenuators, ResistorLabelsReadTheirResistorBeforeAComputation) {
    for (const char* name : {"frmattimpcost", "frmretiadL", "frmretiadLbilanciata",
                             "frmretiaTePgreco", "frmretiaTePgrecobilanciate", "frmretiaTponte"}) {
        SCOPED_TRACE(name);
        app.open(name, Mode::Modeless);
        const Form& f = app.openedForm(name);
        int labels = 0;
        for (const Slot& s : f.schematicDrawing().slots()) {
            const std::string& n = s.control;
            if (n.size() < 5 || (n.compare(0, 4, "lblR") != 0 && n.compare(0, 4, "lblr") != 0))
                continue;
            ++labels;
            EXPECT_EQ(f.control(n).caption, std::string("R") + n[4]) << n;
        }
        EXPECT_GE(labels, 2);
        app.close(name);
    }
}

} // namespace
