// Every form the program knows: open it, fill its fields with empty, typical
// and wrong values, click every command and option, pick every list item,
// close it. Nothing may throw (arithmetic faults are reported, not thrown)
// and no handler may name a control its form does not have.
#include "shell/app/app.h"
#include "shell/app/catalogue.h"
#include "support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace etero;

namespace {

using etero::testing::QuietHost;

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
    std::vector<Control> controls(app.openedForm(form).controls().begin(),
                                  app.openedForm(form).controls().end());
    auto usable = [&](const std::string& name) {
        if (!app.isOpen(form)) app.open(form, Mode::Modeless);
        closeCompanions(app, form);
        const Control& c = app.openedForm(form).control(name);
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
            for (std::size_t i = 0; i < app.openedForm(form).control(c.name).items.size(); ++i)
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

// Every label meant for the schematic has exactly one place on it, every
// place names such a label, and everything lies inside the drawing.
TEST_P(EveryForm, LabelsOnTheSchematicHaveTheirPlaces) {
    QuietHost host;
    App app(host);
    app.start();
    app.open(GetParam(), Mode::Modeless);
    const Form& f = app.openedForm(GetParam());
    const Drawing& d = f.schematicDrawing();
    std::multiset<std::string> placed;
    for (const Slot& s : d.slots()) {
        placed.insert(s.control);
        ASSERT_TRUE(f.hasControl(s.control)) << s.control;
        EXPECT_EQ(f.control(s.control).role, Role::OnDrawing) << s.control;
        EXPECT_GE(s.x, 0) << s.control;
        EXPECT_GE(s.y, 0) << s.control;
        EXPECT_LE(s.x + s.width, d.width()) << s.control;
        EXPECT_LE(s.y + s.height, d.height()) << s.control;
    }
    for (const Control& c : f.controls()) {
        if (c.role == Role::OnDrawing) {
            EXPECT_EQ(placed.count(c.name), 1u) << c.name;
        }
    }
    for (const Shape& s : d.shapes()) {
        std::vector<double> xs{s.x1, s.x2}, ys{s.y1, s.y2};
        for (std::size_t i = 0; i + 1 < s.points.size(); i += 2) {
            xs.push_back(s.points[i]);
            ys.push_back(s.points[i + 1]);
        }
        for (double x : xs)
            EXPECT_TRUE(x >= 0 && x <= d.width()) << x;
        for (double y : ys)
            EXPECT_TRUE(y >= 0 && y <= d.height()) << y;
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
