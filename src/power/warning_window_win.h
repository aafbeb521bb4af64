#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The countdown window that announces a scheduled action: class "Apps",
// owned by the main window, always on top, without a close box. OK closes
// it and lets the countdown go on unseen; Cancel suspends the schedule;
// Later puts the action off; Alt+F4 closes it and leaves the schedule as it
// is.
constexpr const char* kWarningClass = "Apps";
constexpr int kWarningOkId = 117;
constexpr int kWarningCancelId = 118;
constexpr int kWarningLaterId = 119;

// Registers the class and builds the window with its controls and fonts,
// shown topmost. Returns the window; the caller runs its loop.
HWND createWarningWindow();

// The open warning window; null without one.
HWND warningWindow();

// Creates the window and runs its local loop until it has been destroyed.
void openWarningWindow();

// The countdown line for the seconds left, and topmost again. For an action
// code without a countdown text the line keeps what it shows.
void updateWarningCountdown(std::uint32_t remaining, const std::string& actionCode);

// Destroys the window if it is open (the action runs, the options open).
void closeWarningWindow();
