#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/layout.h"

// The controls the windows are made of, each made with its class and
// styles and given the room its text needs.
enum class ControlKind {
    Group, Check, Radio, Push, Label, Edit, Combo, TimePicker, DatePicker, List, Tabs, Status
};

// A control as a window's table describes it.
struct TableControl {
    ControlKind kind;
    Box box;                         // at 96 DPI, in its parent
    int parent = -1;                 // the index of the group box that holds it, -1: the window
    int page = -1;                   // the tab page it shows on, -1: every page
    std::vector<std::string> texts;  // what it ever shows, first what it starts with
    HFONT font = nullptr;            // the font it is given; null: its own
    int id = 0;
};

// A control of a window without group boxes or tab pages, as its table
// gives it: its kind, its place at 96 DPI, its text in German and English
// and its id.
struct PlainControl {
    ControlKind kind;
    Box box;
    const char* de;
    const char* en;
    int id;
};

// The plain controls in the language shown, the lists with their own font,
// the others with the font given.
std::vector<TableControl> plainTable(const PlainControl* controls, std::size_t count, bool german,
                                     HFONT font);
template <std::size_t N>
std::vector<TableControl> plainTable(const PlainControl (&controls)[N], bool german, HFONT font) {
    return plainTable(controls, N, german, font);
}

// The table laid out at the screen's resolution, every text measured in its
// control's font, in a client area of the given size at 96 DPI. Done once,
// before the window and its controls are made.
Layout layOutTable(const std::vector<TableControl>& table, SIZE clientAt96);

// Makes a control of the kind at its laid-out place, with the font given
// (null leaves the control's own) and any styles of its own besides its
// kind's. A drop-down list's place is its closed size.
HWND createTableControl(HWND parent, ControlKind kind, const char* text, const Box& place, int id,
                        HFONT font, DWORD style = 0);

// Makes every control of a table without group boxes, in its order, with
// its first text and its font; the lists with the style given.
std::vector<HWND> createTable(HWND window, const std::vector<TableControl>& table,
                              const Layout& layout, DWORD listStyle = 0);

// Puts the controls (controls[i] made from table[i]; null ones left out)
// in the order the keyboard walks them: reading order, each tab page's
// radio buttons together as one set. Every control the user works is a
// stop for Tab (of a set of radio buttons, the checked one), and every
// control but the radio buttons after a set's first starts a group, so
// that the arrow keys stay in a set. A tab strip goes last, beneath the
// controls that stand on it.
void arrangeForKeyboard(HWND window, const std::vector<HWND>& controls,
                        const std::vector<TableControl>& table);
