#include "app/startup_win.h"

#include "app/command_line.h"
#include "app/main_window_win.h"
#include "app/session_end_win.h"
#include "app/tray_icon_shell_win.h"
#include "common/feature_window_win.h"
#include "common/windows_version_win.h"
#include "power/conditions_window_win.h"
#include "power/power_calls_win.h"
#include "power/schedule_ticks_win.h"
#include "power/scheduler_win.h"
#include "process_viewer/process_records_win.h"
#include "process_viewer/row_commands_win.h"
#include "settings/current_settings_win.h"
#include "settings/settings.h"
#include "systools/browser_cache_win.h"

namespace {

// The main window of another copy of the program in this session (window
// classes are the session's own, unlike global names).
bool residentCopyRunning() {
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, kMainWindowClass, nullptr)) != nullptr;) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid != GetCurrentProcessId()) return true;
    }
    return false;
}

// The programs the conditions' window offers to wait for, named as the
// process viewer's row menu names them: without their folder.
std::vector<RunningProgram> runningPrograms() {
    std::vector<RunningProgram> programs;
    for (const ProcessRecord& process : processSnapshot())
        programs.push_back(
            {process.pid, process.exeName.substr(process.exeName.find_last_of("\\/") + 1)});
    return programs;
}

}  // namespace

void runCommandLine(const std::string& arguments) {
    loadSettings();
    const CommandLineAction request = parseArguments(arguments);
    applyOverrides(request, currentSettings());
    runCommandLineAction(request, currentSettings(), powerSystem());
}

int runDormival(HINSTANCE instance) {
    detectWindowsVersion();

    const std::string arguments = argumentText(GetCommandLineA());
    // one resident copy: a second start carries out its switches and ends,
    // so no second scheduler acts on the same schedule
    const bool resident = residentCopyRunning();
    if (!arguments.empty()) runCommandLine(arguments);
    if (resident) return 0;

    setBeforeSessionEnd(storeOpenLists);
    setScheduleObserver(showScheduleInTray);
    setProgramEndWatch(watchProgramEnd);
    setRunningProgramsSource(runningPrograms);
    registerMainWindowClass(instance);
    createMainWindow(instance);
    hideMainWindow();
    UpdateWindow(mainWindow());
    SetLastError(0);

    // Loaded again after the browser cache is emptied: the schedule uses
    // the settings of that moment.
    loadSettings();
    if (settingOn(currentSettings(), &Settings::emptyIEFiles)) emptyBrowserCache();
    loadSettings();
    armScheduler();

    return runMessageLoop();
}
