#include "power/scheduler_win.h"

#include <windows.h>

#include <algorithm>
#include <ctime>

#include "common/feature_window_win.h"
#include "common/decimal.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "power/program_watch_win.h"
#include "settings/current_settings_win.h"
#include "win32/entry_point_win.h"

namespace {

void (*observer)() = nullptr;
Announcer announcing = Announcer::Schedule;

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

void rearmScheduler() {
    const bool clockArmed = scheduler().rearm(currentSettings(), readClock());
    startTimerIf(programWatch().resume() || clockArmed);
}

void onClockChanged() {
    scheduler().followClockChange(currentSettings(), readClock());
    scheduleChanged();
}

void setScheduleObserver(void (*newObserver)()) { observer = newObserver; }

void scheduleChanged() {
    holdSystemAwake(scheduler().keepAwake() || programWatch().keepAwake());
    if (observer) observer();
}

std::optional<std::string> armedActionLine() {
    const Action action = parseAction(currentSettings().TaskManagerAktion);
    const bool german = programFacts().german;
    // room beside "Dormival" in the tooltip's 63 characters
    const auto watch = programWatch().text(action, german, 53);
    // a countdown first, then the watch, whose end nobody can foresee
    if (programWatch().counting() || (watch && !scheduler().state().warned)) return watch;
    return armedActionText(scheduler().state(), action, readClock(), german);
}
namespace {

// Not where the options hold no action; where another program is watched,
// only once the user agrees.
bool mayWatch(const std::string& program) {
    const bool german = programFacts().german;
    if (parseAction(currentSettings().TaskManagerAktion) == Action::None) {
        MessageBoxA(nullptr,
                    bilingual(german, "In den Optionen ist keine Aktion gewählt.",
                              "The options hold no action to carry out."),
                    "Dormival", MB_ICONINFORMATION);
        return false;
    }
    if (!programWatch().armed()) return true;
    const std::string question =
        bilingual(german, "Dormival wartet schon auf das Ende von ",
                  "Dormival already waits for the end of ") +
        programWatch().program() +
        bilingual(german, ".\nStattdessen auf das Ende von ", ".\nWait for the end of ") +
        program + bilingual(german, " warten?", " instead?");
    return MessageBoxA(nullptr, question.c_str(), "Dormival", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace

bool watchProgramEnd(HANDLE process, const std::string& program) {
    loadSettings();
    if (!mayWatch(program)) {
        CloseHandle(process);
        return false;
    }
    dropProgramWatch();
    keepWatchedProcess(process);
    programWatch().arm(program, static_cast<std::uint32_t>(
                                    std::max(0, settingAsInt(currentSettings().showwarning))));
    SetTimer(mainWindow(), kSchedulerTimerId, 1000, nullptr);
    scheduleChanged();
    return true;
}

void setAnnouncer(Announcer who) { announcing = who; }

Announcer announcer() { return announcing; }

void cancelAnnouncedAction() {
    if (announcing == Announcer::Watch)
        dropProgramWatch();
    else
        scheduler().cancel();
}

void postponeAnnouncedAction() {
    if (announcing == Announcer::Watch)
        programWatch().postpone(readClock().uptimeSeconds);
    else
        scheduler().postpone(readClock());
}
