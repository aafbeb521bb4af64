#pragma once

#include <windows.h>

// The process viewer window (class and caption "Process Viewer"): a menu
// bar, the window list with a row per titled top-level window and its
// process, and a status bar. The list is rebuilt by a refresh and kept up
// by a pass once a second (timer 3).
constexpr const char* kProcessViewerClass = "Process Viewer";

// Builds the window and its list, refreshed, sorted by title, with row 0
// selected; topmost when the user left it so. Returns the window for the
// caller's loop; null when it could not be built whole.
HWND createProcessViewerWindow();

// The full refresh (menu "Refresh", the row commands that change windows,
// a pass that finds a window gone) and the once-a-second pass.
void refreshWindowList();
void runWindowListPass();

// "&Always On Top": flips the check marks (menu bar and system menu), the
// window's topmost state and the stored setting.
void toggleAlwaysOnTop();

// "&Save As": the window list as text, in a file the user chooses.
void saveWindowListAsText();

// "&Copy Path": the selected row's program path onto the clipboard.
void copySelectedPath();

// A click on a row: its program's version summary and the number of rows
// in the status bar.
void showSelectedStatus();

// "&?": what the viewer is.
void showViewerAbout();

// The version report of the file in column 1 of the list's selected row,
// owned by the list.
void showSelectedVersionReport(HWND list);

// The close box and "&Exit": the pass stops and the window goes.
void closeProcessViewer();
