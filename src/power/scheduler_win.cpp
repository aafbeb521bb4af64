#include "power/scheduler_win.h"

#include <windows.h>

#include <ctime>

#include "common/feature_window_win.h"
#include "settings/current_settings_win.h"

namespace {

void startTimerIf(bool armed) {
    if (!armed) return;
    loadSettings();
    SetTimer(mainWindow(), kSchedulerTimerId, 1000, nullptr);
}

}  // namespace

Scheduler& scheduler() {
    static Scheduler instance;
    return instance;
}

SchedulerClock readClock() { return {GetTickCount() / 1000, std::time(nullptr)}; }

void armScheduler() { startTimerIf(scheduler().arm(currentSettings(), readClock())); }

void rearmScheduler() { startTimerIf(scheduler().rearm(currentSettings(), readClock())); }

void onClockChanged() { scheduler().followClockChange(currentSettings(), readClock()); }
