#pragma once

#include <windows.h>

// The process viewer window (class and caption "Process Viewer"): a menu
// bar, the window list with a row per titled top-level window and its
// process, and a status bar. The list is rebuilt by a refresh and kept up
// by a pass once a second (timer 3). Its menus' commands act on the
// selected row (row_commands_win.h); a double-click opens the module
// window; "&Always On Top" is remembered.

// Tray command 1495: opens the viewer this system gets (none where its
// version cannot be read; the NT 4 viewer on NT 4 and earlier). With a
// viewer open already, it only comes to the front. Esc closes a viewer.
void openProcessViewer();

// Builds the window and its list, refreshed, sorted by title, with row 0
// selected, the focus to go to the list; topmost when the user left it
// so. Returns the window; null when it could not be built whole.
HWND createProcessViewerWindow();

// The open viewer; null without one.
HWND viewerWindow();
