#include "common/open_windows_win.h"

#include <algorithm>

namespace {

struct OpenWindow {
    HWND window;
    HWND focus;
};

std::vector<OpenWindow>& record() {
    static std::vector<OpenWindow> windows;
    return windows;
}

OpenWindow* find(HWND window) {
    for (OpenWindow& open : record())
        if (open.window == window) return &open;
    return nullptr;
}

}  // namespace

void noteWindowOpened(HWND window) {
    if (window && !find(window)) record().push_back({window, nullptr});
}

void noteWindowClosed(HWND window) {
    auto& windows = record();
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [&](const OpenWindow& open) { return open.window == window; }),
                  windows.end());
}

std::vector<HWND> openWindows() {
    std::vector<HWND> windows;
    for (const OpenWindow& open : record()) windows.push_back(open.window);
    return windows;
}

HWND openWindowOfClass(const char* className, WNDPROC procedure) {
    for (const OpenWindow& open : record()) {
        char name[64] = "";
        GetClassNameA(open.window, name, sizeof(name));
        if (lstrcmpiA(name, className) != 0) continue;
        if (!procedure || GetWindowLongPtrA(open.window, GWLP_WNDPROC) ==
                              reinterpret_cast<LONG_PTR>(procedure))
            return open.window;
    }
    return nullptr;
}

bool isProgramWindow(HWND window) { return window && find(window); }

void rememberFocus(HWND window, HWND control) {
    if (OpenWindow* open = find(window)) open->focus = control;
}

HWND rememberedFocus(HWND window) {
    const OpenWindow* open = find(window);
    return open && IsWindow(open->focus) ? open->focus : nullptr;
}

void destroyOpenWindows() {
    const std::vector<HWND> windows = openWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (IsWindow(*it)) DestroyWindow(*it);
}
