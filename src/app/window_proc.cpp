#include "app/window_proc.h"

#include "app/current_settings.h"

namespace {

// Runs for every window of the program as it is created.
LRESULT onCreate() {
    runWindowCreationSettingsStep();
    return 0;
}

// Destroying any of our windows ends the innermost message loop.
LRESULT onDestroy() {
    PostQuitMessage(0);
    return 0;
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate();
    case WM_DESTROY:
        return onDestroy();
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
