// The information pages as a user reads them: every text whole in its place
// on a 1280 x 1024 screen, pictures shown at their size, and the wire table
// holding what copper wire really is.
#include "qt/formview.h"
#include "qt/program.h"
#include "shell/app/app.h"
#include "shell/number/number.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace etero {
namespace {

const std::vector<std::string> kPages{"frmavvertenza",
                                      "frmabaut",
                                      "frminfoloop",
                                      "frmhelpcondensatore",
                                      "frmuniel",
                                      "frmconduttori",
                                      "frmprefissi",
                                      "frmsmeterhf",
                                      "frmsmetervhf",
                                      "frmbalunchoke",
                                      "frmbaluninaria",
                                      "frmsondecc",
                                      "frmcodextrasfusa",
                                      "frmautotraserieu",
                                      "frminduttanzegeloso",
                                      "frmtestcurvafiltro",
                                      "frmrettificatori",
                                      "frmelettrononpolarizzati",
                                      "frmcoefftermicocondensatori",
                                      "frmresiststrumento"};

class Pages : public ::testing::Test {
  protected:
    void SetUp() override {
        program = std::make_unique<qt::Program>(qt::QtHost::Options{false, false});
        program->host().onEnded = [] {};
        program->start();
    }
    void TearDown() override {
        program.reset();
        QApplication::processEvents();
    }
    std::unique_ptr<qt::Program> program;
};

// The rectangle of w in the coordinates of the window `top`.
QRect inWindow(const QWidget* w, const QWidget* top) {
    return QRect(w->mapTo(top, QPoint(0, 0)), w->size());
}

// Where a text is cut: its label is smaller than the text needs, or the label
// reaches out of what holds it (a frame, the drawing, the window).
std::string clipped(const QLabel* label, const QWidget* window) {
    if (label->wordWrap()) {
        if (label->heightForWidth(label->width()) > label->height()) return "taller than its box";
    } else if (label->sizeHint().width() > label->width() ||
               label->sizeHint().height() > label->height()) {
        return "wider or taller than its box";
    }
    for (const QWidget* w = label; w != window; w = w->parentWidget())
        if (!QRect(QPoint(0, 0), w->parentWidget()->size()).contains(w->geometry()))
            return "out of " + w->parentWidget()->objectName().toStdString();
    return {};
}

TEST_F(Pages, NoTextIsCutAndEveryPageFitsTheScreen) {
    for (const std::string& page : kPages) {
        program->host().input([&] { program->app().open(page, Mode::Modeless); });
        QApplication::processEvents();
        qt::FormView* view = program->host().view(page);
        ASSERT_NE(view, nullptr) << page;
        const Form& form = program->app().openedForm(page);

        // The window with its caption bar and borders on a 1280 x 1024 screen.
        EXPECT_LE(view->width() + 8, 1280) << page;
        EXPECT_LE(view->height() + 30, 1024) << page;
        // The lamination table as the transformer calculators place it, at
        // 6100, 6000 twips.
        if (page == "frmuniel") {
            EXPECT_LE(6100 / kTwipsPerPixel + view->width() + 8, 1280);
            EXPECT_LE(6000 / kTwipsPerPixel + view->height() + 30, 1024);
        }
        QFont bold = QApplication::font();
        bold.setBold(true);
        EXPECT_LE(QFontMetrics(bold).horizontalAdvance(view->windowTitle()) + 60, view->width())
            << page << ": the caption bar cannot show the whole caption";

        std::vector<std::pair<std::string, QRect>> texts;
        for (const Control& c : form.controls()) {
            QWidget* w = view->controlWidget(c.name);
            if (!w || !c.visible) continue;
            if (auto* label = qobject_cast<QLabel*>(w); label && c.kind == Kind::Label) {
                EXPECT_EQ(clipped(label, view), "")
                    << page << "." << c.name << " \"" << c.caption << "\"";
                texts.emplace_back(c.name, inWindow(label, view));
            } else if (auto* picture = qobject_cast<QLabel*>(w);
                       picture && c.kind == Kind::Picture) {
                ASSERT_FALSE(picture->pixmap().isNull()) << page << "." << c.name;
                EXPECT_TRUE(
                    QRect(QPoint(0, 0), picture->size())
                        .contains(QRect(QPoint(0, 0),
                                        picture->pixmap().deviceIndependentSize().toSize())))
                    << page << "." << c.name << " shows only part of its picture";
                EXPECT_TRUE(view->rect().contains(inWindow(picture, view)))
                    << page << "." << c.name;
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                EXPECT_LE(button->sizeHint().width(), button->width()) << page << "." << c.name;
                EXPECT_TRUE(view->rect().contains(inWindow(button, view))) << page << "." << c.name;
            }
        }
        // No text lies over another.
        for (std::size_t i = 0; i < texts.size(); ++i)
            for (std::size_t j = i + 1; j < texts.size(); ++j)
                EXPECT_FALSE(texts[i].second.intersects(texts[j].second))
                    << page << ": " << texts[i].first << " overlaps " << texts[j].first;

        program->host().input([&] { program->app().closeBox(page); });
    }
}

// The wire table, read back from its picture: the diameters the table must
// list, the row 1,00 mm exactly as the reference gives it, and every row
// holding what copper wire is (section, currents at 3 and 4 A/mm², turns,
// weight and resistance at 15 °C, each to the precision it is written in).
TEST_F(Pages, WireTableHoldsTheFortyFourDiametersAndTheirCopperFigures) {
    program->host().input([&] { program->app().open("frmconduttori", Mode::Modeless); });
    const Control& picture = program->app().openedForm("frmconduttori").control("Picture1");
    ASSERT_TRUE(picture.art);
    // Texts of one row share their height; the diameter starts it.
    std::map<double, std::vector<std::string>> rows;
    for (const Shape& t : picture.art->shapes())
        if (t.type == Shape::Type::Text && t.anchor == Anchor::EndsAt) rows[t.y1].push_back(t.text);
    std::vector<std::vector<double>> table;
    for (const auto& [y, cells] : rows) {
        ASSERT_EQ(cells.size(), 10u) << cells.front();
        if (cells.front() == "1,00") {
            EXPECT_EQ(cells, (std::vector<std::string>{"1,00", "0,7853", "2,3559", "3,1412", "9",
                                                       "80", "70", "65", "7,000", "0,022"}));
        }
        std::vector<double> v;
        for (const std::string& c : cells)
            v.push_back(parseLocale(c));
        table.push_back(v);
    }
    std::vector<double> diameters;
    for (int i = 5; i <= 20; ++i)
        diameters.push_back(i / 100.0);
    for (double d : {0.22, 0.24, 0.25, 0.26, 0.28})
        diameters.push_back(d);
    for (int i = 30; i <= 100; i += 5)
        diameters.push_back(i / 100.0);
    for (double d : {1.2, 1.4, 1.5, 1.8, 2.0, 2.5, 3.0, 4.0})
        diameters.push_back(d);
    ASSERT_EQ(table.size(), diameters.size());

    const double pi = 3.141592653589793;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::vector<double>& r = table[i];
        const double d = diameters[i], section = pi * d * d / 4;
        const double outer = d + 0.06 * std::sqrt(d);
        // The last digit written: the fourth significant one for the section
        // and the weight, the third decimal (or the second significant
        // figure) for the resistance.
        auto unit = [](double x, int figures) {
            return std::pow(10.0, std::floor(std::log10(x)) - figures + 1);
        };
        SCOPED_TRACE("diametro " + std::to_string(d));
        EXPECT_NEAR(r[0], d, 1e-9);
        EXPECT_LE(r[1], section);
        EXPECT_GT(r[1], section - unit(section, 4));
        EXPECT_NEAR(r[2], 3 * r[1], 1e-9);
        EXPECT_NEAR(r[3], 4 * r[1], 1e-9);
        EXPECT_EQ(r[4], std::floor(10 / outer));
        EXPECT_EQ(r[5], std::floor(90 / (outer * outer)));
        EXPECT_EQ(r[6], std::floor(80 / (outer * (outer + 0.005))));
        EXPECT_EQ(r[7], std::floor(80 / (outer * (outer + 0.10))));
        const double weight = 8.913 * section, ohms = 0.017241 * (1 - 5 * 0.00393) / section;
        EXPECT_NEAR(r[8], weight, unit(weight, 4) / 2 + 1e-12);
        EXPECT_NEAR(r[9], ohms, std::min(0.0005, unit(ohms, 2) / 2) + 1e-12);
    }
}

} // namespace
} // namespace etero
