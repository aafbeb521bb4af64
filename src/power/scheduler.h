#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "power/action_codes.h"
#include "power/pending_actions.h"
#include "settings/clock_texts.h"

struct Settings;

// The moment as the scheduler reads it: seconds since Windows started (the
// millisecond tick count / 1000, unsigned) and the calendar time.
struct SchedulerClock {
    std::uint32_t uptimeSeconds = 0;
    std::time_t now = 0;
};

// The local date and time as calendar time, with the daylight-saving rule in
// force on that date; none for a date that does not exist.
std::optional<std::time_t> localToCalendar(const CalendarDate& date, const TimeOfDay& time);

// Says when the stored action falls due at a moment the user chose: a
// number of minutes after Windows started (mode 1), every day at a time
// (2), or at a date and time (3). Times are unsigned 32-bit seconds: uptime
// in mode 1, calendar time otherwise. Once its warning is due it hands the
// countdown on (see PendingActions) and waits to hear how it ended.
class Scheduler {
public:
    struct State {
        int mode = 0;  // 0 = nothing armed
        std::uint32_t target = 0;
        std::uint32_t current = 0;
        std::uint32_t warningSeconds = 0;  // the settings' period
        bool armed = false;      // the timer was started; arming waits for a re-arm
        bool warned = false;     // its countdown was handed on
        bool suspended = false;  // cancelled: nothing runs until a re-arm
        std::time_t due = 0;     // the target as calendar time, for the tooltip
        // every day (mode 2): the time, and the last day's target whose
        // action ran
        TimeOfDay daily;
        std::uint32_t firedDayTarget = 0;
    };

    // Arms from the settings. True when a countdown has begun: the caller then
    // reloads the settings and starts the one-second timer.
    bool arm(const Settings& settings, const SchedulerClock& clock);
    // The options window's OK: a cancel or an earlier countdown no longer
    // stands in the way.
    bool rearm(const Settings& settings, const SchedulerClock& clock);
    // Suspends: nothing armed, later ticks do nothing.
    void cancel();
    // One second has passed: the warning, once it is due. A target reached
    // on time with no warning set asks for none; one more than kLateSeconds
    // past was missed, and is warned of like any target reached unwarned.
    std::optional<WarningPeriods> tick(const SchedulerClock& clock);
    // The computer woke: a target passed in its sleep was missed.
    std::optional<WarningPeriods> resume(const SchedulerClock& clock);
    // Its countdown ended with the action: a daily time arms its next day.
    void acted(const SchedulerClock& clock);
    // The system clock was set: a time of day or a date not yet warned of
    // is read again from the settings, against the new clock.
    void followClockChange(const Settings& settings, const SchedulerClock& clock);

    static constexpr std::uint32_t kLateSeconds = PendingActions::kLateSeconds;
    // the countdown of a target reached unwarned, where the settings ask
    // for no warning
    static constexpr std::uint32_t kMissedWarningSeconds = 30;
    // the system is kept awake at least this long before the target
    static constexpr std::uint32_t kAwakeSeconds = 60;

    const State& state() const { return state_; }
    // Whether the system must not fall asleep before the warning: from
    // kAwakeSeconds before the target (the countdown keeps it awake after).
    bool keepAwake() const;

private:
    std::optional<WarningPeriods> step(const SchedulerClock& clock, std::uint32_t tolerance);
    void setTarget(std::uint32_t target, const SchedulerClock& clock);
    void armNextDay(const SchedulerClock& clock);
    State state_;
};

// The warning window's countdown line: the initial text, and the text for
// the seconds left (none where no action is set).
std::string initialCountdownText(bool german);
std::optional<std::string> countdownText(Action action, std::uint32_t remaining, bool german);

// The action's name in the tray tooltip ("ShutDown", "Herunterfahren").
const char* actionName(Action action, bool german);
// "ShutDown in 25 seconds", for the tooltip during a warning.
std::string secondsLeftText(Action action, std::uint32_t remaining, bool german);

// The tray tooltip's line on what is armed: the action and when it falls due
// ("ShutDown at 22:00:00", with the date where it is another day than now,
// never for a daily time); none when nothing is or no action is set.
std::optional<std::string> armedActionText(const Scheduler::State& state, Action action,
                                           const SchedulerClock& clock, bool german);
// The same for a moment (a target put off by Later).
std::optional<std::string> dueActionText(Action action, std::time_t due,
                                         const SchedulerClock& clock, bool german);
