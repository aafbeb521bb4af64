#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "power/action_codes.h"

// What may run a power action while nobody asked for it just then: the
// clock schedule, and the conditions that say the work is done (a watched
// program's end, the computer idle, the processor or the network quiet),
// which fall due together when all that are armed hold.
enum class Trigger { Schedule, Conditions };
constexpr std::size_t kTriggerCount = 2;

// The warning a trigger asks for when it falls due: its whole period when
// its countdown starts on time, and when it starts late (it waited behind
// another countdown, was missed while the computer slept, or was paused).
// Only a clock schedule may ask for none on time; late is never 0.
struct WarningPeriods {
    std::uint32_t onTime = 0;
    std::uint32_t late = 0;
};

// The warning of a trigger that has fallen due: its periods, the action it
// runs and the line that names it ("render.exe has ended"; none for the
// clock schedule).
struct WarningRequest {
    WarningPeriods periods;
    Action action = Action::None;
    std::string reason;
};

// Every trigger that has fallen due, and the one countdown that runs and
// that the warning window shows. Times are seconds of uptime, which a
// change of the system clock leaves alone. The rules:
// - at most one countdown runs; a trigger that falls due meanwhile waits,
//   and starts its own, with its whole warning, once that one has ended;
// - an action runs only when its countdown has been on screen for its whole
//   period with no pause, or the user sent the window away (OK, or its
//   close request); a tick more than kLateSeconds after the last one, or a
//   resume from standby, is such a pause, and the countdown starts again;
// - Cancel and Later act on the countdown shown, and on nothing else;
// - while the options are open (paused) nothing falls due and nothing
//   runs; after their OK every trigger starts again from its own state.
class PendingActions {
public:
    static constexpr std::uint32_t kLateSeconds = 5;
    static constexpr std::uint32_t kPostponeSeconds = 600;
    // a put-off action warns this long before, where its period is longer
    // than the time it was put off by
    static constexpr std::uint32_t kPostponedWarningSeconds = 60;

    struct Countdown {
        Trigger trigger = Trigger::Schedule;
        std::uint32_t period = 0;     // its whole warning
        std::uint32_t startedAt = 0;  // when the window first showed it
        bool sentAway = false;        // OK or the close request
        std::uint32_t remaining(std::uint32_t now) const;
    };

    enum class StepKind { Nothing, Count, Fire };
    struct Step {
        StepKind kind = StepKind::Nothing;
        Trigger trigger = Trigger::Schedule;
    };

    // The trigger has fallen due and asks for its warning. Nothing while
    // paused, or while it is due already (waiting, counting or put off).
    void fallDue(Trigger trigger, const WarningRequest& request, std::uint32_t now);
    // The trigger is gone (replaced, dropped, or a condition stopped
    // holding): its countdown too.
    void withdraw(Trigger trigger);
    // One second has passed. Count: a countdown runs (see countdown());
    // Fire: the trigger's countdown is over and its action is to run now.
    Step tick(std::uint32_t now);

    // The warning window's answers; each returns the trigger whose
    // countdown was shown, none where no countdown was on screen.
    std::optional<Trigger> cancelShown();
    std::optional<Trigger> postponeShown(std::uint32_t now);
    void sendAway();

    // The options open: every countdown ends and nothing falls due until
    // resume (their OK).
    void pause();
    void resume() { paused_ = false; }
    bool paused() const { return paused_; }
    // The computer woke: the countdown that ran starts again.
    void restart(std::uint32_t now);

    const std::optional<Countdown>& countdown() const { return countdown_; }
    // The countdown the window is to show: running and not sent away.
    const Countdown* shown() const;
    bool due(Trigger trigger) const { return slot(trigger).due; }
    // Where Later put the trigger off: the moment its action falls due.
    std::optional<std::uint32_t> putOffUntil(Trigger trigger) const;
    const WarningRequest& request(Trigger trigger) const { return slot(trigger).request; }

private:
    struct Slot {
        bool due = false;
        std::uint32_t dueSince = 0;  // its countdown may start from then on
        bool postponed = false;
        WarningRequest request;
    };
    Slot& slot(Trigger trigger) { return slots_[static_cast<std::size_t>(trigger)]; }
    const Slot& slot(Trigger trigger) const { return slots_[static_cast<std::size_t>(trigger)]; }
    std::optional<Trigger> nextDue(std::uint32_t now) const;
    void start(Trigger trigger, std::uint32_t now);
    Step end(Trigger trigger);

    std::array<Slot, kTriggerCount> slots_{};
    std::optional<Countdown> countdown_;
    std::uint32_t lastTick_ = 0;
    bool paused_ = false;
};
