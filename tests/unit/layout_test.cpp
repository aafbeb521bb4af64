#include <gtest/gtest.h>

#include "common/layout.h"

bool operator==(const Box& a, const Box& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}
std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << b.x << "," << b.y << " " << b.width << "x" << b.height;
}

namespace {

// A group box holding a label and an edit beside it, a radio button of the
// window lying in the group, a second group below, and a button below both.
std::vector<LayoutItem> table(int labelText) {
    return {
        {{20, 20, 200, 60}, -1, -1, Fit::Group, 40, 13},
        {{10, 20, 80, 13}, 0, -1, Fit::Label, labelText, 13},
        {{100, 18, 50, 16}, 0, -1, Fit::Edit, 20, 13},
        {{30, 60, 100, 13}, -1, -1, Fit::Check, 50, 13},
        {{20, 90, 200, 40}, -1, -1, Fit::Group, 40, 13},
        {{10, 16, 100, 13}, 4, -1, Fit::Check, 50, 13},
        {{120, 140, 100, 25}, -1, -1, Fit::Push, 30, 13},
    };
}

TEST(Layout, TextsThatFitKeepTheirPlacesScaled) {
    const Layout at96 = layOut(table(60), 96, 240, 180);
    const std::vector<LayoutItem> items = table(60);
    for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(at96.boxes[i], items[i].box) << i;
    EXPECT_EQ(at96.clientWidth, 240);
    EXPECT_EQ(at96.clientHeight, 180);

    const Layout at144 = layOut(table(90), 144, 240, 180);
    EXPECT_EQ(at144.boxes[1], (Box{15, 30, 120, 20}));
    EXPECT_EQ(at144.boxes[2], (Box{150, 27, 75, 24}));
    EXPECT_EQ(at144.clientWidth, 360);
    EXPECT_EQ(scaledToDpi(13, 144), 20) << "half a pixel rounds up";
    EXPECT_EQ(scaledToDpi(25, 120), 31);

    // at 125 % two boxes side by side still meet
    const Layout at120 =
        layOut({{{110, 0, 110, 22}}, {{220, 0, 110, 22}}}, 120, 400, 40);
    EXPECT_EQ(at120.boxes[0].right(), at120.boxes[1].x);
}

TEST(Layout, AWiderTextMovesItsRowAndGrowsWhatHoldsIt) {
    const Layout l = layOut(table(150), 96, 240, 180);
    EXPECT_EQ(l.boxes[1], (Box{10, 20, 150, 13}));
    EXPECT_EQ(l.boxes[2], (Box{170, 18, 50, 16})) << "the edit keeps its gap of 10";
    EXPECT_EQ(l.boxes[0].width, 200 + 20 + 8) << "the group ends a margin after the edit";
    EXPECT_EQ(l.boxes[3], (Box{30, 60, 100, 13})) << "the radio button stays";
    EXPECT_EQ(l.boxes[4].width, 200) << "a group on another row keeps its width";
    EXPECT_EQ(l.clientWidth, 20 + 228 + 8);
}

TEST(Layout, ATallerTextMovesItsColumnAndWhatLiesInIt) {
    std::vector<LayoutItem> items = table(60);
    items[3].textHeight = 40;  // the radio button's text, three lines high
    const Layout l = layOut(items, 96, 240, 180);
    EXPECT_EQ(l.boxes[3].height, 40);
    EXPECT_EQ(l.boxes[0].height, 40 + 40 + 7) << "the first group holds the radio button";
    EXPECT_EQ(l.boxes[4].y, 107 + 10) << "the second group moves down, its gap kept";
    EXPECT_EQ(l.boxes[5], (Box{10, 16, 100, 13})) << "its check box moves with it";
    EXPECT_EQ(l.boxes[6].y, 140 + 27);
    EXPECT_EQ(l.clientHeight, 167 + 25 + 8) << "the window ends a margin below the button";
}

TEST(Layout, ControlsOnDifferentPagesDoNotMoveEachOther) {
    std::vector<LayoutItem> items = {
        {{8, 8, 300, 200}, -1, -1, Fit::Frame},
        {{20, 40, 100, 13}, -1, 0, Fit::Label, 300, 13},
        {{130, 40, 100, 13}, -1, 1, Fit::Label, 40, 13},
        {{130, 60, 100, 13}, -1, 0, Fit::Label, 40, 13},
    };
    const Layout l = layOut(items, 96, 320, 220);
    EXPECT_EQ(l.boxes[2].x, 130) << "page 1 is not pushed by page 0";
    EXPECT_EQ(l.boxes[3].x, 130) << "nor what lies below on its own page";
    EXPECT_EQ(l.boxes[0].right(), 20 + 300 + 8) << "the tab strip holds the widest page";
}

TEST(Layout, AWindowStaysInTheWorkArea) {
    const Box work{0, 0, 1024, 740};
    EXPECT_EQ(keptInside({200, 100, 440, 344}, work), (Box{200, 100, 440, 344}));
    EXPECT_EQ(keptInside({900, 600, 440, 344}, work), (Box{584, 396, 440, 344}));
    EXPECT_EQ(keptInside({-30, 100, 1500, 900}, work), (Box{0, 0, 1500, 900}))
        << "larger than the screen: at its top left";
}

}  // namespace
