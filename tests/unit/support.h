// What the unit tests share: a host that shows nothing, and a running
// program with its main window open.
#pragma once

#include "shell/app/app.h"

#include <gtest/gtest.h>

#include <string>

namespace etero::testing {

class QuietHost : public Host {
  public:
    void opened(Form&, Mode) override {}
    void front(Form&) override {}
    void closed(Form&) override {}
    void message(Form&, const Message&) override {}
    void focused(Form&, const std::string&) override {}
    void fault(Form&, const std::string&) override {}
    void ignored(Form&, const std::string&) override {}
    void print(Form&) override {}
    void ended() override {}
};

struct Program : ::testing::Test {
    QuietHost host;
    App app{host};
    void SetUp() override { app.start(); }

    Mode modeOf(const std::string& form) const {
        for (const OpenWindow& w : app.windows())
            if (w.form->name() == form) return w.mode;
        ADD_FAILURE() << form << " is not open";
        return Mode::Modal;
    }

    // Clicking `command` of the open `form` opens `companion` modeless in
    // front, and leaves `form` where it was; both windows are closed after.
    void expectCompanionInPlace(const std::string& form, const std::string& command,
                                const std::string& companion) {
        const Twips before = app.openedForm(form).geometry();
        app.click(form, command);
        ASSERT_TRUE(app.isOpen(companion));
        EXPECT_EQ(modeOf(companion), Mode::Modeless);
        EXPECT_EQ(app.windows().front().form->name(), companion);
        EXPECT_EQ(app.openedForm(form).geometry().left, before.left);
        EXPECT_EQ(app.openedForm(form).geometry().top, before.top);
        app.close(companion);
    }
};

} // namespace etero::testing
