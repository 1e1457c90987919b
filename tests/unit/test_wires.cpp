// The wire data: the metals and their resistivity, the two reference lists,
// entry by entry against the published tables and as the windows show them;
// and the wire-gauge converter opened beside every calculator that offers it.
#include "calc/wires/wires.h"
#include "shell/app/app.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace etero;

namespace {

using Wires = etero::testing::Program;

struct Row {
    const char* caption;
    double resistivity;
};

// clang-format off
const Row kExpectedDc[] = {
    {"RAME", 0.01724}, {"ALLUMINIO", 0.02654}, {"ARGENTO", 0.016},
    {"COSTANTANA", 0.49}, {"FERRO-NICHEL", 0.85}, {"NICHEL-CROMO", 0.9},
};
const Row kExpectedRf[] = {{"R A M E", 1.678}, {"A L L U M I N I O", 2.6548}};
const std::vector<std::string> kExpectedResistivity = {
    "ACCIAIO = da 10 a 16", "ALLUMINIO = 2.65", "ARGENTO = 1.59", "BRONZO = 1.79", "FERRO = 14",
    "MERCURIO = 94", "NICHEL = 11.8", "ORO = 2.08", "OTTONE = 8.26", "PIOMBO = 19.8",
    "PLATINO = 19.3", "RAME = 1.60", "STAGNO = 11.3", "ZINCO = 5.8",
};
const std::vector<std::string> kExpectedWeights = {
    "ACCIAIO = 7.70", "ALCOOL = 0.80", "ALLUMINIO = 2.70", "ARGENTO = 10.50", "BENZINA = 0.74",
    "CROMO = 6.70", "FERRO = 7.86", "GLICERINA = 1.26", "MERCURIO = 13.60", "NICHEL = 8.80",
    "OLIO = 0.90", "ORO = 19.30", "OTTONE = 8.50", "PETROLIO = 0.80", "PIOMBO = 11.34",
    "PLATINO = 21.40", "RAME = 8.90", "STAGNO = 7.28", "ZINCO = 7.10",
};
// clang-format on

// The captions of the option group of an open form, in index order.
std::vector<std::string> optionCaptions(const Form& f) {
    std::vector<std::string> captions;
    for (const Control& c : f.controls())
        if (c.kind == Kind::Option) captions.push_back(c.caption);
    return captions;
}

TEST_F(Wires, TheDirectCurrentMetalsAreTheOptionsInOrder) {
    ASSERT_EQ(wires::kDcMetals.size(), std::size(kExpectedDc));
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < std::size(kExpectedDc); ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(wires::kDcMetals[i].caption, kExpectedDc[i].caption);
        EXPECT_EQ(wires::kDcMetals[i].resistivity, kExpectedDc[i].resistivity);
        captions.push_back(kExpectedDc[i].caption);
    }
    app.open("frmresistenzadc", Mode::Modeless);
    EXPECT_EQ(optionCaptions(app.openedForm("frmresistenzadc")), captions);
}

TEST_F(Wires, TheRadioFrequencyMetalsAreTenToTheMinusEightTimesTheirFactor) {
    ASSERT_EQ(wires::kRfMetals.size(), std::size(kExpectedRf));
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < std::size(kExpectedRf); ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(wires::kRfMetals[i].caption, kExpectedRf[i].caption);
        EXPECT_DOUBLE_EQ(wires::rfResistivity(wires::kRfMetals[i]),
                         kExpectedRf[i].resistivity * 1e-8);
        captions.push_back(kExpectedRf[i].caption);
    }
    app.open("frmresistenzarf", Mode::Modeless);
    EXPECT_EQ(optionCaptions(app.openedForm("frmresistenzarf")), captions);
}

TEST_F(Wires, TheReferenceListsHoldEveryEntryInOrder) {
    EXPECT_EQ(
        std::vector<std::string>(wires::kResistivityList.begin(), wires::kResistivityList.end()),
        kExpectedResistivity);
    EXPECT_EQ(std::vector<std::string>(wires::kSpecificWeightList.begin(),
                                       wires::kSpecificWeightList.end()),
              kExpectedWeights);
    // Filled at every opening, nothing chosen.
    for (int round = 0; round < 2; ++round) {
        app.open("frmresistività", Mode::Modeless);
        const Control& r = app.openedForm("frmresistività").control("cboresistività");
        EXPECT_EQ(r.items, kExpectedResistivity);
        EXPECT_EQ(r.listIndex, -1);
        app.close("frmresistività");
        app.open("frmpeso", Mode::Modeless);
        const Control& p = app.openedForm("frmpeso").control("cbopeso");
        EXPECT_EQ(p.items, kExpectedWeights);
        EXPECT_EQ(p.listIndex, -1);
        app.close("frmpeso");
    }
}

TEST_F(Wires, TheWireGaugeConverterOpensBesideEveryCaller) {
    for (const char* caller : {"frmbobine", "frmmicrobobine", "frmbobinamulticircolare",
                               "frmmultilayercoil", "frmautorisonanza"}) {
        SCOPED_TRACE(caller);
        app.open(caller, Mode::Modeless);
        // Twice: the second time the converter is open elsewhere and is placed again.
        ASSERT_NO_FATAL_FAILURE(
            expectCompanionAtTwice(caller, "cmdchiamaawg", "frmawg", {180, 180}, {4100, 3000}));
        app.close("frmawg");
        app.close(caller);
    }
}

} // namespace
