#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>

// A child control as a window lays it out: its id, its place in the
// parent's client area, its text.
struct ChildPlace {
    int id;
    int x, y, width, height;
    const char* text;
};

inline void expectChildPlaces(HWND parent, std::initializer_list<ChildPlace> children) {
    for (const ChildPlace& c : children) {
        const HWND child = GetDlgItem(parent, c.id);
        ASSERT_NE(child, nullptr) << c.id;
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, c.x) << c.id;
        EXPECT_EQ(place.top, c.y) << c.id;
        EXPECT_EQ(place.right - place.left, c.width) << c.id;
        EXPECT_EQ(place.bottom - place.top, c.height) << c.id;
        char text[256] = "";
        GetWindowTextA(child, text, sizeof(text));
        EXPECT_STREQ(text, c.text) << c.id;
    }
}
