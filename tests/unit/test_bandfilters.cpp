// The band-pass and notch designers: where the coil designer opens, and the
// standard capacitor that the audio RC filters choose at every step of the
// frequency.
#include "shell/app/app.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace etero;

namespace {

using BandFilters = etero::testing::Program;

TEST_F(BandFilters, TheBandPassDesignerOpensTheCoilDesignerWithoutMovingAnything) {
    app.open("frmpassabandakcostante", Mode::Modeless);
    expectCompanionInPlace("frmpassabandakcostante", "cmdchiamabobine", "frmbobine");
}

TEST_F(BandFilters, TheNotchDesignersMoveAsideForTheCoilDesigner) {
    for (const char* form : {"frmnotchaf", "frmnotchbf"}) {
        SCOPED_TRACE(form);
        app.open(form, Mode::Modeless);
        ASSERT_NO_FATAL_FAILURE(
            expectCompanionAt(form, "cmdchiamabobine", "frmbobine", {180, 250}, {8000, 6250}));
        app.close("frmbobine");
        app.close(form);
    }
}

struct Step {
    const char* typed;
    const char* used; // the field's text after the computation
    const char* capacitor;
    const char* resistor;
};

// Each threshold of the capacitor table from both sides; 49999.9 Hz gives
// a whole 4 kilohm, written with the pattern's trailing comma.
constexpr Step kSteps[] = {
    {"100001", "100000", "0,66 nF", "2,4 Kohm"}, {"100000", "100000", "0,66 nF", "2,4 Kohm"},
    {"50000", "50000", "0,66 nF", "4,8 Kohm"},   {"49999.9", "49999.9", "0,8 nF", "4, Kohm"},
    {"10000", "10000", "0,8 nF", "19,9 Kohm"},   {"9999", "9999", "1,5 nF", "10,6 Kohm"},
    {"5000", "5000", "1,5 nF", "21,2 Kohm"},     {"4999", "4999", "4,7 nF", "6,8 Kohm"},
    {"1000", "1000", "4,7 nF", "33,9 Kohm"},     {"999", "999", "15 nF", "10,6 Kohm"},
    {"500", "500", "15 nF", "21,2 Kohm"},        {"499", "499", "56 nF", "5,7 Kohm"},
    {"100", "100", "56 nF", "28,4 Kohm"},        {"99", "99", "220 nF", "7,3 Kohm"},
    {"10", "10", "220 nF", "72,4 Kohm"},         {"9.99", "10", "220 nF", "72,4 Kohm"},
    {"abc", "10", "220 nF", "72,4 Kohm"},
};

TEST_F(BandFilters, TheAudioFiltersChooseTheCapacitorByTheFrequency) {
    struct Filter {
        const char* form;
        const char* capacitor;
        const char* resistor;
    };
    for (const Filter& filter :
         {Filter{"frmfiltriBF", "lblC2", "lblR1"}, Filter{"frmfiltronotch", "lblc3", "lblr1"}}) {
        app.open(filter.form, Mode::Modal);
        const Form& form = app.openedForm(filter.form);
        for (const Step& s : kSteps) {
            SCOPED_TRACE(std::string(filter.form) + " " + s.typed);
            app.setText(filter.form, "txtfrequenza", s.typed);
            app.click(filter.form, "cmdcalcola");
            EXPECT_EQ(form.control("txtfrequenza").text, s.used);
            EXPECT_EQ(form.control(filter.capacitor).caption, s.capacitor);
            EXPECT_EQ(form.control(filter.resistor).caption, s.resistor);
        }
        app.close(filter.form);
    }
}

} // namespace
