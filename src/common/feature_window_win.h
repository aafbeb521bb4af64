#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/layout.h"

// Every window but the main one (options, warning, display modes,
// favourites, the process viewers) is a feature window: its class has a
// window procedure of its own in its feature's folder, its state lives
// with the window, and while it is open a message loop of its own runs,
// which dispatches the messages of every other window of the program too.

// The hidden main window that owns the tray icon; null before start-up has
// made it and once it is gone.
HWND mainWindow();
void setMainWindow(HWND window);

// What every window of the program shares (its tray icon's notifications
// and menu, TaskbarCreated, the tray menu's commands, its tray icon as it
// is created and destroyed, the end of the session): each window
// procedure hands it every message it does not handle itself. Start-up
// sets it, so that no feature needs to know the app; until then it is
// DefWindowProcA.
void setSharedWindowProcedure(WNDPROC procedure);
LRESULT CALLBACK sharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// On the NT family minimises, hides and updates the main window, so it never
// shows up as a window or a taskbar button; on Windows 9x it is never shown.
void hideMainWindow();

// Registers the class with this instance; a class registered before with
// the same procedure is left as it is, and 0 is returned.
ATOM registerFeatureClass(WNDCLASSEXA windowClass);

// Registers the class of a feature window as most of them are (its own
// procedure, redrawn when its width changes, the arrow cursor, the button
// face as background, the icons of iconFile at the system's sizes as its
// pictures; a class registered before keeps the icons of its first
// registration) and creates
// the window, not yet shown and not yet placed: by default a dialog frame
// with a system menu, owned by owner if one is given, with the menu bar if
// one is given. Null on failure. Its creation takes the language anew, so
// its controls are laid out after it, and it is then placed for them.
HWND createFeatureWindow(const char* className, WNDPROC procedure, const std::string& iconFile,
                         const char* title, DWORD style = WS_DLGFRAME | WS_SYSMENU,
                         HWND owner = nullptr, HMENU menu = nullptr);

// Sizes the window for the laid-out client area (at the screen's
// resolution) and places it where a window of centredAs (at 96 DPI) would
// stand centred on the desktop, but inside the work area: at its top left
// where it is larger. With after, it also takes that place in the
// order of windows (HWND_TOPMOST, say).
void placeFeatureWindow(HWND window, const Layout& layout, SIZE centredAs, HWND after = nullptr);

// Shows the window and runs its loop until the window is gone, or the main
// window is: the program is then ending, and the window goes too. Once the
// window is gone the main window is hidden again.
void runFeatureWindow(HWND window);

// The tray's way into a feature window: with one open already, it only
// comes to the front; otherwise create makes one (null when it cannot),
// which runs until it is closed.
void openFeatureWindow(HWND open, const std::function<HWND()>& create);
