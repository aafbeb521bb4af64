#include "power/program_watch.h"

#include <algorithm>

#include "common/text.h"

void ProgramWatch::arm(const std::string& program, std::uint32_t warningSeconds) {
    drop();
    program_ = program;
    armed_ = true;
    warningSeconds_ = warningSeconds > 0 ? warningSeconds : Scheduler::kMissedWarningSeconds;
}

bool ProgramWatch::resume() {
    suspended_ = false;
    return armed_;
}

void ProgramWatch::postpone(std::uint32_t now) {
    if (!counting()) return;
    const std::uint32_t later = now + std::min(Scheduler::kPostponeSeconds, UINT32_MAX - now);
    target_ = std::max(later, target_);
    current_ = now;
    if (warningSeconds_ >= Scheduler::kPostponeSeconds)
        warningSeconds_ = Scheduler::kPostponedWarningSeconds;
    warned_ = false;
}

Scheduler::Tick ProgramWatch::tick(bool ended, std::uint32_t now) {
    using Kind = Scheduler::TickKind;
    if (!armed_ || suspended_) return {};
    if (!counting_) {
        if (!ended) return {};
        counting_ = true;
        target_ = now + std::min(warningSeconds_, UINT32_MAX - now);
    }
    current_ = now;
    if (now >= target_) {
        drop();
        return {Kind::Fire, 0};
    }
    const std::uint32_t remaining = target_ - now;
    if (!warned_ && remaining <= warningSeconds_) {
        warned_ = true;
        return {Kind::OpenWarning, remaining};
    }
    return {warned_ ? Kind::UpdateCountdown : Kind::Nothing, remaining};
}

std::optional<std::string> ProgramWatch::text(Action action, bool german,
                                              std::size_t maxLength) const {
    if (action == Action::None || !armed_ || suspended_) return std::nullopt;
    const std::string name = actionName(action, german);
    if (counting_)
        return secondsLeftText(action, target_ > current_ ? target_ - current_ : 0, german);
    const std::string before = name + bilingual(german, ", wenn ", " when ");
    const std::string after = bilingual(german, " endet", " ends");
    std::string program = program_;
    const std::size_t room = maxLength - std::min(maxLength, before.size() + after.size());
    if (program.size() > room) program = program.substr(0, room >= 3 ? room - 3 : 0) + "...";
    return before + program + after;
}
