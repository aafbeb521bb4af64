#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "power/pending_actions.h"
#include "power/scheduler.h"

// The scheduler's one-second timer on the main window.
constexpr unsigned kSchedulerTimerId = 2;

// The program's one clock schedule, and what has fallen due with the one
// countdown that runs.
Scheduler& scheduler();
PendingActions& pendingActions();

// The moment as the scheduler reads it: uptime and calendar time. Tests
// replace the source; nullptr goes back to the system's clock.
SchedulerClock readClock();
void setClockSource(SchedulerClock (*source)());

// Arms from the settings in memory; when a countdown begins, reloads the
// settings and starts the timer. At start-up after the settings are read.
void armScheduler();

// The options window's OK, after it has saved and reloaded the settings:
// the clock schedule is armed anew and what the options paused goes on.
void rearmScheduler();

// The system clock was set: the schedule's time is read again.
void onClockChanged();

// Told after every change of the schedule (arming, each tick, Later, Cancel,
// a clock change), so that the tray can show what is armed.
void setScheduleObserver(void (*observer)());

// The schedule has changed: the timer runs while anything is armed, the
// system is kept awake while an action is near or announced, and the
// observer is told.
void scheduleChanged();

// The line the tray's tooltip gives the armed action; none when nothing is.
std::optional<std::string> armedActionLine();
