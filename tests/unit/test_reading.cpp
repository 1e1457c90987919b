// A window read as text: the names a screen reader announces, taken from the
// captions the window shows, and the plain text its copy-results action
// gives, on small windows made for the purpose and on real calculators.
#include "shell/app/app.h"
#include "shell/app/catalogue.h"
#include "shell/app/registry.h"
#include "shell/form/reading.h"
#include "shell/number/number.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace etero;

namespace {

// Every way a calculator names its values: a field and its label, a unit
// after a field, a caption before a result, a field named only by its
// tooltip, a list with a prompt, results hidden, empty, on the drawing or in
// a hidden frame.
class Lettura : public Form {
  public:
    Lettura() : Form("tstlettura") {}

  protected:
    void design() override {
        window("  LETTURA DI PROVA ");
        frame("Frame1", "dati conosciuti");
        options("Option1", 0, {"&PRIMA", "SECONDA"});
        endFrame();
        field("Label1", "RESISTENZA :", "txtr", "valore della resistenza");
        label("lblunita", " megaOhm").as(Role::Caption);
        field("Label2", "FREQUENZA  in MHz ", "txtf");
        label("lblrisultato").as(Role::Caption); // names the result after it, not txtf's unit
        result("lblout");
        label("lblunout", "secondi").as(Role::Caption);
        label("Label3", "USARE IL PUNTO").as(Role::Hint);
        input("txtsolo", "digitare la tensione");
        combo("cmblista", {"UNO", "DUE"}).initial("SCEGLIERE");
        result("lblnascosto", "NASCOSTO").hidden();
        result("lblvuoto");
        label("lbldisegno", "A").as(Role::OnDrawing);
        label("lblfisso", "CAVO 50 OHM").as(Role::OnDrawing);
        frame("Frame2", "NASCOSTA").hidden();
        result("lbldentro", "DENTRO");
        endFrame();
        command("cmdcalcola", "&CALCOLA", [this] {
            caption("lblrisultato", "TEMPO :");
            caption("lblout", formatFixed(num("txtr") * num("txtf"), 2));
            caption("lbldisegno", "12,5 mt");
            caption("Label3", "NOTA SCRITTA");
        });
        closeCommand("cmdesci", "").picture = "exit";
        onOption("Option1", [](int) {});
        onChange("txtr", [this] { caption("lbldisegno", "A"); });
    }
};
ETERO_FORM(Lettura, "tstlettura");

// A window laid out in twips whose fields form a grid: row captions on the
// left, column headings above; a unit right of a field; a field with its
// own label under the grid, and a result under that.
class Griglia : public Form {
  public:
    Griglia() : Form("tstgriglia") {}

