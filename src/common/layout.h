#pragma once

#include <vector>

// Where a window's controls go at the screen's resolution and in their
// font. A window's table gives each control's place at 96 DPI; every place
// is scaled by DPI/96, and a control too small for its text grows to hold
// it. What it then reaches moves out of its way: what stands to its right
// on its row moves right, what stands below it in its column moves down,
// and a group box or tab strip grows around what lies in it (and takes it
// along when it moves itself). Where every text fits its scaled place,
// nothing moves.

struct Box {
    int x = 0, y = 0, width = 0, height = 0;
    int right() const { return x + width; }
    int bottom() const { return y + height; }
};

// What a control needs around its text.
enum class Fit {
    None,    // a list, a status bar: no text to fit
    Label,   // the text alone
    Check,   // a check box or radio button: its mark and the gap before the text
    Push,    // a push button: its frame and margins
    Group,   // a group box: its caption's indent; it also holds what lies in it
    Frame,   // a tab strip: no text of its own, but it holds what lies in it
    Edit,    // an edit: its border and margins
    Combo,   // a drop-down list: its arrow, border and margins
    Picker,  // a date or time picker: its button, border and margins
};

struct LayoutItem {
    Box box;          // at 96 DPI, in its parent
    int parent = -1;  // the index of the item that holds it (its place is in that one's), -1: the window
    int page = -1;    // the tab page it shows on, -1 for every page
    Fit fit = Fit::None;
    int textWidth = 0;   // its widest text measured in its font, at the target DPI
    int textHeight = 0;
};

// A value at 96 DPI at another resolution, rounded half away from zero.
int scaledToDpi(int value, int dpi);

struct Layout {
    std::vector<Box> boxes;  // the items' places in their parents, at the target DPI
    int clientWidth = 0;     // what the window's client area must be
    int clientHeight = 0;
};

// Lays the items out at dpi in a client area of the given size at 96 DPI.
// A parent comes before its children.
Layout layOut(const std::vector<LayoutItem>& items, int dpi, int clientWidth, int clientHeight);

// A window's place moved into an area (the screen's work area): where it is
// larger than the area, its top left corner stays in the area.
Box keptInside(Box window, const Box& area);
