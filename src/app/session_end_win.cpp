#include "app/session_end_win.h"

#include <windows.h>

#include "common/feature_window_win.h"
#include "display/display_window_win.h"
#include "favourites/favourites_window_win.h"
#include "power/scheduler_win.h"

void storeOpenLists() {
    storeFavouritePrograms();
    storeFavouriteModes();
}

void onSessionEnding() {
    KillTimer(mainWindow(), kSchedulerTimerId);
    scheduler().cancel();  // a tick already on its way runs nothing
    stopDisplayCountdown();
    storeOpenLists();
}
