#pragma once

#include <windows.h>

// The tray's favourites entry and the favourites window's messages that
// reach beyond it.

// Command 218: opens the program favourites window and returns once it is
// closed. With the window open already, it only comes to the front.
void openFavourites();

// NM_DBLCLK from its list runs the selected entry; true when handled.
bool onFavouritesNotify(const NMHDR& header);

// The close box: the window goes (storing its list) and so does the main
// window from the taskbar.
void closeFavourites();
