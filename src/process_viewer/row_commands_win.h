#pragma once

#include <windows.h>

#include <functional>
#include <string>

// What the process viewers do to the window or the process of a list's
// selected row: column 1 names its program, column 2 its process id, and
// the row's item data its window. A command acts only on the row's own
// process or window: one that has ended, or whose id or handle has passed
// to another, is left alone and the user told. Without a selected row
// nothing happens.

// The process id of the selected row; 0 without one.
DWORD selectedProcessId(HWND list);

// Every visible top-level window with a system menu of the row's process
// gets the system command (SC_CLOSE, SC_MAXIMIZE, ...), posted: a program
// that has stopped answering never holds this one up.
void sendWindowCommand(HWND list, UINT command);

// The row's window comes to the top, without waiting for its program.
void bringSelectedToFront(HWND list);

// The row's window is destroyed, which the system allows only to the
// window's own thread; a refusal is shown with the system's text.
void destroySelectedWindow(HWND list);

// Ends the row's process with exit code -1, the debug privilege enabled
// for the opening only. The processes Windows cannot run without are
// refused with a box that says why.
void terminateSelectedProcess(HWND list);

// Where the action when a program ends is armed: takes the process
// handle (SYNCHRONIZE and query rights) and the program's name, and closes
// the handle when it does not keep it.
using ProgramEndWatch = bool (*)(HANDLE process, const std::string& program);
void setProgramEndWatch(ProgramEndWatch watch);

// The entry of that command in both menus.
const char* actWhenEndedText();

// Hands the row's process, still the row's program, to the watch of its
// end. Dormival's own process is refused with a box.
void actWhenSelectedEnds(HWND list);

// Gives the row's process a priority class (0x80, 0x40, 0x20, 0x100).
void setSelectedPriority(HWND list, unsigned priorityClass);

// A row command of either viewer: the menu bar's Refresh to Bring to front
// (106..113) on the window list, the NT 4 viewer's buttons that do the same
// (125..132) on its process list. refresh fills the list again, after the
// commands that change windows. False for any other id.
bool runRowCommand(HWND list, unsigned id, const std::function<void()>& refresh);

// The window list's context menu for its selected row, at the cursor:
// module usage, version info, the priority classes with the process's own
// checked, and the action when it ends. False when no row is selected.
bool showRowContextMenu(HWND owner, HWND list);
