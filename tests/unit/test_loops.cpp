// The magnetic loop and the EH antennas: what the window looks like at the
// moment it is printed, and where their companion windows open.
#include "shell/app/app.h"
#include "support.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

using namespace etero;

namespace {

// A host that records the window's controls as they stand when printed.
class PrintingHost : public etero::testing::QuietHost {
  public:
    void print(Form& form) override {
        ++prints;
        for (const Control& c : form.controls())
            onPaper[c.name] = c;
    }
    int prints = 0;
    std::map<std::string, Control> onPaper;
};

struct Printing : ::testing::Test {
    PrintingHost host;
    App app{host};
    void SetUp() override { app.start(); }
};

// Every command is hidden on paper and shown again afterwards; the loop
// also carries the date and time of printing, then hides it again.
TEST_F(Printing, CommandsStayOffThePaperAndTheLoopIsDated) {
    for (const auto& [form, command] :
         {std::pair{"frmloop", "cmdstampa"}, std::pair{"frmEH", "cmdstampa"},
          std::pair{"frmEHstar", "cmdstampa"}}) {
        SCOPED_TRACE(form);
        app.open(form, Mode::Modeless);
        host.prints = 0;
        host.onPaper.clear();
        app.click(form, command);
        ASSERT_EQ(host.prints, 1);
        int commands = 0;
        for (const Control& c : app.openedForm(form).controls()) {
            if (c.kind != Kind::Command) continue;
            ++commands;
            EXPECT_FALSE(host.onPaper.at(c.name).visible) << c.name;
            EXPECT_TRUE(c.visible) << c.name;
        }
        EXPECT_GE(commands, 3);
        if (std::string(form) == "frmloop") {
            const Control& date = host.onPaper.at("lbldata");
            EXPECT_TRUE(date.visible);
            EXPECT_TRUE(std::regex_match(
                date.caption, std::regex(R"(STAMPA DEL \d\d/\d\d/\d{4} \d\d:\d\d:\d\d)")))
                << date.caption;
            EXPECT_FALSE(app.openedForm(form).control("lbldata").visible);
        }
        app.close(form);
    }
}

using Companions = etero::testing::Program;

TEST_F(Companions, TheLoopOpensItsTwoHelpPagesModal) {
    app.open("frmloop", Mode::Modal);
    for (const auto& [command, page] : {std::pair{"cmdinfo", "frminfoloop"},
                                        std::pair{"cmdcondensatore", "frmhelpcondensatore"}}) {
        app.click("frmloop", command);
        ASSERT_TRUE(app.isOpen(page));
        EXPECT_EQ(modeOf(page), Mode::Modal);
        EXPECT_EQ(app.windows().front().form->name(), page);
        app.close(page);
    }
}

// The STAR form moves to the top left corner and the wire-gauge converter
// opens modeless beside it.
TEST_F(Companions, TheStarFormOpensTheWireGaugeConverterBesideItself) {
    app.open("frmEHstar", Mode::Modeless);
    expectCompanionAt("frmEHstar", "cmdawg", "frmawg", {180, 180}, {4100, 2800});
}

} // namespace
