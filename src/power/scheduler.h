#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "power/action_codes.h"
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

// Carries out the stored action at a moment the user chose: a number of
// minutes after Windows started (mode 1), every day at a time (2), or at a
// date and time (3). Times are unsigned 32-bit seconds: uptime in mode 1,
// calendar time otherwise.
class Scheduler {
public:
    struct State {
        int mode = 0;  // 0 = nothing armed
        std::uint32_t target = 0;
        std::uint32_t current = 0;
        std::uint32_t warningSeconds = 0;  // of this countdown
        bool armed = false;      // the timer was started; arming waits for a re-arm
        bool warned = false;     // the warning window was opened for this countdown
        bool suspended = false;  // cancelled: nothing runs until a re-arm
        std::time_t due = 0;     // the target as calendar time, for the tooltip
        // every day (mode 2): the time, the day's own target (Later moves
        // only the target), and the last day's target whose action ran
        TimeOfDay daily;
        std::uint32_t dayTarget = 0;
        std::uint32_t firedDayTarget = 0;
        std::uint32_t settingsWarning = 0;  // the warning period the settings ask for
        bool postponed = false;
    };

    // WarnMissed: the target passed unseen (the computer slept, or ticks
    // stalled); the countdown starts again from the warning period, and the
    // warning window is to show it whether or not it was open.
    enum class TickKind { Nothing, OpenWarning, UpdateCountdown, Fire, WarnMissed };
    struct Tick {
        TickKind kind = TickKind::Nothing;
        std::uint32_t remaining = 0;  // seconds left, for the countdown
    };

    // Arms from the settings. True when a countdown has begun: the caller then
    // reloads the settings and starts the one-second timer.
    bool arm(const Settings& settings, const SchedulerClock& clock);
    // The options window's OK: a cancel or an earlier countdown no longer
    // stands in the way.
    bool rearm(const Settings& settings, const SchedulerClock& clock);
    // Suspends: nothing armed, later ticks do nothing.
    void cancel();
    // The warning's Later: the action falls due kPostponeSeconds from now,
    // and warns again before that; the stored schedule stays as it is.
    void postpone(const SchedulerClock& clock);
    // One second has passed; Fire means the action is to run, and unless a
    // daily time is armed for its next day, the timer is to stop. A target
    // more than kLateSeconds past was missed.
    Tick tick(const SchedulerClock& clock);
    // The computer woke: a target passed in its sleep was missed.
    Tick resume(const SchedulerClock& clock);
    // The system clock was set: a time of day or a date is read again from
    // the settings, against the new clock.
    void followClockChange(const Settings& settings, const SchedulerClock& clock);

    static constexpr std::uint32_t kLateSeconds = 5;
    // the countdown of a missed target where the settings ask for no warning
    static constexpr std::uint32_t kMissedWarningSeconds = 30;
    static constexpr std::uint32_t kPostponeSeconds = 600;
    // a put-off action warns this long before, where the period is longer
    // than the time it was put off by
    static constexpr std::uint32_t kPostponedWarningSeconds = 60;
    // the system is kept awake at least this long before the target
    static constexpr std::uint32_t kAwakeSeconds = 60;

    const State& state() const { return state_; }
    // Whether the system must not fall asleep: from the warning, or from
    // kAwakeSeconds before the target, until the action runs or is called off.
    bool keepAwake() const;

private:
    Tick step(const SchedulerClock& clock, std::uint32_t tolerance);
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
// ("ShutDown at 22:00:00", with the date where it is a day or more away), or
// the seconds left while the warning counts down; none when nothing is.
std::optional<std::string> armedActionText(const Scheduler::State& state, Action action,
                                           const SchedulerClock& clock, bool german);
