#include "power/scheduler.h"

#include <algorithm>

#include "common/decimal.h"
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
std::optional<std::time_t> dailyTarget(const Settings& s, std::time_t now) {
    const auto time = readTimeOfDay(s.zeit);
    const std::tm* local = std::localtime(&now);
    if (!time.valid || !local) return std::nullopt;
    std::tm today = *local;
    auto target = localTimeOn(today, time.value);
    if (target && static_cast<std::uint32_t>(*target) < static_cast<std::uint32_t>(now)) {
        ++today.tm_mday;
        target = localTimeOn(today, time.value);
    }
    return target;
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
    if (s.action == "1") {
        state_.current = clock.uptimeSeconds;
        const long long target = static_cast<long long>(settingAsInt(s.minuten)) * 60;
        if (target >= 0 && target <= UINT32_MAX) {
            state_.target = static_cast<std::uint32_t>(target);
            if (state_.current < state_.target) state_.mode = 1;
        }
    } else if (s.action == "2") {
        if (const auto target = dailyTarget(s, clock.now)) {
            state_.target = static_cast<std::uint32_t>(*target);
            state_.mode = 2;
        }
    } else if (s.action == "3") {
        const auto target = dateTarget(s);
        if (target && now < static_cast<std::uint32_t>(*target)) {
            state_.target = static_cast<std::uint32_t>(*target);
            state_.mode = 3;
        }
    }
    if (state_.mode < 1) return false;
    // a negative period is no warning at all
    state_.warningSeconds = static_cast<std::uint32_t>(std::max(0, settingAsInt(s.showwarning)));
    state_.armed = true;
    return true;
}

bool Scheduler::rearm(const Settings& settings, const SchedulerClock& clock) {
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

Scheduler::Tick Scheduler::tick(const SchedulerClock& clock) {
    return step(clock, kLateSeconds);
}

Scheduler::Tick Scheduler::resume(const SchedulerClock& clock) {
    // whatever came due while the computer slept was missed
    return step(clock, 0);
}

void Scheduler::followClockChange(const Settings& settings, const SchedulerClock& clock) {
    if (state_.suspended || (state_.mode != 2 && state_.mode != 3)) return;
    const auto target = state_.mode == 2 ? dailyTarget(settings, clock.now) : dateTarget(settings);
    if (target)
        state_.target = static_cast<std::uint32_t>(*target);
    else
        state_.mode = 0;  // the stored time no longer reads
}

Scheduler::Tick Scheduler::step(const SchedulerClock& clock, std::uint32_t tolerance) {
    if (state_.suspended || state_.mode < 1) return {};
    state_.current =
        state_.mode == 1 ? clock.uptimeSeconds : static_cast<std::uint32_t>(clock.now);
    if (state_.current >= state_.target && state_.current - state_.target > tolerance) {
        // missed, not due: a fresh countdown in the warning window, which
        // the user can cancel, instead of the action at once
        const std::uint32_t period =
            state_.warningSeconds > 0 ? state_.warningSeconds : kMissedWarningSeconds;
        state_.target = state_.current + std::min(period, UINT32_MAX - state_.current);
        state_.warningSeconds = period;
        state_.warned = true;
        return {TickKind::WarnMissed, state_.target - state_.current};
    }
    if (state_.current >= state_.target) {
        state_.mode = 0;
        return {TickKind::Fire, 0};
    }
    const std::uint32_t remaining = state_.target - state_.current;
    if (!state_.warned && remaining <= state_.warningSeconds) {
        state_.warned = true;
        return {TickKind::OpenWarning, remaining};
    }
    if (state_.warned) return {TickKind::UpdateCountdown, remaining};
    return {};
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
