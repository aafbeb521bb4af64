#pragma once

#include <windows.h>

#include <string>

// The display-mode window: every mode of the primary display and the
// favourite modes; a double-click sets a mode and turns the window into a
// confirmation with an undo countdown. Class "Aufloesung".
constexpr const char* kDisplayClass = "Aufloesung";
constexpr const char* kFavouritesKeyPath = "Software\\Dormival\\Options\\Favorites";

constexpr int kModeListId = 209;
constexpr int kFavouriteListId = 210;
constexpr unsigned kDisplayTimerId = 1;

namespace display_command {
constexpr unsigned kKeep = 104;
constexpr unsigned kUndo = 105;
constexpr unsigned kAddFavourite = 115;
constexpr unsigned kDeleteFavourite = 116;
}  // namespace display_command

// The call that tests and sets a display mode (ChangeDisplaySettingsA);
// tests install another one. nullptr goes back to the system's.
using DisplayChangeCall = LONG(WINAPI*)(DEVMODEA* mode, DWORD flags);
void setDisplayChangeCall(DisplayChangeCall call);

// Registers the class, builds the window with both lists, the modes and
// the favourites. Returns the window; the caller runs its loop.
HWND createDisplayWindow();

// Fills the mode list (when the window is open) and takes the current mode
// as the one the countdown goes back to. Every tray menu runs it too.
void enumerateModes();

// The mode the countdown goes back to.
int rememberedDisplayMode();

// Tests a mode and sets it as the test allows: with a countdown to follow,
// for this session only (true: the mode is on trial); without one, stored
// at once. A mode that takes a restart is stored only if the user says so.
// Problems are told in message boxes.
bool applyDisplayMode(int modeNumber, bool countdown);
// Back to the remembered mode, for this session: the registry still holds
// the mode the user kept last.
void restoreDisplayMode();

// A double-click in one of the lists: the new mode on trial and the
// countdown of checkscreen's length, or, where checkscreen says "0", the
// new mode stored and the window closed at once. A favourite whose mode is
// no longer offered changes nothing and says so.
void onDisplayDoubleClick(int listId);

// Timer 1 while the countdown runs; true when the window closed.
bool onDisplayTimer();
bool displayCountdownActive();

// Keep (104) stores the mode on trial; undo (105) goes back. Either way the
// countdown ends and the window closes.
void keepDisplayMode();
void undoDisplayMode();

// Add (115) the selected mode to the favourites; delete (116) the selected
// favourite.
void addFavouriteMode();
void deleteFavouriteMode();

// The favourite list as the open window holds it is stored, written first
// and stale values pruned only then. Nothing without the window.
void storeFavouriteModes();

// The session is ending: the countdown's timer stops; the mode on trial was
// never stored, so the next start has the mode the user kept last.
void stopDisplayCountdown();

// The window is being destroyed, whichever way: the favourite list is
// stored, so no way of closing loses it, and a countdown still running
// (the close box while counting keeps the new mode) ends with the window.
void onDisplayWindowDestroyed();

// Deletes the window's font; runs when the window is finally destroyed.
void releaseDisplayFonts();
