#include "app/main_window_win.h"

#include <string>

#include "app/facts_refresh_win.h"
#include "app/shared_messages_win.h"
#include "common/feature_window_win.h"
#include "common/file_icon_win.h"
#include "power/network_shutdown_win.h"
#include "power/schedule_ticks_win.h"
#include "power/scheduler_win.h"
#include "settings/current_settings_win.h"

namespace {

// owned by the class for the program's lifetime
HICON iconOfSourceFile() {
    return largeFileIcon(iconSourceFile(currentSettings().AppIcon, programDirectory()));
}

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        if (window == mainWindow()) PostQuitMessage(0);  // the one end that ends the program
        break;
    case WM_TIMER:
        if (wParam != kSchedulerTimerId) break;
        onSchedulerTick();
        return 0;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND ||
            wParam == PBT_APMRESUMECRITICAL)
            onPowerResume();
        return TRUE;
    case WM_TIMECHANGE:
        onClockChanged();
        return 0;
    case kNetworkAnswerMessage:
        networkShutdowns().finished(wParam, static_cast<unsigned>(lParam));
        return 0;
    }
    return sharedWindowProc(window, message, wParam, lParam);
}

}  // namespace

ATOM registerMainWindowClass(HINSTANCE instance) {
    setSharedWindowProcedure(sharedMessages);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW;
    wc.lpfnWndProc = mainWindowProcedure;
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
    setMainWindow(window);
    return window;
}
