#pragma once

#include <windows.h>

// What the process viewers do to the window or the process of a list's
// selected row: column 0 names the window by its title, column 2 the
// process by its id. Without a selected row nothing happens.

// The process id of the selected row; 0 without one.
DWORD selectedProcessId(HWND list);

// Every top-level window of the row's process comes to the top and gets
// the system command (SC_CLOSE, SC_MAXIMIZE, ...), one after the other.
void sendWindowCommand(HWND list, UINT command);

// The first top-level window with the row's title comes to the top.
void bringSelectedToFront(HWND list);

// The first top-level window with the row's title is destroyed (which the
// system allows only to the window's own thread).
void destroySelectedWindow(HWND list);

// Ends the row's process with exit code -1, with the debug privilege where
// the user may take it.
void terminateSelectedProcess(HWND list);

// Gives the row's process a priority class (0x80, 0x40, 0x20, 0x100).
void setSelectedPriority(HWND list, unsigned priorityClass);

// The window list's context menu for its selected row, at the cursor:
// module usage, version info, and the priority classes with the process's
// own checked. False when no row is selected.
bool showRowContextMenu(HWND owner, HWND list);
