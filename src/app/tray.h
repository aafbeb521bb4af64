#pragma once

#include <windows.h>

#include <string>

// Id of the one tray icon each of our windows owns.
constexpr UINT kTrayIconId = 1;

// The message the shell sends to an icon's owner; lParam is the mouse message.
constexpr UINT kTrayNotifyMessage = WM_USER + 10;

// The small icon the shell shows for a file of any kind; null when it has
// none. The caller destroys it.
HICON smallShellIcon(const std::string& file);

// Adds the icon that the given window owns: the small shell icon of the icon
// source file and the tooltip for this system and language.
bool addTrayIcon(HWND owner);

// Shows the small shell icon of another file in the main window's icon.
bool modifyTrayIcon(const std::string& iconFile);

// Removes the tray icon that the given window owns. Harmless when it has none.
void removeTrayIcon(HWND owner);

// Lets the user pick any file and shows its icon at once. Returns the chosen
// path, "" when the user cancelled (the icon is then unchanged).
std::string replaceTrayIcon();

// The message the shell broadcasts when its taskbar has been (re)created;
// 0 if it cannot be registered.
UINT taskbarCreatedMessage();
