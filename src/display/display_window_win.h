#pragma once

#include <windows.h>

#include "display/display_device_win.h"

// The display-mode window: every mode of the primary display and the
// favourite modes; a double-click sets a mode and turns the window into a
// confirmation with an undo countdown. Class "Aufloesung".
constexpr const char* kDisplayClass = "Aufloesung";
constexpr const char* kFavouriteModesKeyPath = "Software\\Dormival\\Options\\Favorites";

constexpr int kModeListId = 209;
constexpr int kFavouriteModeListId = 210;
constexpr unsigned kDisplayTimerId = 1;

namespace display_command {
constexpr unsigned kKeep = 104;
constexpr unsigned kUndo = 105;
constexpr unsigned kAddFavourite = 115;
constexpr unsigned kDeleteFavourite = 116;
}  // namespace display_command

// Tray command 1498: opens the window; with the window open already, it
// only comes to the front. Enter sets the selected mode as a double-click
// does; Esc closes the window, or while the countdown runs, undoes.
void openDisplayModes();

// Registers the class, builds the window with both lists, the modes and
// the favourites, the focus to go to the mode list. Returns the window.
HWND createDisplayWindow();

// The open display-mode window; null without one.
HWND displayWindow();

// Fills the mode list (when the window is open) and takes the current mode
// as the one the countdown goes back to. Every tray menu runs it too: the
// remembered mode outlives the window.
void enumerateModes();

// Whether the window's undo countdown runs.
bool displayCountdownActive(HWND window);

// Add (115) the selected mode to the favourites; delete (116) the selected
// favourite.
void addFavouriteMode(HWND window);
void deleteFavouriteMode(HWND window);

// The favourite list as the window holds it is stored, written first and
// stale values pruned only then. Nothing without the window; every way of
// closing it stores it too.
void storeFavouriteModes(HWND window);

// The session is ending: the countdown's timer stops; the mode on trial was
// never stored, so the next start has the mode the user kept last.
void stopDisplayCountdown(HWND window);
