#pragma once

#include "power/scheduler.h"

// The scheduler's one-second timer on the main window.
constexpr unsigned kSchedulerTimerId = 2;

// The program's one scheduler.
Scheduler& scheduler();

// The moment as the scheduler reads it: uptime and calendar time.
SchedulerClock readClock();

// Arms from the settings in memory; when a countdown begins, reloads the
// settings and starts the timer. At start-up after the settings are read.
void armScheduler();

// The options window's OK, after it has saved and reloaded the settings.
void rearmScheduler();

// The system clock was set: the schedule's time is read again.
void onClockChanged();
