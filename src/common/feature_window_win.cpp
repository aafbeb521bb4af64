#include "common/feature_window_win.h"

#include "common/file_icon_win.h"
#include "common/windows_version_win.h"

namespace {

HWND main = nullptr;
WNDPROC shared = nullptr;

}  // namespace

HWND mainWindow() { return IsWindow(main) ? main : nullptr; }
void setMainWindow(HWND window) { main = window; }

void setSharedWindowProcedure(WNDPROC procedure) { shared = procedure; }

LRESULT CALLBACK sharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return shared ? shared(window, message, wParam, lParam)
                  : DefWindowProcA(window, message, wParam, lParam);
}

void hideMainWindow() {
    if (windowsVersion().platformClass < 1 || !mainWindow()) return;
    ShowWindow(main, SW_MINIMIZE);
    ShowWindow(main, SW_HIDE);
    UpdateWindow(main);
}

ATOM registerFeatureClass(WNDCLASSEXA windowClass) {
    windowClass.cbSize = sizeof(windowClass);
    windowClass.hInstance = GetModuleHandleA(nullptr);
    // Two kinds of window share a class name (the two process viewers, one
    // open at a time): the class is registered anew for the kind being made.
    WNDCLASSEXA registered{};
    registered.cbSize = sizeof(registered);
    if (GetClassInfoExA(windowClass.hInstance, windowClass.lpszClassName, &registered) &&
        registered.lpfnWndProc != windowClass.lpfnWndProc &&
        UnregisterClassA(windowClass.lpszClassName, windowClass.hInstance) && registered.hIcon)
        DestroyIcon(registered.hIcon);
    return RegisterClassExA(&windowClass);
}

HWND createFeatureWindow(const char* className, WNDPROC procedure, const std::string& iconFile,
                         const char* title, SIZE size, SIZE centredAs, DWORD style, HWND owner) {
    WNDCLASSEXA wc{};
    wc.style = CS_HREDRAW;
    wc.lpfnWndProc = procedure;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = smallFileIcon(iconFile);
    wc.hIconSm = wc.hIcon;
    wc.lpszClassName = className;
    if (!registerFeatureClass(wc)) DestroyIcon(wc.hIcon);
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
    // window's loop).
    while (IsWindow(window)) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // only the main window's end posts a quit: the program is ending,
            // and the loops further out must end too
            DestroyWindow(window);
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    hideMainWindow();
}

void openFeatureWindow(HWND open, const std::function<HWND()>& create) {
    if (IsWindow(open)) {
        SetForegroundWindow(open);
        return;
    }
    if (const HWND window = create()) runFeatureWindow(window);
}
