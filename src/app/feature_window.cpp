#include "app/feature_window.h"

#include "app/window_proc.h"
#include "common/window_set.h"

void registerFeatureClass(WNDCLASSEXA windowClass) {
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    RegisterClassExA(&windowClass);
}

void runFeatureWindow(HWND window) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // The quit that ended this loop may have come from the main window's
    // destruction (the program was told to end while this window was open).
    // Then this window goes too, and the quit is passed on to the loop
    // outside: destroying the window posts it again.
    if (IsWindow(windows().main)) return;
    if (IsWindow(window))
        DestroyWindow(window);
    else
        PostQuitMessage(0);
}
