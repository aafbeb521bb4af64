#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/layout.h"

// Every window but the main one (options, warning, display modes,
// favourites, the process viewers) is a feature window: its class has a
// window procedure of its own in its feature's folder and its state lives
// with the window. Feature windows are modeless: the program's one loop
// runs them all, with the keyboard of a dialog for the active one.

// The hidden main window that owns the tray icon; null before start-up has
// made it and once it is gone.
HWND mainWindow();
void setMainWindow(HWND window);

// What every window of the program shares (its tray icon's notifications
// and menu, TaskbarCreated, the tray menu's commands, its tray icon as it
// is created and destroyed, the end of the session): each window
// procedure hands it every message it does not handle itself. Start-up
// sets it, so that no feature needs to know the app; until then it is
// DefWindowProcA. Before that, sharedWindowProc keeps the record of open
// windows, and gives a feature window its focus and, once it is gone,
// hides the main window again.
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
// one is given. state is its creation parameter (see window_state_win.h).
// Null on failure. Its creation takes the language anew, so its controls
// are laid out after it, and it is then placed for them.
HWND createFeatureWindow(const char* className, WNDPROC procedure, const std::string& iconFile,
                         const char* title, void* state, DWORD style = WS_DLGFRAME | WS_SYSMENU,
                         HWND owner = nullptr, HMENU menu = nullptr);

// Sizes the window for the laid-out client area (at the screen's
// resolution) and places it where a window of centredAs (at 96 DPI) would
// stand centred on the desktop, but inside the work area: at its top left
// where it is larger. With after, it also takes that place in the
// order of windows (HWND_TOPMOST, say).
void placeFeatureWindow(HWND window, const Layout& layout, SIZE centredAs, HWND after = nullptr);

// Shows the window, active, with the focus on the control its creation
// chose (rememberFocus; none: the window itself); the program's loop runs
// it.
void showFeatureWindow(HWND window);

// The tray's way into a feature window: with one of the class open
// already, it only comes to the front; otherwise create makes one (null
// when it cannot), which is shown. Returns at once either way.
void openFeatureWindow(const char* className, const std::function<HWND()>& create);

// One message of the program's loop: through the active feature window's
// keyboard handling, or translated and dispatched.
void dispatchProgramMessage(MSG& message);

// The program's one loop, until WM_QUIT (which only the main window's end
// posts); then every window still open is destroyed. Returns the exit code.
int runMessageLoop();
