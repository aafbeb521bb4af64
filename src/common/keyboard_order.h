#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/layout.h"

// How a window's controls are reached from the keyboard, decided from
// their places and texts alone.

// A control as the keyboard order sees it.
struct OrderedControl {
    Box box;             // its place in the window
    bool frame = false;  // a group box: only its caption line counts for the order
    int radioSet = -1;   // the set of radio buttons it belongs to; -1: none
};

// The controls in reading order: row by row from the top, left to right
// in a row. A control belongs to a row when its top lies above the middle
// of the row's first control. The radio buttons of a set stay together,
// in reading order, where the first of them stands; so the set is one stop
// for Tab, and the arrow keys move within it.
std::vector<int> readingOrder(const std::vector<OrderedControl>& controls);

// The letter after the first single '&' of a text, upper-cased for
// comparison (ASCII and the Latin-1 letters of the code page); none
// without one. "&&" is a drawn ampersand.
std::optional<unsigned char> mnemonicOf(const std::string& text);

// What a typed mnemonic letter does among the controls in keyboard order,
// given which of them carry that letter and which has the focus (-1:
// none). With one control it is acted on; where several share it, the
// focus moves to the next of them after the focus, and nothing is pressed.
struct MnemonicChoice {
    int control = -1;  // -1: no control has the letter
    bool press = false;
};
MnemonicChoice chooseMnemonic(const std::vector<bool>& hasLetter, int focus);
