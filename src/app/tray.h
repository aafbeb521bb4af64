#pragma once

#include <windows.h>

// Id of the one tray icon each of our windows owns.
constexpr UINT kTrayIconId = 1;

// Removes the tray icon that the given window owns. Harmless when it has none.
void removeTrayIcon(HWND owner);
