// The shortened and loaded verticals: the vertical with a coil part-way up is
// one half of a shortened dipole twice as long.
#include "shell/app/app.h"
#include "shell/number/number.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace etero;

namespace {

using Verticals = etero::testing::Program;

// The number after the last ": " of a caption.
double valueOf(const std::string& caption) {
    const auto at = caption.rfind(": ");
    EXPECT_NE(at, std::string::npos) << caption;
    return parseLocale(caption.substr(at + 2));
}

// Radiator of H metres with the coil A metres up, rod of d mm, f MHz,
// against the dipole of 2H metres with its coils A metres from the centre.
// The coil distances are exact in single precision, which the vertical uses.
TEST_F(Verticals, TheShortenedVerticalHasTheCoilOfTheShortenedDipoleTwiceAsLong) {
    struct Case {
        const char *H, *B, *A, *d, *f;
    };
    app.open("frmvertaccorciata", Mode::Modeless);
    app.open("frmtrappolata", Mode::Modeless);
    for (const Case& c :
         {Case{"5", "10", "2", "20", "7"}, Case{"3", "6", "1.5", "12", "14.2"},
          Case{"7.09", "14.18", "1", "20", "10"}, Case{"1.8", "3.6", "0.25", "4", "21.1"}}) {
        SCOPED_TRACE(c.H);
        app.setText("frmvertaccorciata", "txtlunghezza", c.H);
        app.setText("frmvertaccorciata", "txtdistanza", c.A);
        app.setText("frmvertaccorciata", "txtdiametro", c.d);
        app.setText("frmvertaccorciata", "txtfrequenza", c.f);
        app.click("frmvertaccorciata", "cmdcalcola");
        app.setText("frmtrappolata", "txtlunghezza", c.B);
        app.setText("frmtrappolata", "txtdistanza", c.A);
        app.setText("frmtrappolata", "txtdiametro", c.d);
        app.setText("frmtrappolata", "txtfrequenza", c.f);
        app.click("frmtrappolata", "cmdcalcola");
        const std::string vertical =
            app.openedForm("frmvertaccorciata").control("lblinduttanza").caption;
        const std::string dipole = app.openedForm("frmtrappolata").control("lblinduttanza").caption;
        ASSERT_FALSE(vertical.empty());
        ASSERT_FALSE(dipole.empty());
        EXPECT_DOUBLE_EQ(valueOf(vertical), valueOf(dipole)) << vertical << " / " << dipole;
    }
}

} // namespace
