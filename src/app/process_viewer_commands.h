#pragma once

#include <windows.h>

// The tray's process viewer entry and the viewer windows' messages.

// Command 1495: opens the viewer this system gets (none where its version
// cannot be read) and returns once it is closed. With a viewer open
// already, it only comes to the front.
void openProcessViewer();

// A command from the menu bar, the context menu or a button of a viewer
// window; true when it was one.
bool runProcessViewerCommand(HWND window, unsigned id);

// Notifications of the three lists; true when handled.
bool onProcessViewerNotify(HWND window, const NMHDR& header);

// The close box of the process viewer and the module usage window; the
// NT 4 viewer closes as any window does. True when handled.
bool closeProcessViewerWindow(HWND window);

// WM_CONTEXTMENU over the window list with a row selected: the row's menu.
bool onProcessViewerContextMenu(HWND window, HWND under);

// The "&Always On Top" entry of the viewer's system menu.
bool onProcessViewerSysCommand(HWND window, WPARAM command);

// Timer 3 of the process viewer: the once-a-second pass.
bool onProcessViewerTimer(HWND window, WPARAM timer);
