#include "power/schedule_ticks_win.h"

#include <windows.h>

#include "common/feature_window_win.h"
#include "power/power_calls_win.h"
#include "power/power_entries.h"
#include "power/program_watch_win.h"
#include "power/scheduler_win.h"
#include "power/warning_window_win.h"
#include "settings/current_settings_win.h"

namespace {

bool anythingArmed() { return scheduler().state().mode != 0 || programWatch().armed(); }

// The warning window counts down for one of them: a second countdown takes
// over the window that is open rather than opening another.
void announce(Announcer who, std::uint32_t remaining) {
    setAnnouncer(who);
    if (warningWindow()) {
        updateWarningCountdown(remaining, currentSettings().TaskManagerAktion);
        return;
    }
    scheduleChanged();  // kept awake and shown before the window's loop
    openWarningWindow();
}

void carryOut(const Scheduler::Tick& tick, Announcer who) {
    switch (tick.kind) {
    case Scheduler::TickKind::Nothing:
        break;
    case Scheduler::TickKind::UpdateCountdown:
        if (announcer() == who)
            updateWarningCountdown(tick.remaining, currentSettings().TaskManagerAktion);
        break;
    case Scheduler::TickKind::OpenWarning:
    // a missed target's countdown is shown even where the user had sent the
    // warning away: its action never runs unannounced
    case Scheduler::TickKind::WarnMissed:
        announce(who, tick.remaining);
        break;
    case Scheduler::TickKind::Fire: {
        if (who == Announcer::Watch) dropProgramWatch();
        // a daily time is armed for its next day already, and ticks on
        const bool goesOn = anythingArmed();
        if (!goesOn) KillTimer(mainWindow(), kSchedulerTimerId);
        // the countdown is over; a window still showing "1 seconds" would
        // outlast a standby
        if (announcer() == who) closeWarningWindow();
        scheduleChanged();  // the system may sleep now, as the action may ask it to
        PowerEntryContext context = powerEntryContext();
        runScheduledAction(context);
        // the action took the icon away (hibernation, a refused shutdown);
        // the program goes on, so it shows its icon as after a restarted shell
        if (goesOn) SendMessageA(mainWindow(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        break;
    }
    }
}

}  // namespace

void onSchedulerTick() {
    carryOut(scheduler().tick(readClock()), Announcer::Schedule);
    carryOut(programWatch().tick(watchedProgramEnded(), readClock().uptimeSeconds),
             Announcer::Watch);
    scheduleChanged();
}

void onPowerResume() {
    carryOut(scheduler().resume(readClock()), Announcer::Schedule);
    scheduleChanged();
}

void cancelScheduleAndCloseWarning() {
    scheduler().cancel();
    programWatch().suspend();
    closeWarningWindow();
    scheduleChanged();
}
