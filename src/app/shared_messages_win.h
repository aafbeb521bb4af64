#pragma once

#include <windows.h>

// What every window of the program shares, and the program-wide fallback
// that each window procedure hands every message it does not handle
// itself: the window's tray icon (added as the window is created, again
// after TaskbarCreated, removed as it is destroyed) and its notifications,
// the tray menu's commands, and the end of the session.
LRESULT CALLBACK sharedMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
