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
        scheduleChanged();  // kept awake and shown before the window's loop
        openWarningWindow();
        break;
    case Scheduler::TickKind::UpdateCountdown:
        updateWarningCountdown(tick.remaining, currentSettings().TaskManagerAktion);
        break;
    case Scheduler::TickKind::WarnMissed:
        // shown even where the user had sent the warning away: the action
        // of a missed target never runs unannounced
        if (warningWindow()) {
            updateWarningCountdown(tick.remaining, currentSettings().TaskManagerAktion);
        } else {
            scheduleChanged();
            openWarningWindow();
        }
        break;
    case Scheduler::TickKind::Fire: {
        // a daily time is armed for its next day already, and ticks on
        const bool again = scheduler().state().mode != 0;
        if (!again) KillTimer(mainWindow(), kSchedulerTimerId);
        // the countdown is over; a window still showing "1 seconds" would
        // outlast a standby
        closeWarningWindow();
        scheduleChanged();  // the system may sleep now, as the action may ask it to
        PowerEntryContext context = powerEntryContext();
        runScheduledAction(context);
        // the action took the icon away (hibernation, a refused shutdown);
        // the program goes on, so it shows its icon as after a restarted shell
        if (again) SendMessageA(mainWindow(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        break;
    }
    }
}

}  // namespace

void onSchedulerTick() {
    carryOut(scheduler().tick(readClock()));
    scheduleChanged();
}

void onPowerResume() {
    carryOut(scheduler().resume(readClock()));
    scheduleChanged();
}

void cancelScheduleAndCloseWarning() {
    scheduler().cancel();
    closeWarningWindow();
    scheduleChanged();
}
