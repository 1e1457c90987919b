// The decibel window lays itself out in twips: its worked example must lie
// below what the normal window size shows and within what the grown size
// shows, and no two controls may cover each other.
#include "shell/app/registry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace etero;

namespace {

// Window sizes less the caption bar and borders: what the client area shows.
constexpr int kCaptionBar = 400;
constexpr int kBorders = 120;
constexpr int kNormalHeight = 4900, kGrownHeight = 6700, kWidth = 7890;

const std::set<std::string> kExample{"Label3", "Label4", "lbldbesempio", "Label5", "txtvoltesempio",
                                     "Label6", "Label7", "Label9",       "Label8", "Label10"};

bool overlap(const Twips& a, const Twips& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool inside(const Twips& inner, const Twips& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

class DecibelLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        form = createForm("frmdB");
        form->build();
    }
    std::unique_ptr<Form> form;
};

TEST_F(DecibelLayout, WindowOpensAtItsNormalPlaceAndSize) {
    EXPECT_TRUE(form->absoluteLayout());
    const Twips& g = form->geometry();
    EXPECT_EQ(g.left, 2100);
    EXPECT_EQ(g.top, 2000);
    EXPECT_EQ(g.width, kWidth);
    EXPECT_EQ(g.height, kNormalHeight);
}

TEST_F(DecibelLayout, ExampleHiddenAtNormalSizeAndShownWhenGrown) {
    std::size_t examples = 0;
    for (const Control& c : form->controls()) {
        ASSERT_TRUE(c.place) << c.name << " has no position";
        const Twips& p = *c.place;
        EXPECT_GE(p.left, 0) << c.name;
        EXPECT_LE(p.left + p.width, kWidth - kBorders) << c.name;
        if (kExample.count(c.name)) {
            ++examples;
            // Out of sight even if the whole normal height were client area.
            EXPECT_GE(p.top, kNormalHeight) << c.name;
            EXPECT_LE(p.top + p.height, kGrownHeight - kCaptionBar) << c.name;
        } else {
            EXPECT_LE(p.top + p.height, kNormalHeight - kCaptionBar) << c.name;
        }
    }
    EXPECT_EQ(examples, kExample.size());
}

TEST_F(DecibelLayout, ControlsDoNotCoverEachOther) {
    const Twips frame = *form->control("Frame1").place;
    for (const Control& a : form->controls()) {
        if (a.kind == Kind::Frame) continue;
        if (a.frame == "Frame1")
            EXPECT_TRUE(inside(*a.place, frame)) << a.name;
        else
            EXPECT_FALSE(overlap(*a.place, frame)) << a.name;
        for (const Control& b : form->controls()) {
            if (&a == &b || b.kind == Kind::Frame) continue;
            EXPECT_FALSE(overlap(*a.place, *b.place)) << a.name << " and " << b.name;
        }
    }
}

} // namespace
