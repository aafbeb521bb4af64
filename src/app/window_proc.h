#pragma once

#include <windows.h>

// The one window procedure of every window the program creates.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
