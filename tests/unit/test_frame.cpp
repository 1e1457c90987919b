// The form frame and the open operation, driven through the same entry
// points as the windows: focus rule, clearing, single instance, modal chain,
// program end, form-level values and the arithmetic-fault rule.
#include "shell/app/app.h"
#include "shell/app/catalogue.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace etero;

namespace {

// Records what the program asks of its windows, one line per event.
class RecordingHost : public Host {
  public:
    std::vector<std::string> log;
    void opened(Form& f, Mode m) override { log.push_back("open " + f.name() + " " + modeName(m)); }
    void front(Form& f) override { log.push_back("front " + f.name()); }
    void closed(Form& f) override { log.push_back("close " + f.name()); }
    void message(Form& f, const Message& m) override {
        log.push_back("message " + f.name() + " " + m.text + " / " + m.title + " / " +
                      iconName(m.icon));
    }
    void focused(Form& f, const std::string& c) override {
        log.push_back("focus " + f.name() + "." + c);
    }
    void fault(Form& f, const std::string& what) override {
        log.push_back("fault " + f.name() + " " + what);
    }
    void ignored(Form& f, const std::string&) override { log.push_back("ignored " + f.name()); }
    void print(Form& f) override { log.push_back("print " + f.name()); }
    void ended() override { log.push_back("end"); }
    bool saw(const std::string& line) const {
        return std::find(log.begin(), log.end(), line) != log.end();
    }
};

// A small calculator exercising the frame: an option group first in tab
// order, two inputs, a compute command that divides and takes a logarithm.
class Probe : public Form {
  public:
    Probe() : Form("frmprobe") {}
    int loads = 0;
    double kept = 0; // a form-level value

  protected:
    void design() override {
        window("PROVA");
        frame("Frame1", "scelta");
        options("Option1", 0, {"UNO", "DUE"});
        endFrame();
        field("Label1", "A", "txta");
        field("Label2", "B", "txtb");
        result("lblq");
        result("lbllog");
        label("lblmode");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        command("cmdmodal", "APRI", [this] { openForm("frmprobe2", Mode::Modal); });
        closeCommand("cmdesci", "E S C I");
        onOption("Option1", [this](int i) { caption("lblmode", i == 0 ? "uno" : "due"); });
        blankOnInputChange({"lblq", "lbllog"});
    }
    void load() override { ++loads; }

  private:
    void compute() {
        const double a = num("txta"), b = num("txtb");
        if (a == 0) return missingData("txta");
        kept = a;
        caption("lblq", formatFixed(a / b, 2));
        caption("lbllog", formatFixed(std::log10(a), 2));
    }
};
ETERO_FORM(Probe, "frmprobe");

// A second window, opened modal from the first.
class Probe2 : public Form {
  public:
    Probe2() : Form("frmprobe2") {}

