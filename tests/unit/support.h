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

// A window's top left corner, in twips.
struct Corner {
    int left, top;
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
    // front.
    void expectCompanionOpens(const std::string& form, const std::string& command,
                              const std::string& companion) {
        app.click(form, command);
        ASSERT_TRUE(app.isOpen(companion));
        EXPECT_EQ(modeOf(companion), Mode::Modeless);
        EXPECT_EQ(app.windows().front().form->name(), companion);
    }

    // Clicking `command` of the open `form` opens `companion` modeless in
    // front, and leaves `form` where it was; the companion is closed after.
    void expectCompanionInPlace(const std::string& form, const std::string& command,
                                const std::string& companion) {
        const Twips before = app.openedForm(form).geometry();
        ASSERT_NO_FATAL_FAILURE(expectCompanionOpens(form, command, companion));
        EXPECT_EQ(app.openedForm(form).geometry().left, before.left);
        EXPECT_EQ(app.openedForm(form).geometry().top, before.top);
        app.close(companion);
    }

    // Clicking `command` of the open `form` opens `companion` modeless in
    // front; `form` then stands at `self` and the companion at `other`.
    void expectCompanionAt(const std::string& form, const std::string& command,
                           const std::string& companion, Corner self, Corner other) {
        ASSERT_NO_FATAL_FAILURE(expectCompanionOpens(form, command, companion));
        const Twips& at = app.openedForm(form).geometry();
        EXPECT_EQ(at.left, self.left);
        EXPECT_EQ(at.top, self.top);
        const Twips& beside = app.openedForm(companion).geometry();
        EXPECT_EQ(beside.left, other.left);
        EXPECT_EQ(beside.top, other.top);
    }

    // The same twice: the second time the companion is already open
    // elsewhere, and is placed again.
    void expectCompanionAtTwice(const std::string& form, const std::string& command,
                                const std::string& companion, Corner self, Corner other) {
        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(round == 0 ? "opened" : "already open");
            if (round == 1) app.openedForm(companion).placeAt(0, 0);
            ASSERT_NO_FATAL_FAILURE(expectCompanionAt(form, command, companion, self, other));
        }
    }
};

} // namespace etero::testing
