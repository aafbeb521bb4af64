#include "app/main_window.h"

#include <string>

#include "app/tray.h"
#include "app/window_creation.h"
#include "app/window_proc.h"
#include "common/feature_window.h"
#include "common/file_icon.h"
#include "common/window_set.h"
#include "settings/current_settings.h"
#include "systools/windows_version_win.h"

namespace {

// owned by the class for the program's lifetime
HICON iconOfSourceFile() {
    return smallFileIcon(iconSourceFile(currentSettings().AppIcon, programDirectory()));
}

}  // namespace

ATOM registerMainWindowClass(HINSTANCE instance) {
    setFeatureWindowProcedure(MainWindowProc);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = iconOfSourceFile();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainWindowClass;
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kProgramIconResource),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    return RegisterClassExA(&wc);
}

HWND createMainWindow(HINSTANCE instance) {
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const HWND window =
        CreateWindowExA(0, kMainWindowClass, "Dormival", WS_OVERLAPPEDWINDOW,
                        (desktop.right - 160) / 2, (desktop.bottom - 140) / 2, 100, 100, nullptr,
                        nullptr, instance, nullptr);
    windows().main = window;
    return window;
}

void hideMainWindow() {
    if (windowsVersion().platformClass < 1) return;
    ShowWindow(windows().main, SW_MINIMIZE);
    ShowWindow(windows().main, SW_HIDE);
    UpdateWindow(windows().main);
}
