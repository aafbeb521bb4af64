#pragma once

#include <windows.h>

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

// Tray command 1498: opens the window and returns once it is closed; with
// the window open already, it only comes to the front.
void openDisplayModes();

// Registers the class, builds the window with both lists, the modes and
// the favourites. Returns the window; the caller runs its loop.
HWND createDisplayWindow();

// The open display-mode window; null without one.
HWND displayWindow();

// Fills the mode list (when the window is open) and takes the current mode
// as the one the countdown goes back to. Every tray menu runs it too: the
// remembered mode outlives the window.
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

// Whether the open window's undo countdown runs.
bool displayCountdownActive();

// Add (115) the selected mode to the favourites; delete (116) the selected
// favourite.
void addFavouriteMode();
void deleteFavouriteMode();

// The favourite list as the open window holds it is stored, written first
// and stale values pruned only then. Nothing without the window; every way
// of closing it stores it too.
void storeFavouriteModes();

// The session is ending: the countdown's timer stops; the mode on trial was
// never stored, so the next start has the mode the user kept last.
void stopDisplayCountdown();
