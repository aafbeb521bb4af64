#pragma once

#include <windows.h>

// Class and title of the hidden main window that owns the tray icon.
constexpr const char* kMainWindowClass = "Dormival";

// Registers the main window class with the one window procedure, which every
// feature window class gets too.
ATOM registerMainWindowClass(HINSTANCE instance);

// Creates the main window (not visible) and stores it in the window set.
HWND createMainWindow(HINSTANCE instance);

// On the NT family minimises, hides and updates the main window, so it never
// shows up as a window or a taskbar button; on Windows 9x it is never shown.
void hideMainWindow();
