#pragma once

#include <windows.h>

#include <string>

// Every feature window (options, warning, display modes, favourites, process
// viewers) is opened the same way: its class is registered with the one
// window procedure, the window is created and its handle stored, and then it
// runs a message loop of its own until it is destroyed. While that loop runs
// it dispatches the messages of every other window of the program too.

// The program's one window procedure, which every feature class uses; set
// once, when the main window class is registered.
void setFeatureWindowProcedure(WNDPROC procedure);

// Registers the class with the one window procedure and this instance; a
// class registered before is left as it is, and 0 is returned.
ATOM registerFeatureClass(WNDCLASSEXA windowClass);

// Registers the class of a feature window as most of them are (redrawn
// when its width changes, the arrow cursor, the button face as background,
// the small icon of iconFile as its picture; a class registered before
// keeps the icon of its first registration) and creates the window, not
// yet shown: by default a dialog frame with a system menu, of the given
// size, standing where a window of centredAs would stand centred on the
// desktop, owned by owner if one is given. Null on failure.
HWND createFeatureWindow(const char* className, const std::string& iconFile, const char* title,
                         SIZE size, SIZE centredAs, DWORD style = WS_DLGFRAME | WS_SYSMENU,
                         HWND owner = nullptr);

// Shows the window and runs its local loop until the window is gone,
// however it went. Destroying any window posts a quit; the loops need none
// but the main window's: when the main window is gone, the program is
// ending, this window is destroyed too and the quit passed on outwards.
void runFeatureWindow(HWND window);
