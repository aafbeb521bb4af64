#pragma once

// Windows ends the session (log off, shut down, or the program's own
// request): it asks every window, tells it, then ends the process. Nothing
// here shows a box or waits, so the end is never held up.

// What the open windows hold and their close would store: the program
// favourites and the favourite display modes.
void storeOpenLists();

// WM_ENDSESSION of a session that really ends: the scheduler and the undo
// countdown stop, and the open lists are stored. A mode on trial needs no
// step (it was never stored), and the options window's edits go unsaved,
// as with its Cancel. Every window is told; each time does the same.
void onSessionEnding();
