#pragma once

#include <windows.h>

// Id of the one tray icon each of our windows owns.
constexpr UINT kTrayIconId = 1;

// The message the shell sends to an icon's owner; lParam is the mouse message.
constexpr UINT kTrayNotifyMessage = WM_USER + 10;

// The icon's record in its first layout, which every shell version accepts,
// with the owner and id filled in.
NOTIFYICONDATAA trayIconRecord(HWND owner);

// Removes the tray icon that the given window owns. Harmless when it has none.
void removeTrayIcon(HWND owner);
