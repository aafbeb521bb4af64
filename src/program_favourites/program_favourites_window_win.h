#pragma once

#include <windows.h>

// The program favourites window: a list of files, each with its shell
// icon, which the user adds, removes and starts. Class "Favoriten".
constexpr const char* kProgramFavouritesClass = "Favoriten";
constexpr int kProgramFavouritesListId = 219;

namespace program_favourites_command {
constexpr unsigned kRemove = 119;
constexpr unsigned kAdd = 120;
constexpr unsigned kRun = 220;
}  // namespace program_favourites_command

// Tray command 218: opens the window; with the window open already, it
// only comes to the front. Enter runs the selected favourite, Esc closes
// the window as its close box does.
void openProgramFavourites();

// Registers the class and builds the window with its list, its buttons and
// the stored favourites, the focus to go to the list. Returns the window.
HWND createProgramFavouritesWindow();

// The open favourites window; null without one.
HWND programFavouritesWindow();

// The list as the window holds it is stored, written first and stale
// values pruned only then. Nothing without the window; every way of
// closing it stores it too.
void storeProgramFavourites(HWND window);
