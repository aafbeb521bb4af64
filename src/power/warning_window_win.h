#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "power/action_codes.h"

// The countdown window that announces an action: class "Apps", owned by
// the main window, always on top, without a close box. It is modeless: the
// program's loop runs it. OK closes it and lets the countdown go on unseen;
// Cancel stops the countdown; Later puts the action off; Alt+F4 closes it
// as OK does. What the buttons mean is the countdown's owner's: each press
// and the close request reach the answer handler before the window goes.
constexpr const char* kWarningClass = "Apps";
constexpr int kWarningOkId = 117;
constexpr int kWarningCancelId = 118;
constexpr int kWarningLaterId = 119;

// Registers the class and builds the window with its controls and fonts,
// topmost and not yet shown; reason is its second line ("" for none).
HWND createWarningWindow(const std::string& reason = "");

// The open warning window; null without one.
HWND warningWindow();

// Creates the window and shows it; the program's loop runs it.
void openWarningWindow(const std::string& reason);

// Told the button pressed (kWarningOkId for the close request too).
void setWarningAnswerHandler(void (*handler)(int id));

// The countdown line for the seconds left, and topmost again. For an action
// without a countdown text the line keeps what it shows.
void updateWarningCountdown(std::uint32_t remaining, Action action);

// Destroys the window if it is open (the countdown is over or gone).
void closeWarningWindow();
