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
// minutes after Windows started (mode 1), daily at a time (2), or at a date
// and time (3). Times are unsigned 32-bit seconds: uptime in mode 1,
// calendar time otherwise.
class Scheduler {
public:
    struct State {
        int mode = 0;  // 0 = nothing armed
        std::uint32_t target = 0;
        std::uint32_t current = 0;
        std::uint32_t warningSeconds = 0;
        bool armed = false;      // the timer was started; arming waits for a re-arm
        bool warned = false;     // the warning window was opened for this countdown
        bool suspended = false;  // cancelled: nothing runs until a re-arm
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
    // One second has passed; Fire means the timer is to stop and the action
    // run. A target more than kLateSeconds past was missed.
    Tick tick(const SchedulerClock& clock);
    // The computer woke: a target passed in its sleep was missed.
    Tick resume(const SchedulerClock& clock);
    // The system clock was set: a time of day or a date is read again from
    // the settings, against the new clock.
    void followClockChange(const Settings& settings, const SchedulerClock& clock);

    static constexpr std::uint32_t kLateSeconds = 5;
    // the countdown of a missed target where the settings ask for no warning
    static constexpr std::uint32_t kMissedWarningSeconds = 30;

    const State& state() const { return state_; }

private:
    Tick step(const SchedulerClock& clock, std::uint32_t tolerance);
    State state_;
};

// The warning window's countdown line: the initial text, and the text for
// the seconds left (none where no action is set).
std::string initialCountdownText(bool german);
std::optional<std::string> countdownText(Action action, std::uint32_t remaining, bool german);
