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
    ASSERT_NO_FATAL_FAILURE(expectCompanionAt("frmadattatoriLC", "cmdchiamabobine", "frmbobine",
                                              {180, 180}, {4100, 3000}));
    // Already open elsewhere: placed again and brought forward.
    app.openedForm("frmbobine").placeAt(0, 0);
    app.open("frmadattatoriLC", Mode::Modeless);
    app.click("frmadattatoriLC", "cmdchiamabobine");
    EXPECT_EQ(app.openedForm("frmbobine").geometry().left, 4100);
    EXPECT_EQ(app.openedForm("frmbobine").geometry().top, 3000);
    EXPECT_EQ(app.windows().front().form->name(), "frmbobine");
}

TEST_F(Matching, ThePiNetworkMovesAsideForBothCompanions) {
    for (const char* command : {"cmdchiamabobine", "cmdchiamaimpanodica"}) {
        SCOPED_TRACE(command);
        const std::string companion =
            std::string(command) == "cmdchiamabobine" ? "frmbobine" : "frmimpanodica";
        app.open("frmpinetwork", Mode::Modeless);
        app.openedForm("frmpinetwork").placeAt(2000, 2000);
        app.click("frmpinetwork", command);
        ASSERT_TRUE(app.isOpen(companion));
        EXPECT_EQ(modeOf(companion), Mode::Modeless);
        EXPECT_EQ(app.openedForm("frmpinetwork").geometry().left, 180);
        EXPECT_EQ(app.openedForm("frmpinetwork").geometry().top, 180);
        app.close(companion);
    }
}

TEST_F(Matching, TheTappedDesignersOpenTheCoilDesignerWithoutMovingAnything) {
    for (const char* form : {"frmtappedcapacitor", "frmtappedinductor"}) {
        SCOPED_TRACE(form);
        app.open(form, Mode::Modeless);
        expectCompanionInPlace(form, "cmdchiamabobine", "frmbobine");
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
    Form& f = app.openedForm("frmadattatoriLC");
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

// The results of each L network stand under its own picture, one above the
// other, whichever pair of pictures is shown.
TEST_F(Matching, EachLNetworkHasItsResultsUnderItsPicture) {
    app.open("frmadattatoriLC", Mode::Modeless);
    const Form& f = app.openedForm("frmadattatoriLC");
    auto place = [&](const char* name) {
        const auto& p = f.control(name).place;
        EXPECT_TRUE(p.has_value()) << name;
        return p.value_or(Twips{});
    };
    auto within = [](const Twips& inner, const Twips& outer) {
        return inner.left >= outer.left && inner.left + inner.width <= outer.left + outer.width;
    };
    for (const auto& [picture, other] :
         {std::pair{"Image1", "Image3"}, std::pair{"Image2", "Image4"}}) {
        const Twips a = place(picture), b = place(other);
        EXPECT_EQ(a.left, b.left);
        EXPECT_EQ(a.top, b.top);
    }
    const Twips left = place("Image1"), right = place("Image2");
    EXPECT_LE(left.left + left.width, right.left);
    for (const char* name : {"lblc1", "lbll1", "lblzin", "lblzout"})
        EXPECT_TRUE(within(place(name), left)) << name;
    for (const char* name : {"lblc2", "lbll2", "lblzin1", "lblzout1"})
        EXPECT_TRUE(within(place(name), right)) << name;
    EXPECT_EQ(place("lblc1").top, place("lblc2").top);
    EXPECT_EQ(place("lbll1").top, place("lbll2").top);
    EXPECT_GT(place("lbll1").top, place("lblc1").top);
    EXPECT_GT(place("lblc1").top, left.top + left.height);
    // The explanation stands where the hidden frame would.
    const Twips frame = place("Frame1"), explanation = place("Label1");
    EXPECT_EQ(frame.left, explanation.left);
    EXPECT_EQ(frame.top, explanation.top);
}

// The labels written on the schematics of the matching designers neither
// overlap each other nor leave their drawing.
TEST_F(Matching, TheSchematicLabelsHaveRoomOfTheirOwn) {
    for (const char* form : {"frmpinetwork", "frmtappedcapacitor", "frmtappedinductor"}) {
        SCOPED_TRACE(form);
        app.open(form, Mode::Modeless);
        const Drawing& d = app.openedForm(form).schematicDrawing();
        const auto& slots = d.slots();
        ASSERT_FALSE(slots.empty());
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const Slot& s = slots[i];
            EXPECT_GE(s.x, 0) << s.control;
            EXPECT_LE(s.x + s.width, d.width()) << s.control;
            for (std::size_t j = i + 1; j < slots.size(); ++j) {
                const Slot& t = slots[j];
                const bool apart = s.x + s.width <= t.x || t.x + t.width <= s.x ||
                                   s.y + s.height <= t.y || t.y + t.height <= s.y;
                EXPECT_TRUE(apart) << s.control << " and " << t.control;
            }
        }
        app.close(form);
    }
}

} // namespace
