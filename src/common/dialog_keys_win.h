#pragma once

#include <windows.h>

// The keyboard in every feature window, as in a Windows dialog: Tab and
// Shift+Tab through the controls, the arrow keys within a set of radio
// buttons, Alt with an underlined letter, Enter for the focused push button
// or else the window's default, Esc for IDCANCEL. A window answers
// DM_GETDEFID with its default button (0 for none: Enter then sends IDOK),
// handles IDOK and IDCANCEL, and, where it has pages, kNextPageMessage.

// Ctrl+Tab (wParam 0) or Ctrl+Shift+Tab (wParam 1): the window's next or
// previous page. A window with pages returns nonzero.
constexpr UINT kNextPageMessage = WM_APP + 31;

// Takes a message of the program's loop through the keyboard handling of
// the active window, where that is one of the program's windows other than
// the main one; true when it was handled there (and dispatched, if it had
// to be).
bool routeDialogKeys(MSG& message, HWND mainWindow);

// A feature window's share in its focus: WM_ACTIVATE gives the focus back
// to the control that had it (or to the one chosen for its opening),
// WM_NEXTDLGCTL moves it. True when the message was handled.
bool handleDialogFocus(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Puts the focus on a control of the window, with the whole text of an
// edit selected, and shows which button Enter presses.
void focusControl(HWND window, HWND control);

// The first control in the window's keyboard order that Tab stops at and
// that is visible and enabled; null without one.
HWND firstTabStop(HWND window);
