#include "power/schedule_ticks_win.h"

#include <algorithm>

#include "common/feature_window_win.h"
#include "common/program_facts.h"
#include "common/text.h"
#include "power/condition_trigger_win.h"
#include "power/power_calls_win.h"
#include "power/power_entries.h"
#include "power/program_watch_win.h"
#include "power/scheduler_win.h"
#include "power/warning_window_win.h"
#include "settings/current_settings_win.h"
#include "settings/settings.h"

namespace {

Action storedAction() { return scheduledAction(currentSettings()); }

// The conditions warn for the settings' period, or 30 s where none is set,
// naming what holds.
WarningRequest conditionsWarning() {
    const auto period =
        static_cast<std::uint32_t>(settingValue(currentSettings(), &Settings::showwarning));
    const std::uint32_t whole = period > 0 ? period : Scheduler::kMissedWarningSeconds;
    const bool german = programFacts().german;
    std::string reason = programWatch().armed() ? programWatch().reason(german) : "";
    if (conditionWatch().armed())
        reason += (reason.empty() ? "" : "; ") + conditionWatch().reason(german);
    return {{whole, whole}, conditionsAction(), reason};
}

// Input with the cursor on the warning window went to it: the cursor moved
// there, or the window opened beneath it (which Wine counts as a move). Keys
// typed while the cursor rests there went to another window, as the warning
// never takes the keyboard.
void noteInputOnWarning() {
    static POINT lastCursor{};
    static HWND lastWarning = nullptr;
    const HWND warning = warningWindow();
    POINT cursor;
    if (!GetCursorPos(&cursor)) return;
    const bool moved = cursor.x != lastCursor.x || cursor.y != lastCursor.y;
    const bool opened = warning != lastWarning;
    lastCursor = cursor;
    lastWarning = warning;
    RECT place;
    if ((moved || opened) && warning && GetWindowRect(warning, &place) &&
        cursor.x >= place.left && cursor.x < place.right && cursor.y >= place.top &&
        cursor.y < place.bottom)
        conditionWatch().inputWentToWarning();
}

// Everything armed besides the clock, this second.
bool conditionsHold(PendingActions& pending) {
    const bool measured = conditionWatch().armed() && !pending.paused();
    if (measured) noteInputOnWarning();
    return conditionsSecond(pending, conditionWatch(),
                            measured ? sampleArmedConditions() : ConditionSample{},
                            programWatch().armed() ? std::optional<bool>(watchedProgramEnded())
                                                   : std::nullopt);
}

void answerWarning(int id);

// The window shows the countdown that runs unless the user sent it away,
// and nothing else.
void showCountdown() {
    const PendingActions& pending = pendingActions();
    const PendingActions::Countdown* shown = pending.shown();
    if (!shown) {
        closeWarningWindow();
        return;
    }
    const WarningRequest& request = pending.request(shown->trigger);
    if (!warningWindow()) {
        setWarningAnswerHandler(answerWarning);
        openWarningWindow(request.reason);
    }
    updateWarningCountdown(shown->remaining(readClock().uptimeSeconds), request.action);
}

// Everything that is not the clock schedule ends, with its countdown.
void endConditions() {
    pendingActions().withdraw(Trigger::Conditions);
    dropProgramWatch();
    dropMeasuredConditions();
}

// Cancel stops the countdown shown and its trigger: a clock schedule
// until the options' OK, the conditions for good. Later puts it off.
void answerWarning(int id) {
    PendingActions& pending = pendingActions();
    conditionWatch().inputWentToWarning();
    if (id == kWarningOkId) pending.sendAway();
    if (id == kWarningLaterId) pending.postponeShown(readClock().uptimeSeconds);
    if (id == kWarningCancelId) {
        const auto cancelled = pending.cancelShown();
        if (cancelled == Trigger::Schedule) scheduler().cancel();
        if (cancelled == Trigger::Conditions) endConditions();
    }
    showCountdown();
    scheduleChanged();
}

void carryOut(Trigger trigger, const SchedulerClock& clock) {
    if (trigger == Trigger::Schedule)
        scheduler().acted(clock);  // a daily time arms its next day
    else
        endConditions();
    const bool goesOn =
        scheduler().state().mode != 0 || programWatch().armed() || conditionWatch().armed();
    scheduleChanged();  // the system may sleep now, as the action may ask it to
    PowerEntryContext context = powerEntryContext();
    runScheduledAction(context);
    // the action took the icon away (hibernation, a refused shutdown);
    // the program goes on, so it shows its icon as after a restarted shell
    if (goesOn) SendMessageA(mainWindow(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
}

// Whatever has fallen due is handed on; then the countdown moves.
void step(const std::optional<WarningPeriods>& clockDue) {
    const SchedulerClock clock = readClock();
    PendingActions& pending = pendingActions();
    if (clockDue)
        pending.fallDue(Trigger::Schedule, {*clockDue, storedAction(), ""}, clock.uptimeSeconds);
    if (conditionsHold(pending))
        pending.fallDue(Trigger::Conditions, conditionsWarning(), clock.uptimeSeconds);
    const PendingActions::Step next = pending.tick(clock.uptimeSeconds);
    showCountdown();
    if (next.kind == PendingActions::StepKind::Fire) carryOut(next.trigger, clock);
    scheduleChanged();
}

}  // namespace

void onSchedulerTick() { step(scheduler().tick(readClock())); }

void onPowerResume() {
    const SchedulerClock clock = readClock();
    pendingActions().restart(clock.uptimeSeconds);
    conditionWatch().restart();
    step(scheduler().resume(clock));
}

void pauseSchedule() {
    scheduler().cancel();
    pendingActions().pause();
    showCountdown();
    scheduleChanged();
}

namespace {

// Not where the options hold no action; where another program is watched,
// only once the user agrees.
bool mayWatch(const std::string& program) {
    const bool german = programFacts().german;
    if (conditionsAction() == Action::None) {
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
    // the one it replaces, with the countdown of what was armed with it
    pendingActions().withdraw(Trigger::Conditions);
    dropProgramWatch();
    keepWatchedProcess(process);
    programWatch().arm(program);
    showCountdown();
    scheduleChanged();
    return true;
}

void armConditions(const std::optional<ConditionFigures>& measured, bool keepProgram) {
    pendingActions().withdraw(Trigger::Conditions);
    if (!keepProgram) dropProgramWatch();
    if (measured)
        armMeasuredConditions(*measured);
    else
        dropMeasuredConditions();
    showCountdown();
    scheduleChanged();
}

void disarmConditions() {
    endConditions();
    showCountdown();
    scheduleChanged();
}
