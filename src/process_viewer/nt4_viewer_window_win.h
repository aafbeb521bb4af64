#pragma once

#include <windows.h>

// The process viewer of Windows NT 4 and earlier (class and caption
// "Process Viewer"): a list of the processes PSAPI knows, each with its
// first titled window, and eight buttons that act on the selected row.

// Builds the window, its list (filled on NT 4 itself) and its buttons, the
// focus to go to the list. Returns the window.
HWND createNt4ViewerWindow();

// The open NT 4 viewer; null without one.
HWND nt4ViewerWindow();
