#pragma once

#include <windows.h>

// Handles of the program's windows. An entry is set when its window is
// created and left as it is when the window is destroyed; opening the window
// again overwrites it.
struct WindowSet {
    HWND main = nullptr;
    // the scheduler's countdown warning and its controls
    HWND warning = nullptr;
    HWND warningOk = nullptr;
    HWND warningCancel = nullptr;
    HWND warningTitle = nullptr;
    HWND warningCountdown = nullptr;
    // the options window and its tab control
    HWND options = nullptr;
    HWND optionsTabs = nullptr;
    // the display-mode window
    HWND display = nullptr;
    // the program favourites window
    HWND favourites = nullptr;
    // the process viewer with its window list and status bar; the NT 4
    // viewer with its process list; the module usage window with its list
    HWND processViewer = nullptr;
    HWND processList = nullptr;
    HWND processStatus = nullptr;
    HWND nt4Viewer = nullptr;
    HWND nt4List = nullptr;
    HWND modules = nullptr;
    HWND moduleList = nullptr;
};

WindowSet& windows();
