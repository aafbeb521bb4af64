#pragma once

#include <windows.h>

#include <vector>

// The one record of which of the program's windows exist, the main window
// among them, each with the control that had its focus last. A window is
// in it from WM_NCCREATE to WM_NCDESTROY (the shared window procedure
// notes both), so every part of the program, the tray too, finds the
// windows here.

void noteWindowOpened(HWND window);
void noteWindowClosed(HWND window);

// Every window of the program, in the order they were made.
std::vector<HWND> openWindows();

// The first open window of the class (compared as Windows does, ignoring
// case), and where a procedure is given, of that procedure (two kinds of
// window may share a class); null without one.
HWND openWindowOfClass(const char* className, WNDPROC procedure = nullptr);

bool isProgramWindow(HWND window);

// The control the window gives the focus when it is activated again.
void rememberFocus(HWND window, HWND control);
HWND rememberedFocus(HWND window);

// Destroys every window still open, last made first: the program is
// ending, and each goes as it would go at any other time.
void destroyOpenWindows();
