#include "common/feature_window.h"

#include "common/file_icon.h"
#include "common/window_set.h"

namespace {

WNDPROC featureWindowProcedure = nullptr;

void registerFeatureWindowClass(const char* className, const std::string& iconFile) {
    WNDCLASSEXA wc{};
    wc.style = CS_HREDRAW;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = smallFileIcon(iconFile);
    wc.hIconSm = wc.hIcon;
    wc.lpszClassName = className;
    if (!registerFeatureClass(wc)) DestroyIcon(wc.hIcon);
}

}  // namespace

void setFeatureWindowProcedure(WNDPROC procedure) { featureWindowProcedure = procedure; }

ATOM registerFeatureClass(WNDCLASSEXA windowClass) {
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = featureWindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    return RegisterClassExA(&windowClass);
}

HWND createFeatureWindow(const char* className, const std::string& iconFile, const char* title,
                         SIZE size, SIZE centredAs, DWORD style, HWND owner) {
    registerFeatureWindowClass(className, iconFile);
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    return CreateWindowExA(0, className, title, style, (desktop.right - centredAs.cx) / 2,
                           (desktop.bottom - centredAs.cy) / 2, size.cx, size.cy, owner, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void runFeatureWindow(HWND window) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    // Asked before every wait: a loop further in may have run while this
    // window was destroyed (the viewer's close box inside its module
    // window's loop) and taken the quit it posted.
    while (IsWindow(window)) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // A window's destruction posted it: only the main window's
            // matters beyond the loops, and it ends this window too.
            if (!IsWindow(windows().main)) DestroyWindow(window);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // the quit of this window's own destruction, if no loop took it yet
    PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    // Quits do not add up: the main window's may have been taken here.
    if (!IsWindow(windows().main)) PostQuitMessage(0);
}