  protected:
    void design() override {
        window("SECONDA");
        input("txtx");
        closeCommand("cmdesci", "CHIUDI");
    }
};
ETERO_FORM(Probe2, "frmprobe2");

struct Frame : ::testing::Test {
    RecordingHost host;
    App app{host};
    void SetUp() override { app.start(); }
    Probe& probe() { return static_cast<Probe&>(app.openedForm("frmprobe")); }
};

TEST_F(Frame, OpeningSelectsTheFirstOptionAndRunsItsHandler) {
    app.open("frmprobe", Mode::Modeless);
    EXPECT_TRUE(host.saw("focus frmprobe.Option1(0)"));
    EXPECT_TRUE(probe().control("Option1(0)").value);
    EXPECT_EQ(probe().control("lblmode").caption, "uno");
    // Moving the focus onto an unselected option selects it.
    app.focus("frmprobe", "Option1(1)");
    EXPECT_TRUE(probe().control("Option1(1)").value);
    EXPECT_FALSE(probe().control("Option1(0)").value);
    EXPECT_EQ(probe().control("lblmode").caption, "due");
}

TEST_F(Frame, AnInputChangeBlanksTheResults) {
    app.open("frmprobe", Mode::Modeless);
    app.setText("frmprobe", "txta", "10");
    app.setText("frmprobe", "txtb", "4");
    app.click("frmprobe", "cmdcalcola");
    EXPECT_EQ(probe().control("lblq").caption, "2,50");
    app.typeText("frmprobe", "txtb", "0");
    EXPECT_EQ(probe().control("lblq").caption, "");
    EXPECT_EQ(probe().control("lbllog").caption, "");
}

TEST_F(Frame, MissingDataWarnsAndPutsTheFocusInTheField) {
    app.open("frmprobe", Mode::Modeless);
    app.setText("frmprobe", "txta", "abc");
    app.click("frmprobe", "cmdcalcola");
    ASSERT_GE(host.log.size(), 2u);
    EXPECT_EQ(host.log[host.log.size() - 2],
              "message frmprobe MANCANO DATI / MESSAGGIO DI ERRORE / exclamation");
    EXPECT_EQ(host.log.back(), "focus frmprobe.txta");
}

TEST_F(Frame, AFaultStopsTheHandlerAndTheWindowStaysUsable) {
    app.open("frmprobe", Mode::Modeless);
    // a / 0 faults before anything is written.
    app.setText("frmprobe", "txta", "5");
    app.setText("frmprobe", "txtb", "0");
    app.click("frmprobe", "cmdcalcola");
    EXPECT_TRUE(host.saw("fault frmprobe divisione per zero"));
    EXPECT_EQ(probe().control("lblq").caption, "");
    // The logarithm of a negative number faults after the quotient is written:
    // the quotient stays, the logarithm is never shown.
    app.setText("frmprobe", "txta", "-5");
    app.setText("frmprobe", "txtb", "2");
    app.click("frmprobe", "cmdcalcola");
    EXPECT_TRUE(host.saw("fault frmprobe operazione non valida"));
    EXPECT_EQ(probe().control("lblq").caption, "-2,50");
    EXPECT_EQ(probe().control("lbllog").caption, "");
    // The next computation starts afresh and succeeds.
    app.setText("frmprobe", "txta", "100");
    app.click("frmprobe", "cmdcalcola");
    EXPECT_EQ(probe().control("lblq").caption, "50,00");
    EXPECT_EQ(probe().control("lbllog").caption, "2,00");
}

TEST_F(Frame, FaultFlagsOfOneHandlerDoNotLeakIntoTheNext) {
    app.open("frmprobe", Mode::Modeless);
    app.setText("frmprobe", "txta", "5");
    app.setText("frmprobe", "txtb", "0");
    app.click("frmprobe", "cmdcalcola");
    host.log.clear();
    app.focus("frmprobe", "Option1(1)"); // a handler that computes nothing
    for (const auto& line : host.log)
        EXPECT_EQ(line.find("fault"), std::string::npos) << line;
}

TEST_F(Frame, ClosingKeepsFormLevelValuesButRebuildsTheControls) {
    app.open("frmprobe", Mode::Modeless);
    app.setText("frmprobe", "txta", "8");
    app.setText("frmprobe", "txtb", "2");
    app.click("frmprobe", "cmdcalcola");
    Probe* first = &probe();
    app.click("frmprobe", "cmdesci");
    EXPECT_FALSE(app.isOpen("frmprobe"));
    app.open("frmprobe", Mode::Modeless);
    EXPECT_EQ(&probe(), first);
    EXPECT_EQ(probe().kept, 8);
    EXPECT_EQ(probe().loads, 2);
    EXPECT_EQ(probe().control("txta").text, "");
    EXPECT_EQ(probe().control("lblq").caption, "");
    EXPECT_TRUE(probe().control("Option1(0)").value);
}

TEST_F(Frame, AnOpenWindowIsBroughtToTheFrontUnchanged) {
    app.open("frmprobe", Mode::Modeless);
    app.setText("frmprobe", "txta", "3");
    app.open("frmprobe", Mode::Modeless);
    app.open("frmprobe", Mode::Modal); // asked for modal while open modeless
    EXPECT_TRUE(host.saw("front frmprobe"));
    EXPECT_EQ(probe().control("txta").text, "3");
    EXPECT_EQ(probe().loads, 1);
    EXPECT_EQ(app.modalTop(), nullptr);
}

TEST_F(Frame, AModalChainTakesAllInput) {
    app.open("frmprobe", Mode::Modal);
    app.click("frmprobe", "cmdmodal");
    ASSERT_EQ(app.modalTop()->name(), "frmprobe2");
    host.log.clear();
    app.setText("frmprobe", "txta", "1");
    app.menu(7);
    app.click(kMainWindow, "lbltitolo");
    EXPECT_EQ(host.log, (std::vector<std::string>{"ignored frmprobe", "ignored FRMETEROMETRO",
                                                  "ignored FRMETEROMETRO"}));
    EXPECT_EQ(probe().control("txta").text, "");
    app.tick(); // the timer is not input: the title still blinks
    EXPECT_EQ(app.openedForm(kMainWindow).control("lbltitolo").forecolor, kBlue);
    app.closeBox("frmprobe2");
    EXPECT_EQ(app.modalTop()->name(), "frmprobe");
    app.closeBox("frmprobe");
    EXPECT_EQ(app.modalTop(), nullptr);
    app.menu(7);
    EXPECT_TRUE(app.isOpen("frmvoltwatt"));
}

TEST_F(Frame, TheProgramEndsWithItsLastWindow) {
    app.open("frmprobe", Mode::Modeless);
    app.click(kMainWindow, "cdmexit");
    EXPECT_FALSE(app.ended());
    EXPECT_THROW(app.menu(2), UsageError);
    app.closeBox("frmprobe");
    EXPECT_TRUE(app.ended());
    EXPECT_EQ(host.log.back(), "end");
    EXPECT_THROW(app.open("frmprobe", Mode::Modeless), UsageError);
}

TEST_F(Frame, AMisspeltControlNameFailsLoudly) {
    app.open("frmprobe", Mode::Modeless);
    EXPECT_THROW(app.click("frmprobe", "cmdcalcolo"), UnknownControl);
    EXPECT_THROW(probe().control("lblQ"), UnknownControl);
}

TEST_F(Frame, HiddenOrDisabledControlsIgnoreClicks) {
    app.open("frmprobe", Mode::Modeless);
    probe().control("cmdcalcola").visible = false;
    host.log.clear();
    app.click("frmprobe", "cmdcalcola");
    EXPECT_EQ(host.log, std::vector<std::string>{"ignored frmprobe"});
}

TEST(Catalogue, HasTheWholeTree) {
    const auto entries = menuCatalogue();
    ASSERT_EQ(entries.size(), 247u);
    int leaves = 0, topLevel = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].number, static_cast<int>(i) + 1);
        leaves += entries[i].isLeaf();
        topLevel += entries[i].level == 1;
        // A submenu is always followed by its first child, one level down.
        if (!entries[i].isLeaf()) {
            ASSERT_LT(i + 1, entries.size());
            EXPECT_EQ(entries[i + 1].level, entries[i].level + 1) << entries[i].caption;
        }
    }
    EXPECT_EQ(leaves, 211);
    EXPECT_EQ(topLevel, 10);
    EXPECT_EQ(allForms().size(), 199u); // 193 opened by leaves, 6 only by calculators
    // Every window the catalogue and the calculators open is built; a name
    // no form registered fails loudly.
    for (const std::string& form : allForms())
        EXPECT_TRUE(isRegistered(form)) << form;
    EXPECT_THROW(createForm("frmnessuno"), UsageError);
}

} // namespace