  protected:
    void design() override {
        window("GRIGLIA");
        layoutInTwips();
        label("Label2", "GRADI").as(Role::Caption).at(1920, 960, 1200, 255);
        label("Label3", "PRIMI").as(Role::Caption).at(3240, 960, 1200, 255);
        label("Label5", "LONGITUDINE").as(Role::Caption).at(120, 1320, 1680, 255);
        input("txtlongr").at(1920, 1260, 1200, 315);
        input("txtlonpr").at(3240, 1260, 1200, 315);
        label("Label6", "LATITUDINE").as(Role::Caption).at(120, 1800, 1680, 255);
        input("txtlatgr").at(1920, 1740, 1200, 315);
        input("txtlatpr").at(3240, 1740, 1200, 315);
        label("lblum", "mm").at(4560, 1800, 600, 255);
        field("Label7", "QUOTA :", "txtquota").at(1920, 2240, 1200, 315);
        control("Label7").at(120, 2300, 1680, 255);
        label("Label8", "RISULTATO").as(Role::Caption).at(120, 2800, 1680, 255);
        result("lblris", "12").at(1920, 2800, 3000, 255);
        closeCommand("cmdesci", "E S C I").at(4380, 3300, 1500, 435);
    }
};
ETERO_FORM(Griglia, "tstgriglia");

struct Reading : etero::testing::Program {
    const Form& open(const std::string& form) {
        app.open(form, Mode::Modeless);
        return app.openedForm(form);
    }
    std::string name(const std::string& form, const std::string& control) {
        const Form& f = app.openedForm(form);
        return accessibleName(f, f.control(control));
    }
};

TEST_F(Reading, FieldsAreNamedByTheirLabelAndUnit) {
    open("tstlettura");
    EXPECT_EQ(name("tstlettura", "txtr"), "RESISTENZA, megaOhm");
    EXPECT_EQ(name("tstlettura", "txtf"), "FREQUENZA in MHz");
    EXPECT_EQ(name("tstlettura", "txtsolo"), "digitare la tensione"); // nothing shown names it
    EXPECT_EQ(name("tstlettura", "Option1(0)"), "PRIMA");
    EXPECT_EQ(name("tstlettura", "cmdcalcola"), "CALCOLA");
    EXPECT_EQ(name("tstlettura", "cmdesci"), "CHIUDI"); // a picture alone
    EXPECT_EQ(name("tstlettura", "Label3"), "");        // read by its own text
    // A list keeps the name of its prompt once an item is chosen.
    EXPECT_EQ(name("tstlettura", "cmblista"), "SCEGLIERE");
    app.select("tstlettura", "cmblista", 1);
    EXPECT_EQ(name("tstlettura", "cmblista"), "SCEGLIERE");
}

TEST_F(Reading, AResultIsNamedByItsCaptionAndReadWithItsValue) {
    open("tstlettura");
    EXPECT_EQ(name("tstlettura", "lblout"), "secondi");
    app.setText("tstlettura", "txtr", "2");
    app.setText("tstlettura", "txtf", "3.5");
    app.click("tstlettura", "cmdcalcola");
    EXPECT_EQ(name("tstlettura", "lblout"), "TEMPO: 7,00 secondi");
    EXPECT_EQ(name("tstlettura", "lblnascosto"), "NASCOSTO");
}

TEST_F(Reading, AGridOfFieldsIsNamedByRowAndColumn) {
    open("tstgriglia");
    EXPECT_EQ(name("tstgriglia", "txtlongr"), "LONGITUDINE, GRADI");
    EXPECT_EQ(name("tstgriglia", "txtlonpr"), "LONGITUDINE, PRIMI");
    EXPECT_EQ(name("tstgriglia", "txtlatgr"), "LATITUDINE, GRADI");
    EXPECT_EQ(name("tstgriglia", "txtlatpr"), "LATITUDINE, PRIMI, mm");
    // A label of its own, and a result under it, belong to no column.
    EXPECT_EQ(name("tstgriglia", "txtquota"), "QUOTA");
    EXPECT_EQ(name("tstgriglia", "lblris"), "RISULTATO: 12");
}

TEST_F(Reading, CopyGivesCaptionInputsChoicesAndResultsExactlyAsShown) {
    open("tstlettura");
    // The window opens with its first option chosen (the focus rule).
    EXPECT_EQ(copyText(app.openedForm("tstlettura")), "LETTURA DI PROVA\ndati conosciuti: PRIMA");
    app.click("tstlettura", "Option1(1)");
    app.setText("tstlettura", "txtr", "2");
    app.setText("tstlettura", "txtf", "3.5");
    app.setText("tstlettura", "txtsolo", "230");
    app.select("tstlettura", "cmblista", 1);
    app.click("tstlettura", "cmdcalcola");
    EXPECT_EQ(copyText(app.openedForm("tstlettura")), "LETTURA DI PROVA\n"
                                                      "dati conosciuti: SECONDA\n"
                                                      "RESISTENZA : 2 megaOhm\n"
                                                      "FREQUENZA  in MHz: 3.5\n"
                                                      "TEMPO : 7,00 secondi\n"
                                                      "230\n"
                                                      "SCEGLIERE: DUE\n"
                                                      "A: 12,5 mt");
    // A label on the drawing back at its opening text is no result.
    app.setText("tstlettura", "txtr", "3");
    EXPECT_EQ(copyText(app.openedForm("tstlettura")).find("\nA"), std::string::npos);
}

TEST_F(Reading, CopyOfACalculatorAfterItsComputation) {
    app.menu(2); // frmleggediohm, modal
    app.setText("frmleggediohm", "txtinput1", "12");
    app.setText("frmleggediohm", "txtinput2", "2");
    app.click("frmleggediohm", "cmdcalcola");
    EXPECT_EQ(*app.copyResults("frmleggediohm"), "POTENZA - TENSIONE - CORRENTE - RESISTENZA\n"
                                                 "dati conosciuti: VOLT  e  AMPERE\n"
                                                 "VOLT : 12\n"
                                                 "AMPER : 2\n"
                                                 "OHM : 6,\n"
                                                 "WATT : 24,");
}

TEST_F(Reading, CopyIsTheWindowsOwnActionAndAModalWindowBlocksIt) {
    app.menu(7); // frmvoltwatt, modeless
    app.menu(2); // frmleggediohm, modal
    EXPECT_FALSE(app.copyResults("frmvoltwatt").has_value());
    EXPECT_TRUE(app.copyResults("frmleggediohm").has_value());
    EXPECT_THROW(app.copyResults(kMainWindow), UsageError);
    EXPECT_THROW(app.copyResults("frmdB"), UsageError); // not open
}

// The issue's own example, and the locator's grid of six fields.
TEST_F(Reading, RealWindowsNameTheirFieldsAsTheyShowThem) {
    app.menu(182); // frmcostantetemporc
    EXPECT_EQ(name("frmcostantetemporc", "txtinput1"), "RESISTENZA, megaOhm");
    EXPECT_EQ(name("frmcostantetemporc", "txtinput2"), "CAPACITA', microFarad");
    EXPECT_EQ(name("frmcostantetemporc", "lblinput(3)"), "TEMPO: ? secondi");
    app.click("frmcostantetemporc", "Option1(1)");
    EXPECT_EQ(name("frmcostantetemporc", "txtinput1"), "TEMPO, secondi");
    app.close("frmcostantetemporc");
    app.open("frmwwl", Mode::Modeless);
    EXPECT_EQ(name("frmwwl", "txtlatpr"), "LATITUDINE, PRIMI");
    EXPECT_EQ(name("frmwwl", "txtlonse"), "LONGITUDINE, SECONDI");
}

// Every field, list, option and command a window shows has a name; every
// result shown is read with its text.
TEST(EveryWindow, NamesEveryControlItShows) {
    for (const std::string& form : allForms()) {
        etero::testing::QuietHost host;
        App app(host);
        app.start();
        app.open(form, Mode::Modeless);
        const Form& f = app.openedForm(form);
        for (const Control& c : f.controls()) {
            if (!c.visible || (!c.frame.empty() && !f.control(c.frame).visible)) continue;
            const std::string n = accessibleName(f, c);
            if (c.kind == Kind::Text || c.kind == Kind::Combo || c.kind == Kind::Option ||
                c.kind == Kind::Check || c.kind == Kind::Command) {
                EXPECT_FALSE(n.empty()) << form << "." << c.name;
            }
            if (isValue(c) && c.kind == Kind::Label) {
                const auto b = c.caption.find_first_not_of(" \t\r\n");
                const auto e = c.caption.find_last_not_of(" \t\r\n");
                if (b != std::string::npos) {
                    EXPECT_NE(n.find(c.caption.substr(b, e - b + 1)), std::string::npos)
                        << form << "." << c.name << ": " << n;
                }
            }
        }
    }
}

} // namespace
