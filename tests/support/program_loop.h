#pragma once

#include <windows.h>

#include <functional>

#include "common/feature_window_win.h"

// The program's one loop, run by a test until something has happened: each
// message goes through dispatchProgramMessage, as in the program, and
// between messages it waits for the next one. The limit only keeps a
// broken test from hanging.
inline bool pumpUntil(const std::function<bool()>& done, DWORD limitMs = 10000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        const DWORD waited = GetTickCount() - start;
        if (waited > limitMs) return false;
        MSG message;
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, limitMs - waited, QS_ALLINPUT);
            continue;
        }
        if (message.message == WM_QUIT) {  // left for the loop that ends on it
            PostQuitMessage(static_cast<int>(message.wParam));
            return done();
        }
        dispatchProgramMessage(message);
    }
    return true;
}

// Shows the feature window and runs the loop until it is gone.
inline bool runUntilClosed(HWND window) {
    showFeatureWindow(window);
    return pumpUntil([window] { return !IsWindow(window); });
}
