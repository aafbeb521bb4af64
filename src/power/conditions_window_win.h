#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The window that arms the conditions: the action, and each condition with
// its figures and, once a second, the value measured now. Class "Wenn".
// Enter arms, Esc is Cancel.
constexpr const char* kConditionsClass = "Wenn";

namespace conditions_control {
constexpr int kActionLabel = 401, kActionList = 402;
constexpr int kIdle = 403, kIdleMinutes = 404, kIdleUnit = 405, kIdleNow = 406;
constexpr int kProcessor = 407, kProcessorPercent = 408, kProcessorMiddle = 409,
              kProcessorMinutes = 410, kProcessorUnit = 411, kProcessorNow = 412;
constexpr int kNetwork = 413, kNetworkKBps = 414, kNetworkMiddle = 415, kNetworkMinutes = 416,
              kNetworkUnit = 417, kNetworkNow = 418;
constexpr int kProgram = 419, kProgramList = 420;
constexpr int kArm = 421, kCancel = 422, kDisarm = 423;
}  // namespace conditions_control

// A program the user may wait for: the running processes, as the app
// lists them (the process viewer's snapshot).
struct RunningProgram {
    std::uint32_t pid = 0;
    std::string name;
};
using RunningPrograms = std::vector<RunningProgram> (*)();
void setRunningProgramsSource(RunningPrograms source);

// Tray command 249: opens the window; one open already comes to the front.
void openConditionsWindow();

// Builds the window with the stored choice and what is armed, not yet
// shown. Null where it cannot be made.
HWND createConditionsWindow();

// The open window; null without one.
HWND conditionsWindow();
