#include "app/window_proc.h"

#include "app/display_commands.h"
#include "app/favourites_commands.h"
#include "app/main_window.h"
#include "app/options_commands.h"
#include "app/process_viewer_commands.h"
#include "app/session_end.h"
#include "app/tray.h"
#include "app/tray_menu.h"
#include "app/tray_menu_win.h"
#include "app/window_creation.h"
#include "common/window_set.h"
#include "display/display_window.h"
#include "favourites/favourites_window.h"
#include "options/options_window.h"
#include "power/network_shutdown_win.h"
#include "power/power_calls.h"
#include "power/scheduler_win.h"
#include "power/tray_actions.h"
#include "power/warning_window.h"
#include "process_viewer/nt4_viewer_window.h"
#include "settings/current_settings.h"
#include "systools/cd_drives_win.h"
#include "systools/desktop_tools.h"
#include "systools/windows_version_win.h"

namespace {

// Runs for every window of the program as it is created: each one carries a
// tray icon of its own while it exists.
LRESULT onCreate(HWND window) {
    runWindowCreationStep();
    addTrayIcon(window);
    detectWindowsVersion();
    return 0;
}

// Destroying any of our windows ends the innermost message loop.
LRESULT onDestroy(HWND window) {
    // every way of closing the display-mode window keeps its favourites
    if (window == windows().display) onDisplayWindowDestroyed();
    if (window == windows().favourites) onFavouritesWindowDestroyed();
    removeTrayIcon(window);
    PostQuitMessage(0);
    return 0;
}

// wParam as a whole: a control's notification (an edit's change, say) has a
// code in the high word and must not pass for the command of its id.
LRESULT onCommand(HWND window, WPARAM id) {
    // the CD-drive submenu's ids come and go with the drives
    if (runCdDriveCommand(static_cast<unsigned>(id))) return 0;
    if (runProcessViewerCommand(window, static_cast<unsigned>(id))) return 0;
    switch (id) {
    case tray_command::kTerminate:
        // the window whose icon was clicked; for the main window the program ends
        DestroyWindow(window);
        break;
    case kWarningOkId:
        // the countdown goes on without the window
        closeWarningWindow();
        hideMainWindow();
        break;
    case kWarningCancelId:
        scheduler().cancel();
        closeWarningWindow();
        hideMainWindow();
        break;
    case tray_command::kOptions:
        openOptions();
        break;
    case options_command::kOk:
        confirmOptions();
        break;
    case options_command::kCancel:
        cancelOptions();
        break;
    case options_command::kCommandLineHelp:
        openCommandLineHelp();
        break;
    case options_command::kAddComputer:
        addOptionsComputerFromBrowser();
        break;
    case options_command::kRemoveComputer:
        removeSelectedOptionsComputer();
        break;
    case options_command::kChooseIcon:
        chooseOptionsIcon();
        break;
    case tray_command::kCloseAllWindows:
        postToAllWindows(SC_CLOSE);
        break;
    case tray_command::kMinimiseAllWindows:
        postToAllWindows(SC_MINIMIZE);
        break;
    case tray_command::kRestoreAllWindows:
        postToAllWindows(SC_RESTORE);  // labelled maximise, but restores
        break;
    case tray_command::kRefreshDesktop:
        refreshDesktop(window);
        break;
    case tray_command::kRebuildIcons:
        rebuildIconCache();
        break;
    case tray_command::kDisplayProperties:
        openDisplayProperties();
        break;
    case tray_command::kFavourites:
        openFavourites();
        break;
    case favourites_command::kAdd:
        addFavouriteProgram();
        break;
    case favourites_command::kRemove:
        removeFavouriteProgram();
        break;
    case favourites_command::kRun:
        runFavouriteProgram();
        break;
    case tray_command::kDisplayModes:
        openDisplayModes();
        break;
    case tray_command::kProcessViewer:
        openProcessViewer();
        break;
    case display_command::kKeep:
        keepDisplayModes();
        break;
    case display_command::kUndo:
        undoDisplayModes();
        break;
    case display_command::kAddFavourite:
        addFavouriteMode();
        break;
    case display_command::kDeleteFavourite:
        deleteFavouriteMode();
        break;
    default: {
        PowerEntryContext context = powerEntryContext();
        const auto command = static_cast<unsigned>(id);
        if (!runNetworkCommand(command, context, remoteShutdownSystem()))
            runTrayPowerCommand(command, context);
        break;
    }
    }
    return 0;
}

// The close box and Alt+F4. The main window and any window without steps of
// its own go on to DefWindowProcA, which destroys them.
bool onClose(HWND window) {
    if (window == windows().options) {
        cancelOptions();
        return true;
    }
    if (window == windows().favourites) {
        closeFavourites();
        return true;
    }
    if (closeProcessViewerWindow(window)) return true;
    if (window != windows().warning) return false;
    destroyWarningWindowAndControls();  // the schedule stays as it is
    hideMainWindow();
    return true;
}

void runClick() {
    PowerEntryContext context = powerEntryContext();
    // the click's reload left the stored mouseclick, which picks reboot or shutdown
    if (runClickAction(context) != ClickOutcome::Done)
        shutDownNetwork(context.settings, context.german, context.reload, remoteShutdownSystem());
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

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A restarted shell has lost every icon; each window adds its own again.
    if (message == taskbarCreatedMessage() && message != 0) {
        addTrayIcon(window);
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        return onCreate(window);
    case WM_DESTROY:
        return onDestroy(window);
    case WM_NCDESTROY:
        if (window == windows().warning) releaseWarningFonts();
        if (window == windows().options) releaseOptionsFonts();
        if (window == windows().display) releaseDisplayFonts();
        if (window == windows().favourites) releaseFavouritesFonts();
        if (window == windows().nt4Viewer) releaseNt4ViewerFonts();
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_NOTIFY:
        if (window == windows().options && onOptionsNotify(*reinterpret_cast<NMHDR*>(lParam)))
            return 0;
        if (window == windows().display && onDisplayNotify(*reinterpret_cast<NMHDR*>(lParam)))
            return 0;
        if (window == windows().favourites &&
            onFavouritesNotify(*reinterpret_cast<NMHDR*>(lParam)))
            return 0;
        if (onProcessViewerNotify(window, *reinterpret_cast<NMHDR*>(lParam))) return 0;
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_CLOSE:
        if (onClose(window)) return 0;
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_COMMAND:
        return onCommand(window, wParam);
    case WM_TIMER:
        if (wParam == kSchedulerTimerId) {
            onSchedulerTick();
            return 0;
        }
        if (window == windows().display && onDisplayCountdownTimer(wParam)) return 0;
        if (onProcessViewerTimer(window, wParam)) return 0;
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_POWERBROADCAST:
        // every top-level window hears it; the main window's copy is the one
        if (window == windows().main && (wParam == PBT_APMRESUMEAUTOMATIC ||
                                         wParam == PBT_APMRESUMESUSPEND ||
                                         wParam == PBT_APMRESUMECRITICAL))
            onPowerResume();
        return TRUE;
    case WM_TIMECHANGE:
        if (window == windows().main) onClockChanged();
        return 0;
    case WM_CONTEXTMENU:
        if (onProcessViewerContextMenu(window, reinterpret_cast<HWND>(wParam))) return 1;
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_SYSCOMMAND:
        if (onProcessViewerSysCommand(window, wParam)) return 0;
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_QUERYENDSESSION:
        return TRUE;  // a tray program never holds up the end of a session
    case WM_ENDSESSION:
        if (wParam) onSessionEnding();
        return 0;
    case kTrayNotifyMessage:
        return onTrayNotify(window, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
