#include "common/feature_window_win.h"

#include "common/dialog_keys_win.h"
#include "common/file_icon_win.h"
#include "common/layout.h"
#include "common/open_windows_win.h"
#include "common/windows_version_win.h"
#include "win32/screen_dpi_win.h"

namespace {

HWND main = nullptr;
WNDPROC shared = nullptr;

}  // namespace

HWND mainWindow() { return IsWindow(main) ? main : nullptr; }
void setMainWindow(HWND window) { main = window; }

void setSharedWindowProcedure(WNDPROC procedure) { shared = procedure; }

LRESULT CALLBACK sharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool feature = window != main;
    switch (message) {
    case WM_NCCREATE:
        noteWindowOpened(window);
        break;
    case WM_NCDESTROY:
        noteWindowClosed(window);
        if (feature) hideMainWindow();  // which the system may have activated in its place
        break;
    case WM_COMMAND:
        // A control's notification, and Enter and Esc that a window left
        // alone, are no command of the tray's: Esc closes the window as its
        // close box does, the others do nothing
        if (feature && wParam == IDCANCEL) PostMessageA(window, WM_CLOSE, 0, 0);
        if (feature && (lParam || wParam == IDOK || wParam == IDCANCEL)) return 0;
        break;
    default:
        if (feature && handleDialogFocus(window, message, wParam, lParam)) return 0;
    }
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
        UnregisterClassA(windowClass.lpszClassName, windowClass.hInstance))
        for (HICON icon : {registered.hIcon, registered.hIconSm})
            if (icon) DestroyIcon(icon);
    return RegisterClassExA(&windowClass);
}

HWND createFeatureWindow(const char* className, WNDPROC procedure, const std::string& iconFile,
                         const char* title, void* state, DWORD style, HWND owner, HMENU menu) {
    WNDCLASSEXA wc{};
    wc.style = CS_HREDRAW;
    wc.lpfnWndProc = procedure;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = largeFileIcon(iconFile);
    wc.hIconSm = smallFileIcon(iconFile);
    wc.lpszClassName = className;
    if (!registerFeatureClass(wc))
        for (HICON icon : {wc.hIcon, wc.hIconSm})
            if (icon) DestroyIcon(icon);
    // the class's procedure takes the state: a class that is still another
    // procedure's (its other kind of window open) gets no window
    WNDCLASSEXA registered{};
    registered.cbSize = sizeof(registered);
    if (!GetClassInfoExA(GetModuleHandleA(nullptr), className, &registered) ||
        registered.lpfnWndProc != procedure) {
        if (menu) DestroyMenu(menu);
        return nullptr;
    }
    const HWND window = CreateWindowExA(0, className, title, style, 0, 0, 0, 0, owner, menu,
                                        GetModuleHandleA(nullptr), state);
    if (!window && menu) DestroyMenu(menu);
    return window;
}

void placeFeatureWindow(HWND window, const Layout& layout, SIZE centredAs, HWND after) {
    // the frame as the system draws this window's styles
    RECT frame{0, 0, layout.clientWidth, layout.clientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)),
                       GetMenu(window) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    RECT desktop{}, work{}, area{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    // just after a change of display mode the shell may not yet have
    // worked out the new work area: never beyond the screen
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0) ||
        !IntersectRect(&area, &work, &desktop))
        area = desktop;
    const Box placed = keptInside(
        {(desktop.right - scaledToScreen(centredAs.cx)) / 2,
         (desktop.bottom - scaledToScreen(centredAs.cy)) / 2, frame.right - frame.left,
         frame.bottom - frame.top},
        {area.left, area.top, area.right - area.left, area.bottom - area.top});
    SetWindowPos(window, after, placed.x, placed.y, placed.width, placed.height,
                 SWP_NOACTIVATE | (after ? 0 : SWP_NOZORDER));
}

void showFeatureWindow(HWND window) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    SetForegroundWindow(window);
    // a window shown while it was being built was active before its controls were
    const HWND first = rememberedFocus(window);
    if (GetActiveWindow() == window && first) focusControl(window, first);
}

void openFeatureWindow(const char* className, const std::function<HWND()>& create) {
    if (const HWND open = openWindowOfClass(className)) {
        SetForegroundWindow(open);
        return;
    }
    if (const HWND window = create()) showFeatureWindow(window);
}

void dispatchProgramMessage(MSG& message) {
    if (routeDialogKeys(message, mainWindow())) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int runMessageLoop() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) dispatchProgramMessage(message);
    // only the main window's end quits: the windows still open go with it,
    // each keeping what its closing keeps
    destroyOpenWindows();
    return static_cast<int>(message.wParam);
}
