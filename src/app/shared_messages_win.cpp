#include "app/shared_messages_win.h"

#include "app/facts_refresh_win.h"
#include "app/session_end_win.h"
#include "app/tray_icon_shell_win.h"
#include "app/tray_menu_win.h"
#include "common/command_ids.h"
#include "common/program_facts.h"
#include "common/tray_icon_record_win.h"
#include "common/windows_version_win.h"
#include "display/display_window_win.h"
#include "options/options_window_win.h"
#include "power/conditions_window_win.h"
#include "power/network_shutdown_win.h"
#include "power/power_calls_win.h"
#include "power/power_entries.h"
#include "power/schedule_ticks_win.h"
#include "power/scheduler_win.h"
#include "process_viewer/viewer_window_win.h"
#include "program_favourites/program_favourites_window_win.h"
#include "settings/current_settings_win.h"
#include "systools/cd_drives_win.h"
#include "systools/desktop_tools_win.h"
#include "systools/system_figures_win.h"

namespace {

// The options, after the schedule is suspended: nothing may fire while
// they are open. What they do beyond their window comes with them.
void openOptionsWindow() {
    pauseSchedule();
    detectWindowsVersion();
    openOptions({hibernationAvailable(), windowsVersion().osName, windowsVersion().versionLine,
                 readMemoryFigures().totalPhysical, rearmScheduler, browseForComputer,
                 [](const std::string& file) { modifyTrayIcon(file); }});
}

void runPowerOrNetworkCommand(unsigned command) {
    PowerEntryContext context = powerEntryContext();
    if (!runNetworkCommand(command, context, networkShutdowns(), remoteShutdownSystem()))
        runTrayPowerCommand(command, context);
}

// The tray menu's commands, whichever window's icon the menu came from.
// wParam as a whole: a control's notification (an edit's change, say) has a
// code in the high word and must not pass for the command of its id.
void runTrayCommand(HWND window, WPARAM id) {
    // the CD-drive submenu's ids come and go with the drives
    if (runCdDriveCommand(static_cast<unsigned>(id))) return;
    namespace cmd = tray_command;
    switch (id) {
    // the window whose icon was clicked; for the main window the program ends
    case cmd::kTerminate: DestroyWindow(window); break;
    case cmd::kOptions: openOptionsWindow(); break;
    case cmd::kActWhen: openConditionsWindow(); break;
    case cmd::kFavourites: openProgramFavourites(); break;
    case cmd::kDisplayModes: openDisplayModes(); break;
    case cmd::kProcessViewer: openProcessViewer(); break;
    case cmd::kCloseAllWindows: postToAllWindows(SC_CLOSE); break;
    case cmd::kMinimiseAllWindows: postToAllWindows(SC_MINIMIZE); break;
    case cmd::kRestoreAllWindows: postToAllWindows(SC_RESTORE); break;  // labelled maximise
    case cmd::kRefreshDesktop: refreshDesktop(window); break;
    case cmd::kRebuildIcons: rebuildIconCache(); break;
    case cmd::kDisplayProperties: openDisplayProperties(); break;
    default: runPowerOrNetworkCommand(static_cast<unsigned>(id)); break;
    }
}

void runClick() {
    PowerEntryContext context = powerEntryContext();
    const ClickOutcome outcome = runClickAction(context);
    if (outcome != ClickOutcome::Done)
        networkShutdowns().start(context.settings, outcome == ClickOutcome::NetworkReboot,
                                 context.german, context.reload, remoteShutdownSystem());
}

LRESULT onTrayNotify(HWND window, WPARAM wParam, LPARAM mouse) {
    switch (mouse) {
    case WM_RBUTTONDOWN:
        showTrayMenu(window);
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // one of the two acts, by the double-click setting; the other is ignored
        const bool doubleClick = currentSettings().doubleClick != 0;
        if ((mouse == WM_LBUTTONDBLCLK) != doubleClick) return 0;
        runClick();
        return DefWindowProcA(window, kTrayNotifyMessage, wParam, mouse);
    }
    default:
        return 0;
    }
}

}  // namespace

LRESULT CALLBACK sharedMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A restarted shell has lost every icon; each window adds its own again.
    if (message == taskbarCreatedMessage() && message != 0) {
        addTrayIcon(window);
        return 0;
    }
    switch (message) {
    case WM_CREATE:  // each window carries a tray icon of its own while it exists
        runWindowCreationStep();
        addTrayIcon(window);
        detectWindowsVersion();
        return 0;
    case WM_DESTROY:
        removeTrayIcon(window);
        return 0;
    case WM_COMMAND:
        runTrayCommand(window, wParam);
        return 0;
    case kTrayNotifyMessage:
        return onTrayNotify(window, wParam, lParam);
    case WM_QUERYENDSESSION:
        return TRUE;  // a tray program never holds up the end of a session
    case WM_ENDSESSION:
        if (wParam) onSessionEnding();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
