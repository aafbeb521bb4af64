#include "app/display_commands.h"

#include <commctrl.h>

#include "app/main_window.h"
#include "common/feature_window.h"
#include "common/window_set.h"
#include "display/display_window.h"
#include "power/scheduler_win.h"

void openDisplayModes() {
    if (IsWindow(windows().display)) {
        SetForegroundWindow(windows().display);
        return;
    }
    if (const HWND window = createDisplayWindow()) runFeatureWindow(window);
}

void keepDisplayModes() {
    keepDisplayMode();
    hideMainWindow();
}

void undoDisplayModes() {
    undoDisplayMode();
    hideMainWindow();
}

bool onDisplayNotify(const NMHDR& header) {
    if (header.code != static_cast<UINT>(NM_DBLCLK) ||
        (header.idFrom != kModeListId && header.idFrom != kFavouriteListId))
        return false;
    onDisplayDoubleClick(static_cast<int>(header.idFrom));
    return true;
}

bool onDisplayCountdownTimer(WPARAM timerId) {
    // timers 2 and 3 belong to the scheduler and the process viewer
    if (timerId == kSchedulerTimerId || timerId == 3 || !displayCountdownActive()) return false;
    if (onDisplayTimer()) hideMainWindow();
    return true;
}
