#include "power/scheduler_win.h"

#include <windows.h>

#include <ctime>

#include "common/feature_window_win.h"
#include "common/program_facts.h"
#include "settings/current_settings_win.h"
#include "win32/entry_point_win.h"

namespace {

void (*observer)() = nullptr;

// Windows 98 and 2000 on; the state belongs to this, the window thread.
void holdSystemAwake(bool hold) {
    static bool held = false;
    if (hold == held) return;
    using Function = EXECUTION_STATE(WINAPI*)(EXECUTION_STATE);
    static const auto setState = entryPoint<Function>("kernel32.dll", "SetThreadExecutionState");
    if (setState) setState(hold ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED : ES_CONTINUOUS);
    held = hold;
}

void startTimerIf(bool armed) {
    if (armed) {
        loadSettings();
        SetTimer(mainWindow(), kSchedulerTimerId, 1000, nullptr);
    }
    scheduleChanged();
}

}  // namespace

Scheduler& scheduler() {
    static Scheduler instance;
    return instance;
}

SchedulerClock readClock() { return {GetTickCount() / 1000, std::time(nullptr)}; }

void armScheduler() { startTimerIf(scheduler().arm(currentSettings(), readClock())); }

void rearmScheduler() { startTimerIf(scheduler().rearm(currentSettings(), readClock())); }

void onClockChanged() {
    scheduler().followClockChange(currentSettings(), readClock());
    scheduleChanged();
}

void setScheduleObserver(void (*newObserver)()) { observer = newObserver; }

void scheduleChanged() {
    holdSystemAwake(scheduler().keepAwake());
    if (observer) observer();
}

std::optional<std::string> armedActionLine() {
    return armedActionText(scheduler().state(), parseAction(currentSettings().TaskManagerAktion),
                           readClock(), programFacts().german);
}
