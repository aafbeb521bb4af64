#pragma once

#include <windows.h>

#include <string>

#include "common/tray_icon_win.h"

// Adds the icon that the given window owns: the small shell icon of the icon
// source file and the tooltip for this system and language.
bool addTrayIcon(HWND owner);

// Shows the small shell icon of another file in the main window's icon.
bool modifyTrayIcon(const std::string& iconFile);

// The message the shell broadcasts when its taskbar has been (re)created;
// 0 if it cannot be registered.
UINT taskbarCreatedMessage();
