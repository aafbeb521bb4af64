#include <gtest/gtest.h>

#include "common/keyboard_order.h"

namespace {

// The options' first tab as the window places it: a group box, a label and
// a list on its first line, a column of radio buttons with what belongs to
// them on their right (a little higher or lower, as edits and pickers
// stand), a radio button of another set, a check box, OK and Cancel.
TEST(KeyboardOrder, ReadingOrderKeepsEachRadioSetTogether) {
    const std::vector<OrderedControl> controls = {
        {{20, 60, 385, 180}, true},   {{30, 102, 220, 13}, false, 1}, {{40, 78, 180, 13}},
        {{220, 78, 140, 21}},         {{150, 118, 50, 16}},           {{30, 120, 120, 13}, false, 1},
        {{250, 132, 110, 22}},        {{30, 138, 200, 13}, false, 1}, {{28, 198, 130, 13}},
        {{320, 274, 100, 25}},        {{210, 274, 100, 25}},          {{30, 156, 310, 13}, false, 2},
    };
    EXPECT_EQ(readingOrder(controls), (std::vector<int>{0, 2, 3, 1, 5, 7, 4, 6, 11, 8, 10, 9}));
    EXPECT_TRUE(readingOrder({}).empty());
}

TEST(KeyboardOrder, MnemonicLetters) {
    const std::pair<const char*, std::optional<unsigned char>> cases[] = {
        {"&OK", 'O'},  {"&cancel", 'C'},     {"Auf&heben", 'H'},    {"Save && &Exit", 'E'},
        {"a && b", {}}, {"no letter", {}},   {"trailing &", {}},    {"&\xfc" "ber", 0xDC},
    };
    for (const auto& [text, letter] : cases) EXPECT_EQ(mnemonicOf(text), letter) << text;
}

}  // namespace
