#include <gtest/gtest.h>

#include "common/keyboard_order.h"

namespace {

// The options' first tab as the window places it: a group box, a label and
// a list on its first line, a column of radio buttons with what belongs to
// them on their right (a little higher or lower, as edits and pickers
// stand), then a check box, and the two buttons at the bottom.
TEST(KeyboardOrder, ReadingOrderKeepsEachRadioSetTogether) {
    const std::vector<OrderedControl> controls = {
        {{20, 60, 385, 180}, true},        // 0 group box
        {{30, 102, 220, 13}, false, 1},    // 1 radio "no action"
        {{40, 78, 180, 13}},               // 2 label
        {{220, 78, 140, 21}},              // 3 drop-down list
        {{150, 118, 50, 16}},              // 4 edit beside the second radio
        {{30, 120, 120, 13}, false, 1},    // 5 radio
        {{250, 132, 110, 22}},             // 6 picker beside the third radio
        {{30, 138, 200, 13}, false, 1},    // 7 radio
        {{28, 198, 130, 13}},              // 8 check box
        {{320, 274, 100, 25}},             // 9 Cancel
        {{210, 274, 100, 25}},             // 10 OK
        {{30, 156, 310, 13}, false, 2},    // 11 a radio of another set
    };
    EXPECT_EQ(readingOrder(controls), (std::vector<int>{0, 2, 3, 1, 5, 7, 4, 6, 11, 8, 10, 9}));
    EXPECT_TRUE(readingOrder({}).empty());
}

TEST(KeyboardOrder, MnemonicLetters) {
    const std::pair<const char*, std::optional<unsigned char>> cases[] = {
        {"&OK", 'O'},           {"&cancel", 'C'},  {"Auf&heben", 'H'},
        {"Save && &Exit", 'E'}, {"a && b", {}},    {"no letter", {}},
        {"trailing &", {}},     {"&\xfc" "ber", 0xDC},  // ü and Ü are one letter
    };
    for (const auto& [text, letter] : cases) EXPECT_EQ(mnemonicOf(text), letter) << text;
}

// One control with the letter is acted on; where several share it, the
// focus goes round them, starting after the focus, and nothing is pressed.
TEST(KeyboardOrder, SharedMnemonicsMoveTheFocusOnly) {
    struct Case {
        std::vector<bool> carries;
        int focus;
        int control;
        bool press;
    };
    const Case cases[] = {
        {{false, true, false}, -1, 1, true},
        {{false, true, false}, 1, 1, true},
        {{false, false}, 0, -1, false},
        {{true, false, true}, -1, 0, false},
        {{true, false, true}, 0, 2, false},
        {{true, false, true}, 2, 0, false},
        {{true, false, true}, 1, 2, false},
    };
    for (const Case& c : cases) {
        const MnemonicChoice choice = chooseMnemonic(c.carries, c.focus);
        EXPECT_EQ(choice.control, c.control) << c.focus;
        EXPECT_EQ(choice.press, c.press) << c.focus;
    }
}

}  // namespace
