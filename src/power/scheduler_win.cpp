#include "power/scheduler_win.h"

#include <windows.h>

#include <ctime>

#include "common/feature_window_win.h"
#include "common/program_facts.h"
#include "power/condition_trigger_win.h"
#include "power/program_watch_win.h"
#include "settings/current_settings_win.h"
#include "win32/entry_point_win.h"

namespace {

void (*observer)() = nullptr;

SchedulerClock systemClock() { return {GetTickCount() / 1000, std::time(nullptr)}; }
SchedulerClock (*clockSource)() = systemClock;

// Windows 98 and 2000 on; the state belongs to this, the window thread.
void holdSystemAwake(bool hold) {
    static bool held = false;
    if (hold == held) return;
    using Function = EXECUTION_STATE(WINAPI*)(EXECUTION_STATE);
    static const auto setState = entryPoint<Function>("kernel32.dll", "SetThreadExecutionState");
    if (setState) setState(hold ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED : ES_CONTINUOUS);
    held = hold;
}

// A countdown belongs to one of them: what is due or counting is armed too.
bool anythingArmed() {
    const Scheduler::State& clock = scheduler().state();
    return (clock.mode != 0 && !clock.suspended) || programWatch().armed() ||
           conditionWatch().armed();
}

// The timer runs while anything is armed; the main window's end takes it.
void tickWhileArmed() {
    static HWND ticking = nullptr;  // the window whose timer runs
    const HWND main = mainWindow();
    const bool needed = main && anythingArmed();
    if (needed == (main && ticking == main)) return;
    if (needed)
        SetTimer(main, kSchedulerTimerId, 1000, nullptr);
    else if (main)
        KillTimer(main, kSchedulerTimerId);
    ticking = needed ? main : nullptr;
}

}  // namespace

Scheduler& scheduler() {
    static Scheduler instance;
    return instance;
}

PendingActions& pendingActions() {
    static PendingActions instance;
    return instance;
}

SchedulerClock readClock() { return clockSource(); }

void setClockSource(SchedulerClock (*source)()) { clockSource = source ? source : systemClock; }

void armScheduler() {
    if (scheduler().arm(currentSettings(), readClock())) loadSettings();
    scheduleChanged();
}

void rearmScheduler() {
    if (scheduler().rearm(currentSettings(), readClock())) loadSettings();
    pendingActions().resume();
    scheduleChanged();
}

void onClockChanged() {
    scheduler().followClockChange(currentSettings(), readClock());
    scheduleChanged();
}

void setScheduleObserver(void (*newObserver)()) { observer = newObserver; }

void scheduleChanged() {
    tickWhileArmed();
    // armed conditions too: the system's own idle sleep would defeat "idle
    // for 30 minutes"
    holdSystemAwake(pendingActions().countdown() || scheduler().keepAwake() ||
                    conditionWatch().armed());
    if (observer) observer();
}

std::optional<std::string> armedActionLine() {
    const Action action = scheduledAction(currentSettings());
    const bool german = programFacts().german;
    const PendingActions& pending = pendingActions();
    const SchedulerClock clock = readClock();
    // a countdown first, then the watch, whose end nobody can foresee
    if (const auto& countdown = pending.countdown()) {
        const Action shown = pending.request(countdown->trigger).action;
        if (shown == Action::None) return std::nullopt;
        return secondsLeftText(shown, countdown->remaining(clock.uptimeSeconds), german);
    }
    // room beside "Dormival" in the tooltip's 63 characters
    if (!pending.due(Trigger::Conditions)) {
        if (conditionWatch().armed())
            return conditionWatch().text(conditionsAction(), programWatch().program(), german, 53);
        if (programWatch().armed()) return programWatch().text(conditionsAction(), german, 53);
    }
    for (const Trigger trigger : {Trigger::Schedule, Trigger::Conditions})
        if (const auto until = pending.putOffUntil(trigger))
            return dueActionText(pending.request(trigger).action,
                                 clock.now + static_cast<std::time_t>(*until - clock.uptimeSeconds),
                                 clock, german);
    return armedActionText(scheduler().state(), action, clock, german);
}
