#pragma once

#include <windows.h>

#include <vector>

#include "display/display_modes.h"

// The primary display's modes as the system offers them, and the calls
// that test, set and store one. Problems are told in message boxes.

// The call that tests and sets a display mode (ChangeDisplaySettingsA);
// tests install another one. nullptr goes back to the system's.
using DisplayChangeCall = LONG(WINAPI*)(DEVMODEA* mode, DWORD flags);
void setDisplayChangeCall(DisplayChangeCall call);
LONG changeDisplay(DEVMODEA* mode, DWORD flags);

// Every mode, in the system's numbering, and the one of this moment.
std::vector<DisplayMode> displayModes();
DisplayMode currentMode();
DEVMODEA modeNumbered(int modeNumber);

// Takes the current mode, among the modes given, as the one the countdown
// goes back to; and that mode. The remembered mode outlives the window.
void rememberCurrentMode(const std::vector<DisplayMode>& modes);
int rememberedDisplayMode();

// Tests a mode and sets it as the test allows: with a countdown to follow,
// for this session only (true: the mode is on trial); without one, stored
// at once. A mode that takes a restart is stored only if the user says so.
bool applyDisplayMode(int modeNumber, bool countdown);

// Back to the remembered mode, for this session: the registry still holds
// the mode the user kept last.
void restoreDisplayMode();

// The mode on trial becomes the mode of the next start too; where Windows
// cannot store it, the user is told why.
void storeDisplayMode(DEVMODEA& mode);
