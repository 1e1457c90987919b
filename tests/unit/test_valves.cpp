// The valve-equipment calculators: the output valves of the transformer
// calculator entry by entry against the reference list, and where the
// lamination table, the wire calculator and the pi network's companions
// open.
#include "calc/valves/valves.h"
#include "shell/app/app.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace etero;

namespace {

struct Valve {
    const char* name;
    double Raa, P;
};

// In list order, each name with its leading blank.
const Valve kExpected[] = {
    {" AL 1", 7000, 3.1},  {" AL 4", 7000, 4.5},   {" ECL 80", 11000, 1}, {" ECL 82", 3800, 3.3},
    {" ECL 86", 5600, 4},  {" EL 3", 7000, 4.5},   {" EL 34", 2500, 12},  {" EL 41", 7000, 3.9},
    {" EL 42", 9000, 2.5}, {" EL 84", 5200, 5},    {" EL 85", 2400, 5},   {" EL 86", 2400, 5.6},
    {" EL 90", 5000, 4.5}, {" EL 95", 10000, 3},   {" UCL 82", 3800, 3},  {" UL 41", 3000, 4},
    {" UL 48", 2400, 5.6}, {" 1A5", 25000, 0.115}, {" 1Q5", 8000, 0.27},  {" 6F6", 7000, 4.5},
    {" 6K6", 7800, 3},     {" 6L6", 5000, 6.5},    {" 6V6", 5000, 4.5},   {" 6AQ5", 5500, 6.5},
};

TEST(OutputValves, TheListHoldsEveryValveInOrder) {
    const auto& valves = valves::outputValves();
    ASSERT_EQ(valves.size(), std::size(kExpected));
    for (std::size_t i = 0; i < valves.size(); ++i) {
        SCOPED_TRACE(kExpected[i].name);
        EXPECT_EQ(std::string(valves[i].name), kExpected[i].name);
        EXPECT_EQ(valves[i].Raa, kExpected[i].Raa);
        EXPECT_EQ(valves[i].P, kExpected[i].P);
        EXPECT_EQ(valves::findOutputValve(kExpected[i].name), &valves[i]);
    }
    // The name is recognised only as the list writes it.
    EXPECT_EQ(valves::findOutputValve("EL 84"), nullptr);
    EXPECT_EQ(valves::findOutputValve("VALVOLE"), nullptr);
}

using Valves = etero::testing::Program;

TEST_F(Valves, TheDropDownOffersTheListBehindItsPrompt) {
    app.open("frmtrasfuscita", Mode::Modeless);
    const Control& list = app.openedForm("frmtrasfuscita").control("cmbvalvole");
    EXPECT_EQ(list.text, "VALVOLE");
    EXPECT_EQ(list.listIndex, -1);
    ASSERT_EQ(list.items.size(), std::size(kExpected));
    for (std::size_t i = 0; i < list.items.size(); ++i)
        EXPECT_EQ(list.items[i], kExpected[i].name);
}

// The lamination table opens modeless at 6100, 6000 twips beside the
// calculator, which moves to 180, 300; also when the table is already open.
TEST_F(Valves, TheLaminationTableOpensBesideTheTransformerAndChokeCalculators) {
    for (const char* form : {"frmtrasformatori", "frmtrasfuscita", "frmimpedenzefiltro"}) {
        SCOPED_TRACE(form);
        app.open(form, Mode::Modeless);
        for (int round = 0; round < 2; ++round) {
            app.openedForm(form).placeAt(2000, 2000);
            if (round == 1) app.openedForm("frmuniel").placeAt(0, 0);
            ASSERT_NO_FATAL_FAILURE(
                expectCompanionAt(form, "cmdchiamatabella", "frmuniel", {180, 300}, {6100, 6000}));
        }
        app.close("frmuniel");
        app.close(form);
    }
}

TEST_F(Valves, TheMainsTransformerShowsTheWireCalculatorWhereItIs) {
    app.open("frmtrasformatori", Mode::Modeless);
    expectCompanionInPlace("frmtrasformatori", "cmdchiamalunghezza", "frmlunghezzafilo");
}

// Each valve form moves to 180, 180 twips and shows the other, or the coil
// designer, modeless.
TEST_F(Valves, ThePlateImpedanceAndThePiNetworkOpenEachOther) {
    struct Case {
        const char* form;
        const char* command;
        const char* companion;
    };
    for (const Case& c : {Case{"frmimpanodica", "cmdchiamapigreco", "frmadattimppassabasso"},
                          Case{"frmadattimppassabasso", "cmdchiamaimpanodica", "frmimpanodica"},
                          Case{"frmadattimppassabasso", "cmdchiamabobine", "frmbobine"}}) {
        SCOPED_TRACE(std::string(c.form) + " " + c.command);
        app.open(c.form, Mode::Modeless);
        app.openedForm(c.form).placeAt(2000, 2000);
        ASSERT_NO_FATAL_FAILURE(expectCompanionOpens(c.form, c.command, c.companion));
        EXPECT_EQ(app.openedForm(c.form).geometry().left, 180);
        EXPECT_EQ(app.openedForm(c.form).geometry().top, 180);
        app.close(c.companion);
        app.close(c.form);
    }
}

} // namespace
