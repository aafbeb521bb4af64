#pragma once

#include <windows.h>

// One-shot tools of the tray menu's Desktop and Tools submenus. None of
// them tells the user anything.

// Posts WM_SYSCOMMAND with this command (SC_CLOSE, SC_MINIMIZE, SC_RESTORE)
// to every visible top-level window that has a system menu; waits for none.
void postToAllWindows(WPARAM systemCommand);

// Asks the system to repaint the desktop; owner receives the shell's
// messages.
void refreshDesktop(HWND owner);

// Opens the system's display properties.
void openDisplayProperties();

// Makes the shell rebuild its icon cache: the cache file goes, and the
// user's icon size is changed and put back, each change announced to every
// window. The user's size (or its absence) is what remains.
void rebuildIconCache();
constexpr const char* kWindowMetricsKeyPath = "Control Panel\\Desktop\\WindowMetrics";
constexpr const char* kShellIconSizeValue = "Shell Icon Size";
