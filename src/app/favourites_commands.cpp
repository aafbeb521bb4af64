#include "app/favourites_commands.h"

#include <commctrl.h>

#include "app/main_window.h"
#include "common/feature_window.h"
#include "common/window_set.h"
#include "favourites/favourites_window.h"

void openFavourites() {
    if (IsWindow(windows().favourites)) {
        SetForegroundWindow(windows().favourites);
        return;
    }
    if (const HWND window = createFavouritesWindow()) runFeatureWindow(window);
}

bool onFavouritesNotify(const NMHDR& header) {
    if (header.code != static_cast<UINT>(NM_DBLCLK) || header.idFrom != kFavouritesListId)
        return false;
    runFavouriteProgram();
    return true;
}

void closeFavourites() {
    DestroyWindow(windows().favourites);
    hideMainWindow();
}
