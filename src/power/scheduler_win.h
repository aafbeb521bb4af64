#pragma once

#include <windows.h>

#include <optional>
#include <string>

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

// Told after every change of the schedule (arming, each tick, Later, Cancel,
// a clock change), so that the tray can show what is armed.
void setScheduleObserver(void (*observer)());

// The schedule has changed: the system is kept awake while the action is
// near or announced, and let sleep again afterwards; the observer is told.
void scheduleChanged();

// The line the tray's tooltip gives the armed action; none when nothing is.
std::optional<std::string> armedActionLine();

// Watches the process for its end and then carries out the options'
// action after its warning. The handle is the watch's from now on, closed
// on every way out. Refused with a box where the options hold no action;
// where another program is watched, the user is asked first. True when the
// process is watched.
bool watchProgramEnd(HANDLE process, const std::string& program);

// Whose countdown the warning window shows: the clock schedule's or the
// program watch's. Its Cancel and Later act on that one alone.
enum class Announcer { Schedule, Watch };
void setAnnouncer(Announcer who);
Announcer announcer();
void cancelAnnouncedAction();
void postponeAnnouncedAction();
