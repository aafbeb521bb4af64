#pragma once

#include <windows.h>

// The program favourites window: a list of files, each with its shell
// icon, which the user adds, removes and starts. Class "Favoriten".
constexpr const char* kFavouritesClass = "Favoriten";
constexpr int kFavouritesListId = 219;

namespace favourites_command {
constexpr unsigned kRemove = 119;
constexpr unsigned kAdd = 120;
constexpr unsigned kRun = 220;
}  // namespace favourites_command

// Registers the class and builds the window with its list, its buttons and
// the stored favourites. Returns the window; the caller runs its loop.
HWND createFavouritesWindow();

// Add (120) through the open-file dialog; remove (119) and run (220, and a
// double-click) the selected entry. Without a selection nothing happens.
void addFavouriteProgram();
void removeFavouriteProgram();
void runFavouriteProgram();

// The list as the open window holds it is stored, written first and stale
// values pruned only then. Nothing without the window.
void storeFavouritePrograms();

// The window is being destroyed, whichever way: the list is stored, so no
// way of closing loses the user's changes.
void onFavouritesWindowDestroyed();

// Deletes the window's font; runs when the window is finally destroyed.
void releaseFavouritesFonts();
