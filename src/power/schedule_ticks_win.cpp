#include "power/schedule_ticks_win.h"

#include <windows.h>

#include "common/feature_window_win.h"
#include "power/power_calls_win.h"
#include "power/power_entries.h"
#include "power/scheduler_win.h"
#include "power/warning_window_win.h"
#include "settings/current_settings_win.h"

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
        if (warningWindow())
            updateWarningCountdown(tick.remaining, currentSettings().TaskManagerAktion);
        else
            openWarningWindow();
        break;
    case Scheduler::TickKind::Fire: {
        KillTimer(mainWindow(), kSchedulerTimerId);
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

void cancelScheduleAndCloseWarning() {
    scheduler().cancel();
    closeWarningWindow();
}
