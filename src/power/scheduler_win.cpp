#include "power/scheduler_win.h"

#include <windows.h>

#include <ctime>

#include "common/window_set.h"
#include "power/power_calls.h"
#include "power/warning_window.h"
#include "settings/current_settings.h"

namespace {

SchedulerClock readClock() { return {GetTickCount() / 1000, std::time(nullptr)}; }

void startTimerIf(bool armed) {
    if (!armed) return;
    loadSettings();
    SetTimer(windows().main, kSchedulerTimerId, 1000, nullptr);
}

}  // namespace

Scheduler& scheduler() {
    static Scheduler instance;
    return instance;
}

void armScheduler() { startTimerIf(scheduler().arm(currentSettings(), readClock())); }

void rearmScheduler() { startTimerIf(scheduler().rearm(currentSettings(), readClock())); }

void cancelScheduleAndCloseWarning() {
    scheduler().cancel();
    closeWarningWindow();
}

namespace {

void carryOut(const Scheduler::Tick& tick) {
    switch (tick.kind) {
    case Scheduler::TickKind::Nothing:
        break;
    case Scheduler::TickKind::OpenWarning:
        openWarningWindow();
        break;
    case Scheduler::TickKind::UpdateCountdown:
        updateWarningCountdown(tick.remaining, currentSettings().TaskManagerAktion);
        break;
    case Scheduler::TickKind::WarnMissed:
        // shown even where the user had sent the warning away: the action
        // of a missed target never runs unannounced
        if (IsWindow(windows().warning))
            updateWarningCountdown(tick.remaining, currentSettings().TaskManagerAktion);
        else
            openWarningWindow();
        break;
    case Scheduler::TickKind::Fire: {
        KillTimer(windows().main, kSchedulerTimerId);
        // the countdown is over; a window still showing "1 seconds" would
        // outlast a standby
        closeWarningWindow();
        PowerEntryContext context = powerEntryContext();
        runScheduledAction(context);
        break;
    }
    }
}

}  // namespace

void onSchedulerTick() { carryOut(scheduler().tick(readClock())); }

void onPowerResume() { carryOut(scheduler().resume(readClock())); }

void onClockChanged() { scheduler().followClockChange(currentSettings(), readClock()); }
