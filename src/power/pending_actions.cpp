#include "power/pending_actions.h"

#include <algorithm>

// Uptime wraps after 49.7 days: differences of moments are taken unsigned,
// and a moment counts as reached when it lies less than half the range back.
namespace {

bool reached(std::uint32_t moment, std::uint32_t now) {
    return static_cast<std::int32_t>(now - moment) >= 0;
}

}  // namespace

std::uint32_t PendingActions::Countdown::remaining(std::uint32_t now) const {
    const std::uint32_t elapsed = now - startedAt;
    return elapsed >= period ? 0 : period - elapsed;
}

void PendingActions::fallDue(Trigger trigger, const WarningRequest& request, std::uint32_t now) {
    if (paused_ || slot(trigger).due) return;
    slot(trigger) = {true, now, false, request};
}

void PendingActions::withdraw(Trigger trigger) {
    slot(trigger) = {};
    if (countdown_ && countdown_->trigger == trigger) countdown_.reset();
}

PendingActions::Step PendingActions::tick(std::uint32_t now) {
    const std::uint32_t last = lastTick_;
    lastTick_ = now;
    if (!countdown_) {
        const auto next = nextDue(now);
        if (!next) return {};
        start(*next, now);
    } else if (now - last > kLateSeconds) {
        // the program stalled or the computer slept: what the window showed
        // was not seen counting
        restart(now);
    }
    if (countdown_->remaining(now) == 0) return end(countdown_->trigger);
    return {StepKind::Count, countdown_->trigger};
}

std::optional<Trigger> PendingActions::cancelShown() {
    if (!shown()) return std::nullopt;
    const Trigger trigger = countdown_->trigger;
    slot(trigger) = {};
    countdown_.reset();
    return trigger;
}

std::optional<Trigger> PendingActions::postponeShown(std::uint32_t now) {
    if (!shown()) return std::nullopt;
    const Trigger trigger = countdown_->trigger;
    Slot& s = slot(trigger);
    const std::uint32_t base = s.request.periods.late;
    const std::uint32_t period = base >= kPostponeSeconds ? kPostponedWarningSeconds : base;
    // never sooner than it was due: a long warning only closes, and comes back
    const std::uint32_t until = now + std::max(kPostponeSeconds, countdown_->remaining(now));
    s.dueSince = until - period;
    s.request.periods = {period, period};
    s.postponed = true;
    countdown_.reset();
    return trigger;
}

void PendingActions::sendAway() {
    if (countdown_) countdown_->sentAway = true;
}

void PendingActions::pause() {
    paused_ = true;
    countdown_.reset();
    slots_ = {};
}

void PendingActions::restart(std::uint32_t now) {
    if (!countdown_) return;
    countdown_ = Countdown{countdown_->trigger, slot(countdown_->trigger).request.periods.late, now,
                           false};
    lastTick_ = now;
}

const PendingActions::Countdown* PendingActions::shown() const {
    return countdown_ && !countdown_->sentAway ? &*countdown_ : nullptr;
}

std::optional<std::uint32_t> PendingActions::putOffUntil(Trigger trigger) const {
    const Slot& s = slot(trigger);
    if (!s.postponed || (countdown_ && countdown_->trigger == trigger)) return std::nullopt;
    return s.dueSince + s.request.periods.onTime;
}

// The one that fell due first; the clock schedule before the conditions at a tie.
std::optional<Trigger> PendingActions::nextDue(std::uint32_t now) const {
    std::optional<Trigger> next;
    std::uint32_t longest = 0;
    for (std::size_t i = 0; i < kTriggerCount; ++i) {
        const Slot& s = slots_[i];
        if (!s.due || !reached(s.dueSince, now)) continue;
        if (!next || now - s.dueSince > longest) {
            next = static_cast<Trigger>(i);
            longest = now - s.dueSince;
        }
    }
    return next;
}

void PendingActions::start(Trigger trigger, std::uint32_t now) {
    const Slot& s = slot(trigger);
    const bool late = now - s.dueSince > kLateSeconds;
    countdown_ = Countdown{trigger, late ? s.request.periods.late : s.request.periods.onTime, now,
                           false};
}

PendingActions::Step PendingActions::end(Trigger trigger) {
    slot(trigger) = {};
    countdown_.reset();
    return {StepKind::Fire, trigger};
}
