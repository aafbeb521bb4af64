#include "app/startup.h"

#include "app/command_line.h"
#include "app/main_window.h"
#include "common/window_set.h"
#include "power/power_calls.h"
#include "power/scheduler_win.h"
#include "settings/current_settings.h"
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

    // Loaded twice: the browser cache is emptied between the two loads once
    // that tool exists, and the second load is the one the schedule uses.
    loadSettings();
    loadSettings();
    armScheduler();

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
