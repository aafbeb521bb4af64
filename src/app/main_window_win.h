#pragma once

#include <windows.h>

// Class and title of the hidden main window that owns the tray icon. Its
// timer runs the scheduler; it hears the computer's resume and the clock's
// change; its end posts the quit that ends the program.
constexpr const char* kMainWindowClass = "Dormival";

// Registers the main window class with its procedure, and makes the
// program-wide fallback the one every window hands on to.
ATOM registerMainWindowClass(HINSTANCE instance);

// Creates the main window (not visible); it is the program's main window
// from then on.
HWND createMainWindow(HINSTANCE instance);
