#include "power/scheduler.h"

#include <algorithm>

#include "common/text.h"
#include "settings/settings.h"

namespace {

std::optional<std::time_t> localTimeOn(std::tm day, const TimeOfDay& time) {
    day.tm_hour = time.hour;
    day.tm_min = time.minute;
    day.tm_sec = time.second;
    day.tm_isdst = -1;  // the system decides whether daylight saving applies
    const std::time_t result = std::mktime(&day);
    if (result == static_cast<std::time_t>(-1)) return std::nullopt;
    return result;
}

// The daily time's next moment from now: today, or tomorrow once today's
// has passed (tomorrow's is not always 86400 s later).
std::optional<std::time_t> dailyFrom(const TimeOfDay& time, std::time_t now) {
    const std::tm* local = std::localtime(&now);
    if (!local) return std::nullopt;
    std::tm today = *local;
    auto target = localTimeOn(today, time);
    if (target && static_cast<std::uint32_t>(*target) < static_cast<std::uint32_t>(now)) {
        ++today.tm_mday;
        target = localTimeOn(today, time);
    }
    return target;
}

std::optional<std::time_t> dailyTarget(const Settings& s, std::time_t now) {
    const auto time = readTimeOfDay(s.zeit);
    return time.valid ? dailyFrom(time.value, now) : std::nullopt;
}

// The daily time on the day after the moment's day.
std::optional<std::time_t> dayAfter(std::time_t moment, const TimeOfDay& time) {
    const std::tm* local = std::localtime(&moment);
    if (!local) return std::nullopt;
    std::tm next = *local;
    ++next.tm_mday;
    return localTimeOn(next, time);
}

// The local date as yyyymmdd.
int localDay(std::time_t moment) {
    const std::tm* local = std::localtime(&moment);
    return local ? (local->tm_year + 1900) * 10000 + (local->tm_mon + 1) * 100 + local->tm_mday
                 : 0;
}

// The date and time, past or not.
std::optional<std::time_t> dateTarget(const Settings& s) {
    const auto date = readDate(s.tag);
    const auto time = readTimeOfDay(s.zeit);
    return date.valid && time.valid ? localToCalendar(date.value, time.value) : std::nullopt;
}

}  // namespace

std::optional<std::time_t> localToCalendar(const CalendarDate& date, const TimeOfDay& time) {
    std::tm day{};
    day.tm_mday = date.day;
    day.tm_mon = date.month - 1;
    day.tm_year = date.year - 1900;
    const auto result = localTimeOn(day, time);
    if (!result) return std::nullopt;
    // mktime moves the 31st of a short month into the next one
    const std::tm* back = std::localtime(&*result);
    if (!back || back->tm_mday != date.day || back->tm_mon != date.month - 1) return std::nullopt;
    return result;
}

bool Scheduler::arm(const Settings& s, const SchedulerClock& clock) {
    if (state_.suspended || state_.armed) return false;
    state_.mode = 0;
    const auto now = static_cast<std::uint32_t>(clock.now);
    state_.current = now;
    const int mode = settingValue(s, &Settings::action);
    if (mode == 1) {
        state_.current = clock.uptimeSeconds;
        const long long target = static_cast<long long>(settingValue(s, &Settings::minuten)) * 60;
        if (target >= 0 && target <= UINT32_MAX) {
            state_.target = static_cast<std::uint32_t>(target);
            if (state_.current < state_.target) state_.mode = 1;
        }
    } else if (mode == 2) {
        const auto time = readTimeOfDay(s.zeit);
        const auto target = time.valid ? dailyFrom(time.value, clock.now) : std::nullopt;
        if (target) {
            state_.daily = time.value;
            state_.target = static_cast<std::uint32_t>(*target);
            state_.mode = 2;
        }
    } else if (mode == 3) {
        const auto target = dateTarget(s);
        if (target && now < static_cast<std::uint32_t>(*target)) {
            state_.target = static_cast<std::uint32_t>(*target);
            state_.mode = 3;
        }
    }
    if (state_.mode < 1) return false;
    // a negative period is no warning at all
    state_.warningSeconds = static_cast<std::uint32_t>(settingValue(s, &Settings::showwarning));
    state_.armed = true;
    setTarget(state_.target, clock);
    return true;
}

bool Scheduler::rearm(const Settings& settings, const SchedulerClock& clock) {
    state_.firedDayTarget = 0;  // the user has set the schedule anew
    state_.warned = false;
    state_.suspended = false;
    state_.armed = false;
    return arm(settings, clock);
}

void Scheduler::cancel() {
    state_.suspended = true;
    state_.mode = 0;
    state_.armed = false;
    state_.warned = false;
}

bool Scheduler::keepAwake() const {
    if (state_.suspended || state_.mode < 1 || state_.warned) return false;
    return state_.target <= state_.current || state_.target - state_.current <= kAwakeSeconds;
}

void Scheduler::setTarget(std::uint32_t target, const SchedulerClock& clock) {
    state_.target = target;
    // an uptime target falls due as far from now on the calendar
    state_.due = state_.mode == 1
                     ? clock.now + static_cast<std::time_t>(target - clock.uptimeSeconds)
                     : static_cast<std::time_t>(target);
}

