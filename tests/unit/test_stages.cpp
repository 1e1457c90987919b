// The transmitter-stage couplers: the power-class tables row by row against
// the reference tables (bands closed at both ends, the first row from the
// top winning, gaps between rows giving nothing), and where the coil
// designer opens.
#include "calc/stages/stages.h"
#include "shell/app/app.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace etero;
using etero::stages::largeTransistor;
using etero::stages::smallTransistor;

namespace {

// Band of P (W), R (Ω), C on the input side and on the collector side (pF).
const double kLarge[][5] = {
    {91, 100, 0.8, 1400, 900},   {85.1, 90, 1, 1300, 800},    {75.1, 85, 1.1, 1200, 700},
    {65.1, 75, 1.2, 1100, 650},  {55.1, 65, 1.3, 1000, 600},  {47.6, 55, 1.4, 950, 550},
    {42.6, 47.5, 1.5, 900, 500}, {37.5, 42.5, 1.6, 850, 450}, {32.6, 37.5, 1.7, 800, 400},
    {27.6, 32.5, 1.8, 750, 350}, {22.6, 27.5, 2, 700, 320},   {17.6, 22.5, 2.5, 650, 300},
    {12.6, 17.5, 3, 600, 280},   {9.6, 12.5, 4, 550, 250},    {8.6, 9.5, 5, 500, 220},
    {7.6, 8.5, 7, 450, 200},     {6.6, 7.5, 8, 400, 180},     {5.6, 6.5, 9, 350, 150},
    {4.6, 5.5, 10, 300, 120},    {3.6, 4.5, 15, 250, 100},    {3, 3.5, 20, 200, 80},
};

TEST(StageTables, EveryRowOfTheLargeTransistorsHoldsBothEndsOfItsBand) {
    for (const auto& row : kLarge) {
        for (double P : {row[0], (row[0] + row[1]) / 2, row[1]}) {
            SCOPED_TRACE(P);
            const stages::PowerClass* c = largeTransistor(P, 3);
            ASSERT_NE(c, nullptr);
            // 37.5 W is the top of one row and the bottom of the next: the upper wins.
            const auto& expected = P == 37.5 ? kLarge[7] : row;
            EXPECT_EQ(c->R, expected[2]);
            EXPECT_EQ(c->inputC, expected[3]);
            EXPECT_EQ(c->collectorC, expected[4]);
        }
    }
}

TEST(StageTables, PowersOutsideTheLargeTransistorsRowsFindNothing) {
    for (double P : {100.01, 90.5, 85.05, 42.55, 3.55, 2.99, 0.0, -1.0})
        EXPECT_EQ(largeTransistor(P, 3), nullptr) << P;
    // The bottom row of the amplifier driver begins at 2.5 W.
    for (double P : {2.5, 2.99}) {
        ASSERT_NE(largeTransistor(P, 2.5), nullptr) << P;
        EXPECT_EQ(largeTransistor(P, 2.5)->R, 20);
        EXPECT_EQ(largeTransistor(P, 2.5)->inputC, 200);
    }
    EXPECT_EQ(largeTransistor(2.49, 2.5), nullptr);
}

TEST(StageTables, TheSmallTransistorsRowsAndTheirGaps) {
    const double rows[][4] = {
        {2.51, 3, 20, 200}, {1.51, 2.5, 30, 150}, {0.51, 1.5, 40, 100}, {0.4, 0.5, 50, 60}};
    for (const auto& row : rows)
        for (double P : {row[0], row[1]}) {
            const stages::SmallClass* c = smallTransistor(P);
            ASSERT_NE(c, nullptr) << P;
            EXPECT_EQ(c->R, row[2]) << P;
            EXPECT_EQ(c->C, row[3]) << P;
        }
    for (double P : {3.01, 2.505, 1.505, 0.505, 0.39})
        EXPECT_EQ(smallTransistor(P), nullptr) << P;
}

using Stages = etero::testing::Program;
using etero::testing::Corner;

// The coil designer opens modeless at 4100, 2800 twips, also when it is
// already open elsewhere; only the small final stage moves itself first.
TEST_F(Stages, TheCoilDesignerOpensAtItsPlace) {
    struct Case {
        const char* form;
        bool moves;
    };
    for (const Case& c : {Case{"frmoscill_preampl", false}, Case{"frmminifinale_antenna", true},
                          Case{"frmfinale_antenna", false}, Case{"frmtrasm_lineare", false}}) {
        SCOPED_TRACE(c.form);
        app.open(c.form, Mode::Modeless);
        app.openedForm(c.form).placeAt(2000, 2000);
        const Corner self = c.moves ? Corner{400, 300} : Corner{2000, 2000};
        ASSERT_NO_FATAL_FAILURE(
            expectCompanionAtTwice(c.form, "cmdchiamabobine", "frmbobine", self, {4100, 2800}));
        app.close("frmbobine");
        app.close(c.form);
    }
}

} // namespace
