#include "app/session_end.h"

#include <windows.h>

#include "common/window_set.h"
#include "display/display_window.h"
#include "favourites/favourites_window.h"
#include "power/scheduler_win.h"

void storeOpenLists() {
    storeFavouritePrograms();
    storeFavouriteModes();
}

void onSessionEnding() {
    KillTimer(windows().main, kSchedulerTimerId);
    scheduler().cancel();  // a tick already on its way runs nothing
    stopDisplayCountdown();
    storeOpenLists();
}
