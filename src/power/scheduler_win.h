#pragma once

#include "power/scheduler.h"

// The scheduler's one-second timer on the main window.
constexpr unsigned kSchedulerTimerId = 2;

// The program's one scheduler.
Scheduler& scheduler();

// Arms from the settings in memory; when a countdown begins, reloads the
// settings and starts the timer. At start-up after the settings are read.
void armScheduler();

// The options window's OK, after it has saved and reloaded the settings.
void rearmScheduler();

// Opening the options window: nothing may fire while it is open.
void cancelScheduleAndCloseWarning();

// Timer 2: opens the warning window (whose loop then runs inside this
// tick), updates its countdown, or runs the action.
void onSchedulerTick();

// The computer woke from standby or hibernation: a target that passed in
// its sleep opens the warning window with a fresh countdown.
void onPowerResume();

// The system clock was set: the schedule's time is read again.
void onClockChanged();
