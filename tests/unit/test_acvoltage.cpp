// The RMS, peak and peak-to-peak calculator: each wave's factors with each
// known quantity, and the values rounded as shown before the next is
// computed from them.
#include "shell/app/app.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace etero;

namespace {

using AcVoltage = etero::testing::Program;

struct Case {
    int wave, known;
    const char *out1, *out2, *out3;
};

// 12.345 V throughout: 12.345 shows as 12,35, half rounding away from zero.
// The peak-to-peak from a known RMS doubles the peak as shown (24,70 for a
// square wave), from a known peak it doubles the input (24,69); the average
// of a known peak-to-peak comes from the peak as shown (6,17).
constexpr Case kCases[] = {
    {0, 0, "VOLT di picco : 17,46", "VOLT picco picco : 34,92", "VOLT VALORE MEDIO : 11,12"},
    {0, 1, "VOLT efficaci : 8,73", "VOLT picco picco : 24,69", "VOLT VALORE MEDIO : 7,86"},
    {0, 2, "VOLT efficaci : 4,37", "VOLT di picco : 6,17", "VOLT VALORE MEDIO : 3,93"},
    {1, 0, "VOLT di picco : 21,38", "VOLT picco picco : 42,76", "VOLT VALORE MEDIO : 10,69"},
    {1, 1, "VOLT efficaci : 7,12", "VOLT picco picco : 24,69", "VOLT VALORE MEDIO : 6,17"},
    {1, 2, "VOLT efficaci : 3,56", "VOLT di picco : 6,17", "VOLT VALORE MEDIO : 3,09"},
    {2, 0, "VOLT di picco : 12,35", "VOLT picco picco : 24,70", "VOLT VALORE MEDIO : 12,35"},
    {2, 1, "VOLT efficaci : 12,35", "VOLT picco picco : 24,69", "VOLT VALORE MEDIO : 12,35"},
    {2, 2, "VOLT efficaci : 6,17", "VOLT di picco : 6,17", "VOLT VALORE MEDIO : 6,17"},
};

TEST_F(AcVoltage, EveryWaveWithEveryKnownQuantity) {
    app.open("frmvolt", Mode::Modal);
    const Form& form = app.openedForm("frmvolt");
    for (const Case& c : kCases) {
        SCOPED_TRACE("wave " + std::to_string(c.wave) + ", known " + std::to_string(c.known));
        app.click("frmvolt", "Option2(" + std::to_string(c.wave) + ")");
        app.click("frmvolt", "Option1(" + std::to_string(c.known) + ")");
        app.setText("frmvolt", "txtinput", "12.345");
        EXPECT_EQ(form.control("lblout1").caption, c.out1);
        EXPECT_EQ(form.control("lblout2").caption, c.out2);
        EXPECT_EQ(form.control("lblout3").caption, c.out3);
    }
}

} // namespace
