#pragma once

#include <windows.h>

// The tray's display-mode entry and the display-mode window's messages
// that reach beyond it: the hide-the-main-window step after it closes.

// Command 1498: opens the display-mode window and returns once it is
// closed. With the window open already, it only comes to the front.
void openDisplayModes();

// Keep (104) and undo (105).
void keepDisplayModes();
void undoDisplayModes();

// NM_DBLCLK from one of its lists; true when handled.
bool onDisplayNotify(const NMHDR& header);

// Timer 1 while the countdown runs; true when handled.
bool onDisplayCountdownTimer(WPARAM timerId);
