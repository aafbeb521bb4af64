#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "common/tray_icon_record_win.h"

// Adds the icon that the given window owns: the small shell icon of the icon
// source file and the tooltip shown now.
bool addTrayIcon(HWND owner);

// Shows the small shell icon of another file in the main window's icon.
bool modifyTrayIcon(const std::string& iconFile);

// Gives every icon the tooltip for this system, language and schedule,
// sending it only where the text has changed.
void showScheduleInTray();

// The message the shell broadcasts when its taskbar has been (re)created;
// 0 if it cannot be registered.
UINT taskbarCreatedMessage();

// The shell's call (Shell_NotifyIconA); tests install a recorder. nullptr
// goes back to the shell's.
using NotifyIconCall = BOOL(WINAPI*)(DWORD operation, NOTIFYICONDATAA* record);
void setNotifyIconCall(NotifyIconCall call);
