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
};

} // namespace etero::testing