// After a day's action: the same time on its next day, or where the
// computer slept through days, the next one still to come.
void Scheduler::armNextDay(const SchedulerClock& clock) {
    state_.firedDayTarget = state_.target;
    auto next = dayAfter(state_.target, state_.daily);
    if (next && static_cast<std::uint32_t>(*next) < static_cast<std::uint32_t>(clock.now))
        next = dailyFrom(state_.daily, clock.now);
    if (!next) {
        state_.mode = 0;
        return;
    }
    state_.warned = false;
    setTarget(static_cast<std::uint32_t>(*next), clock);
}

std::optional<WarningPeriods> Scheduler::tick(const SchedulerClock& clock) {
    return step(clock, kLateSeconds);
}

std::optional<WarningPeriods> Scheduler::resume(const SchedulerClock& clock) {
    // whatever came due while the computer slept was missed
    return step(clock, 0);
}

void Scheduler::acted(const SchedulerClock& clock) {
    if (state_.suspended || !state_.warned) return;
    if (state_.mode == 2)
        armNextDay(clock);
    else
        state_.mode = 0;
}

void Scheduler::followClockChange(const Settings& settings, const SchedulerClock& clock) {
    // a countdown handed on (a put-off one too) is a moment: it stays
    if (state_.suspended || state_.warned || (state_.mode != 2 && state_.mode != 3)) return;
    auto target = state_.mode == 2 ? dailyTarget(settings, clock.now) : dateTarget(settings);
    // a clock set back does not bring back a day whose action has run
    if (target && state_.mode == 2 && state_.firedDayTarget &&
        localDay(*target) <= localDay(state_.firedDayTarget))
        target = dayAfter(state_.firedDayTarget, state_.daily);
    if (!target) {
        state_.mode = 0;  // the stored time no longer reads
        return;
    }
    setTarget(static_cast<std::uint32_t>(*target), clock);
}

std::optional<WarningPeriods> Scheduler::step(const SchedulerClock& clock,
                                              std::uint32_t tolerance) {
    if (state_.suspended || state_.mode < 1 || state_.warned) return std::nullopt;
    state_.current =
        state_.mode == 1 ? clock.uptimeSeconds : static_cast<std::uint32_t>(clock.now);
    const std::uint32_t whole = state_.warningSeconds > 0 ? state_.warningSeconds
                                                          : kMissedWarningSeconds;
    std::uint32_t onTime = 0;
    if (state_.current >= state_.target) {
        // missed, or reached without the warning the settings ask for: a
        // fresh countdown in the warning window, which the user can cancel
        if (state_.current - state_.target > tolerance || state_.warningSeconds > 0)
            onTime = whole;
    } else if (state_.target - state_.current <= state_.warningSeconds) {
        onTime = state_.target - state_.current;  // the seconds left, where they are fewer
    } else {
        return std::nullopt;
    }
    state_.warned = true;
    return WarningPeriods{onTime, whole};
}

std::string initialCountdownText(bool german) {
    return bilingual(german, "Ihr System wird in ? Sekunden heruntergefahren",
                     "in ? seconds your system will be shutting down");
}

std::optional<std::string> countdownText(Action action, std::uint32_t remaining, bool german) {
    static const char* const kPrefixes[] = {"ShutDown in ", "Reboot in ", "LogOff in ",
                                            "StandBy-Mode in ", "Hibernate-Mode in "};
    if (action == Action::None) return std::nullopt;
    return kPrefixes[static_cast<int>(action) - 1] + std::to_string(remaining) +
           bilingual(german, " Sekunden", " seconds");
}

const char* actionName(Action action, bool german) {
    static const char* const kNames[][2] = {{"Herunterfahren", "ShutDown"},
                                            {"Neustart", "Reboot"},
                                            {"Abmelden", "LogOff"},
                                            {"Standby", "StandBy"},
                                            {"Ruhezustand", "Hibernate"}};
    return action == Action::None ? "" : kNames[static_cast<int>(action) - 1][german ? 0 : 1];
}

std::string secondsLeftText(Action action, std::uint32_t remaining, bool german) {
    return actionName(action, german) + (" in " + std::to_string(remaining)) +
           bilingual(german, " Sekunden", " seconds");
}

std::optional<std::string> armedActionText(const Scheduler::State& state, Action action,
                                           const SchedulerClock& clock, bool german) {
    if (state.suspended || state.mode < 1 || state.warned) return std::nullopt;
    // a daily time is never more than a day away
    return state.mode == 2 ? dueActionText(action, state.due, {0, state.due}, german)
                           : dueActionText(action, state.due, clock, german);
}

std::optional<std::string> dueActionText(Action action, std::time_t due,
                                         const SchedulerClock& clock, bool german) {
    if (action == Action::None) return std::nullopt;
    const std::tm* local = std::localtime(&due);
    if (!local) return std::nullopt;
    std::string time = timeOfDayText({local->tm_hour, local->tm_min, local->tm_sec});
    time.pop_back();  // the stored form's closing blank
    const std::string date = dateText({local->tm_mday, local->tm_mon + 1, local->tm_year + 1900});
    const std::string name = actionName(action, german);
    if (localDay(due) == localDay(clock.now))
        return name + bilingual(german, " um ", " at ") + time;
    return name + bilingual(german, " am ", " on ") + date + bilingual(german, " um ", " at ") +
           time;
}
