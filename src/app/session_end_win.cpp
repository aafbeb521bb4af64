#include "app/session_end_win.h"

#include <windows.h>

#include "display/display_window_win.h"
#include "power/schedule_ticks_win.h"
#include "program_favourites/program_favourites_window_win.h"

void storeOpenLists() {
    storeProgramFavourites(programFavouritesWindow());
    storeFavouriteModes(displayWindow());
}

void onSessionEnding() {
    pauseSchedule();  // a tick already on its way runs nothing
    stopDisplayCountdown(displayWindow());
    storeOpenLists();
}
