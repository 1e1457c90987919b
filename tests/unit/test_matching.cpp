// The matching-network designers: where their companion commands put the
// windows, and the L-network results that outlive a closed window.
#include "shell/app/app.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace etero;

namespace {

using Matching = etero::testing::Program;

TEST_F(Matching, TheLNetworkDesignerPlacesTheCoilDesignerBesideIt) {
    app.open("frmadattatoriLC", Mode::Modeless);
    app.click("frmadattatoriLC", "cmdchiamabobine");
    ASSERT_TRUE(app.isOpen("frmbobine"));
    EXPECT_EQ(modeOf("frmbobine"), Mode::Modeless);
    EXPECT_EQ(app.windows().front().form->name(), "frmbobine");
    const Twips& self = app.openForm("frmadattatoriLC").geometry();
    EXPECT_EQ(self.left, 180);
    EXPECT_EQ(self.top, 180);
    const Twips& coil = app.openForm("frmbobine").geometry();
    EXPECT_EQ(coil.left, 4100);
    EXPECT_EQ(coil.top, 3000);
    // Already open elsewhere: placed again and brought forward.
    app.openForm("frmbobine").placeAt(0, 0);
    app.open("frmadattatoriLC", Mode::Modeless);
    app.click("frmadattatoriLC", "cmdchiamabobine");
    EXPECT_EQ(app.openForm("frmbobine").geometry().left, 4100);
    EXPECT_EQ(app.openForm("frmbobine").geometry().top, 3000);
    EXPECT_EQ(app.windows().front().form->name(), "frmbobine");
}

TEST_F(Matching, ThePiNetworkMovesAsideForBothCompanions) {
    for (const char* command : {"cmdchiamabobine", "cmdchiamaimpanodica"}) {
        SCOPED_TRACE(command);
        const std::string companion =
            std::string(command) == "cmdchiamabobine" ? "frmbobine" : "frmimpanodica";
        app.open("frmpinetwork", Mode::Modeless);
        app.openForm("frmpinetwork").placeAt(2000, 2000);
        app.click("frmpinetwork", command);
        ASSERT_TRUE(app.isOpen(companion));
        EXPECT_EQ(modeOf(companion), Mode::Modeless);
        EXPECT_EQ(app.openForm("frmpinetwork").geometry().left, 180);
        EXPECT_EQ(app.openForm("frmpinetwork").geometry().top, 180);
        app.close(companion);
    }
}

TEST_F(Matching, TheTappedDesignersOpenTheCoilDesignerWithoutMovingAnything) {
    for (const char* form : {"frmtappedcapacitor", "frmtappedinductor"}) {
        SCOPED_TRACE(form);
        app.open(form, Mode::Modeless);
        const Twips before = app.openForm(form).geometry();
        app.click(form, "cmdchiamabobine");
        ASSERT_TRUE(app.isOpen("frmbobine"));
        EXPECT_EQ(modeOf("frmbobine"), Mode::Modeless);
        EXPECT_EQ(app.openForm(form).geometry().left, before.left);
        EXPECT_EQ(app.openForm(form).geometry().top, before.top);
        app.close("frmbobine");
        app.close(form);
    }
}

// Equal impedances write the last results again into the hidden frame, also
// when they were computed before the window was closed and opened again.
TEST_F(Matching, TheLastLNetworkSurvivesTheClosingOfItsWindow) {
    app.open("frmadattatoriLC", Mode::Modeless);
    app.setText("frmadattatoriLC", "txtfrequenza", "7");
    app.setText("frmadattatoriLC", "txtinput", "50");
    app.setText("frmadattatoriLC", "txtoutput", "200");
    app.click("frmadattatoriLC", "cmdcalcola");
    app.close("frmadattatoriLC");

    app.open("frmadattatoriLC", Mode::Modeless);
    Form& f = app.openForm("frmadattatoriLC");
    EXPECT_EQ(f.control("lblc1").caption, "");
    EXPECT_TRUE(f.control("Label1").visible);
    EXPECT_FALSE(f.control("Frame1").visible);
    app.setText("frmadattatoriLC", "txtfrequenza", "14");
    app.setText("frmadattatoriLC", "txtinput", "75");
    app.setText("frmadattatoriLC", "txtoutput", "75");
    app.click("frmadattatoriLC", "cmdcalcola");
    EXPECT_FALSE(f.control("Frame1").visible);
    EXPECT_FALSE(f.control("Label1").visible);
    EXPECT_EQ(f.control("lblc1").caption, "LA CAPACITA' E' 262,5 pF");
    EXPECT_EQ(f.control("lbll1").caption, "L'INDUTTANZA E' 2,63µH");
    EXPECT_EQ(f.control("lblc2").caption, "LA CAPACITA' E' 196,9 pF");
    EXPECT_EQ(f.control("lbll2").caption, "L'INDUTTANZA E' 1,97µH");
    EXPECT_EQ(f.control("lbldescrizione").caption, "");
}

} // namespace
