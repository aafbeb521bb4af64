#include "app/startup.h"

#include "app/command_line.h"
#include "app/main_window.h"
#include "common/window_set.h"
#include "power/power_calls.h"
#include "power/scheduler_win.h"
#include "settings/current_settings.h"
#include "systools/browser_cache_win.h"
#include "systools/windows_version_win.h"

void runCommandLine(const std::string& arguments) {
    loadSettings();
    const CommandLineAction request = parseArguments(arguments);
    applyOverrides(request, currentSettings());
    runCommandLineAction(request, currentSettings(), powerSystem());
}

int runDormival(HINSTANCE instance) {
    detectWindowsVersion();

    const std::string arguments = argumentText(GetCommandLineA());
    if (!arguments.empty()) runCommandLine(arguments);

    registerMainWindowClass(instance);
    createMainWindow(instance);
    hideMainWindow();
    UpdateWindow(windows().main);
    SetLastError(0);

    // Loaded again after the browser cache is emptied: the schedule uses
    // the settings of that moment.
    loadSettings();
    if (currentSettings().emptyIEFiles == "1") emptyBrowserCache();
    loadSettings();
    armScheduler();

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
