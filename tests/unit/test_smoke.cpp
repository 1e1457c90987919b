// Every form the program knows: open it, fill its fields with empty, typical
// and wrong values, click every command and option, pick every list item,
// close it. Nothing may throw (arithmetic faults are reported, not thrown)
// and no handler may name a control its form does not have.
#include "shell/app/app.h"
#include "shell/app/catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace etero;

namespace {

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

// Closes every window opened on top of `form` (companions, pages), so that
// the form takes input again.
void closeCompanions(App& app, const std::string& form) {
    for (const OpenWindow& w : app.windows())
        if (w.form->name() != form && w.form->name() != kMainWindow) app.close(w.form->name());
}

void exercise(const std::string& form, const std::string& value) {
    QuietHost host;
    App app(host);
    app.start();
    app.open(form, Mode::Modeless);
    std::vector<Control> controls(app.openForm(form).controls().begin(),
                                  app.openForm(form).controls().end());
    auto usable = [&](const std::string& name) {
        if (!app.isOpen(form)) app.open(form, Mode::Modeless);
        closeCompanions(app, form);
        const Control& c = app.openForm(form).control(name);
        return c.visible && c.enabled;
    };
    for (const Control& c : controls)
        if (c.kind == Kind::Text && usable(c.name)) app.setText(form, c.name, value);
    for (const Control& c : controls) {
        if (c.role == Role::Close) continue;
        if ((c.kind == Kind::Command || c.kind == Kind::Option || c.kind == Kind::Check ||
             c.kind == Kind::Label || c.kind == Kind::Picture) &&
            usable(c.name))
            app.click(form, c.name);
        if (c.kind == Kind::Combo)
            for (std::size_t i = 0; i < app.openForm(form).control(c.name).items.size(); ++i)
                if (usable(c.name)) app.select(form, c.name, static_cast<int>(i));
    }
    if (!app.isOpen(form)) return;
    closeCompanions(app, form);
    app.closeBox(form);
}

class EveryForm : public ::testing::TestWithParam<std::string> {};

TEST_P(EveryForm, SurvivesAnyInput) {
    for (const char* value : {"", "10", "2.5", "-3", "0", "abc", "1e300", "0.000001"}) {
        SCOPED_TRACE(std::string("input \"") + value + "\"");
        EXPECT_NO_THROW(exercise(GetParam(), value));
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryForm, ::testing::ValuesIn(allForms()),
                         [](const auto& info) {
                             std::string n;
                             for (char c : info.param)
                                 n += (std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
                             return n;
                         });

} // namespace
