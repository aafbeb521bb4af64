#include "app/session_end_win.h"

#include <windows.h>

#include "display/display_window_win.h"
#include "favourites/favourites_window_win.h"
#include "power/schedule_ticks_win.h"

void storeOpenLists() {
    storeFavouritePrograms(favouritesWindow());
    storeFavouriteModes(displayWindow());
}

void onSessionEnding() {
    pauseSchedule();  // a tick already on its way runs nothing
    stopDisplayCountdown(displayWindow());
    storeOpenLists();
}
