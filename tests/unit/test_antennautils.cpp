// The antenna utilities and line capacitances, where a scenario would need
// too many windows: the whole cable table of the radiated-power calculator,
// the coil designer placed beside the matching network, and formulas that
// two calculators share.
#include "shell/app/app.h"
#include "shell/number/number.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace etero;

namespace {

using AntennaUtilities = etero::testing::Program;

// The number that follows `marker` in a caption, up to the next blank.
double numberAfter(const std::string& caption, const std::string& marker) {
    const auto at = caption.rfind(marker);
    EXPECT_NE(at, std::string::npos) << caption;
    const auto start = at + marker.size();
    return parseLocale(caption.substr(start, caption.find(' ', start) - start));
}

const std::string& captionOf(App& app, const std::string& form, const std::string& label) {
    return app.openedForm(form).control(label).caption;
}

// Opens `form`, types the `fields`, clicks CALCOLA and reads the number
// after "E'  " in the label `result`; the window is closed again.
double computed(App& app, const std::string& form, Mode mode,
                const std::vector<std::pair<std::string, std::string>>& fields,
                const std::string& result) {
    app.open(form, mode);
    for (const auto& [field, typed] : fields)
        app.setText(form, field, typed);
    app.click(form, "cmdcalcola");
    const double value = numberAfter(captionOf(app, form, result), "E'  ");
    app.close(form);
    return value;
}

// Through 100 m of line and one connector the total loss is the table's
// attenuation plus the connector loss of the band; each band ends at its
// limit, and just above it the next band applies.
TEST_F(AntennaUtilities, TheLineLossFollowsTheCableTableBandByBand) {
    const double table[7][5] = {
        {4.59, 1.8, 2.2, 1.35, 2.8},   {10.8, 4.27, 6.2, 3.28, 6.23}, {16.1, 6.23, 6.9, 4.59, 9.68},
        {24.3, 8.86, 10.2, 6.56, 12},  {39.4, 13.5, 15, 10.17, 17.4}, {78.7, 26.3, 23.3, 18, 28.5},
        {177, 52.5, 52.5, 40.7, 60.7},
    };
    const double connector[] = {0.1, 0.1, 0.2, 0.2, 0.3, 0.3, 0.4};
    struct Frequency {
        const char* text;
        int band;
    };
    const Frequency frequencies[] = {
        {"0.1", 0},    {"10", 0},     {"10.01", 1},   {"50", 1},     {"50.01", 2},
        {"100", 2},    {"100.01", 3}, {"200", 3},     {"200.01", 4}, {"400", 4},
        {"400.01", 5}, {"1000", 5},   {"1000.01", 6}, {"3000", 6},
    };
    app.open("frmERP", Mode::Modal);
    app.setText("frmERP", "txtW", "100");
    app.setText("frmERP", "txtlunghezza", "100");
    app.setText("frmERP", "txtnr", "1");
    app.setText("frmERP", "txtguadagno", "3");
    for (int cable = 0; cable < 5; ++cable) {
        app.click("frmERP", "Option1(" + std::to_string(cable) + ")");
        for (const Frequency& f : frequencies) {
            SCOPED_TRACE("cable " + std::to_string(cable) + " at " + f.text + " MHz");
            app.setText("frmERP", "txtfrequenza", f.text);
            app.click("frmERP", "cmdcalcola");
            const std::string& loss = captionOf(app, "frmERP", "lblpt");
            EXPECT_NEAR(numberAfter(loss, "LINEA  "), table[f.band][cable] + connector[f.band],
                        1e-9)
                << loss;
        }
    }
}

// The matching network moves to the top left corner and the coil designer
// opens modeless beside it; asked again, the designer comes to the front.
TEST_F(AntennaUtilities, TheCoilDesignerOpensBesideTheMatchingNetwork) {
    app.open("frmreteadattamento", Mode::Modeless);
    app.click("frmreteadattamento", "cmdchiamabobine");
    ASSERT_TRUE(app.isOpen("frmbobine"));
    EXPECT_EQ(modeOf("frmbobine"), Mode::Modeless);
    const Twips network = app.openedForm("frmreteadattamento").geometry();
    const Twips coil = app.openedForm("frmbobine").geometry();
    EXPECT_EQ(network.left, 180);
    EXPECT_EQ(network.top, 180);
    EXPECT_EQ(coil.left, 4100);
    EXPECT_EQ(coil.top, 3000);
    app.open("frmreteadattamento", Mode::Modeless);
    app.click("frmreteadattamento", "cmdchiamabobine");
    EXPECT_EQ(app.windows().front().form->name(), "frmbobine");
}

// The two-wire line's capacitance to the ground is the single wire's at the
// same diameter and height.
TEST_F(AntennaUtilities, TheTwoWireLineSeesTheGroundAsTheSingleWireDoes) {
    struct Case {
        const char *d, *h;
    };
    for (const Case& c :
         {Case{"2", "10"}, Case{"0.8", "3.5"}, Case{"4", "25"}, Case{"1.2", "0.6"}}) {
        SCOPED_TRACE(std::string(c.d) + " mm at " + c.h + " m");
        const double single = computed(app, "frmlineaunifilare", Mode::Modal,
                                       {{"txtd", c.d}, {"txth", c.h}}, "lblcap");
        const double toGround =
            computed(app, "frmlineabifilare", Mode::Modal,
                     {{"txtd", c.d}, {"txtdistanza", "300"}, {"txth", c.h}}, "lblct");
        EXPECT_DOUBLE_EQ(single, toGround);
    }
}

// A vertical conductor is the vertical antenna standing on the ground: the
// same capacitance, to the one decimal the antenna calculator shows.
TEST_F(AntennaUtilities, TheVerticalConductorIsTheGroundedVerticalAntenna) {
    struct Case {
        const char *d, *l;
    };
    for (const Case& c : {Case{"2", "10"}, Case{"30", "12"}, Case{"6", "2.5"}}) {
        SCOPED_TRACE(std::string(c.d) + " mm by " + c.l + " m");
        const double conductor =
            computed(app, "frmfiloverticale", Mode::Modal, {{"txtd", c.d}, {"txtl", c.l}}, "lblc");
        const double antenna =
            computed(app, "frmcapantvert", Mode::Modeless,
                     {{"txtlunghezza", c.l}, {"txtdiametro", c.d}}, "lblcapacita");
        EXPECT_EQ(formatFixed(conductor, 1), formatFixed(antenna, 1));
    }
}

} // namespace