namespace {

// The windows that open with an option already chosen, either by the focus
// rule (the group comes first in tab order) or by their design. The rule
// lives in the frame; this table only checks that each built form's design
// puts the right control first.
struct OpensWith {
    const char* form;
    const char* option;
};
const OpensWith kOpensWithOption[] = {
    {"frmreszener", "Option1(0)"},
    {"frmtrasformatori", "Option1(0)"},
    {"frmvolt", "Option1(0)"},
    {"frmadattatori", "Option1(0)"},
    {"frmantmultigamma", "Option1(0)"},
    {"frmbobine", "Option1(0)"},
    {"frmcostruzionecondensatori", "Option1(0)"},
    {"frmgradi", "Option1(0)"},
    {"frmimpedenza", "Option1(0)"},
    {"frmleggediohm", "Option1(0)"},
    {"frmlungelettrica", "Option1(0)"},
    {"frmreattanza", "Option1(0)"},
    {"frmvalinduttanza", "Option1(0)"},
    {"frmloop", "Option1(0)"},
    {"frmantenna58", "Option1(0)"},
    {"frmantcoaxmulti", "Option1(0)"},
    {"frmdB", "Option1(0)"},
    {"frmdBmicrovolt", "Option1(0)"},
    {"frmridimensiona", "Option1(0)"},
    {"frmled", "Option1(0)"},
    {"frmERP", "Option1(0)"},
    {"frmradianti", "Option1(0)"},
    {"frmcostantetemporc", "Option1(0)"},
    {"frmcostantetemporl", "Option1(0)"},
    {"frmfrequenzametri", "Option1(0)"},
    {"frmaltreconversioni", "Option1(0)"},
    {"frm78xx", "Option1(0)"},
    {"frm78xxbis", "Option1(0)"},
    {"frmcorralternata", "Option1(0)"},
    {"frmantcollineare", "Option1(0)"},
    {"frmantpresacalcolata", "Option1(0)"},
    {"frmlooprettangolare", "Option1(0)"},
    {"frmcapantvert", "Option1(0)"},
    {"frmesempiadattatori", "Option1(0)"},
    {"frmbaluncoax1quarto", "Option1(0)"},
    {"frmbaluncoax3quarti", "Option1(0)"},
    {"frmBalunUnUn", "Option1(0)"},
    {"frmmicrobobine", "Option1(0)"},
    {"frmbobinamulticircolare", "Option1(0)"},
    {"frmmils", "Option1(0)"},
    {"frmimpanodica", "Option1(0)"},
    {"frmcapcondcilindrico", "Option1(0)"},
    {"frmresistenzarf", "Option1(0)"},
    {"frmresistenzadc", "Option1(0)"},
    {"frmtrasfuscita", "Option1(0)"},
    {"frmvoltwatt", "Option1(1)"},
    {"frmdBW", "Option1(0)"},
    {"frmcorresistenza", "Option1(0)"},
    {"frmmisureinglesi", "Option1(0)"},
    {"frmmisureinglesi", "Option2(3)"},
    {"frmvolt", "Option2(0)"},
    {"frmantg5rv", "Option1"},
};

TEST(FocusRule, BuiltFormsOpenWithTheirOptionChosen) {
    for (const OpensWith& entry : kOpensWithOption) {
        SCOPED_TRACE(entry.form);
        RecordingHost host;
        App app(host);
        app.start();
        app.open(entry.form, Mode::Modeless);
        EXPECT_TRUE(app.openedForm(entry.form).control(entry.option).value) << entry.option;
    }
}

} // namespace
