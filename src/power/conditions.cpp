#include "power/conditions.h"

#include <algorithm>

#include "common/text.h"
#include "power/scheduler.h"

std::optional<std::uint32_t> busyPercent(const ProcessorTimes& before, const ProcessorTimes& now) {
    if (now.total <= before.total || now.idle < before.idle) return std::nullopt;
    const std::uint64_t total = now.total - before.total;
    const std::uint64_t idle = std::min(now.idle - before.idle, total);
    return static_cast<std::uint32_t>((total - idle) * 100 / total);
}

std::uint64_t octetsBetween(const std::vector<InterfaceOctets>& before,
                            const std::vector<InterfaceOctets>& now) {
    std::uint64_t octets = 0;
    for (const InterfaceOctets& after : now)
        for (const InterfaceOctets& earlier : before)
            if (earlier.index == after.index) {
                // unsigned arithmetic: a wrapped counter counts once round
                octets += static_cast<std::uint32_t>(after.received - earlier.received);
                octets += static_cast<std::uint32_t>(after.sent - earlier.sent);
                break;
            }
    return octets;
}

void QuietSpan::add(std::uint64_t value) {
    spanSum_ += value;
    if (++spanSeconds_ < kSpanSeconds) return;
    const bool quiet = spanSum_ < threshold_ * kSpanSeconds;  // its average below
    quietSeconds_ = quiet ? quietSeconds_ + kSpanSeconds : 0;
    spanSum_ = 0;
    spanSeconds_ = 0;
}

void QuietSpan::restart() {
    spanSum_ = 0;
    spanSeconds_ = 0;
    quietSeconds_ = 0;
}

void ConditionWatch::arm(const ConditionFigures& figures) {
    armed_ = figures;
    const std::uint32_t minute = std::max<std::uint32_t>(figures.secondsPerMinute, 1);
    processor_.reset();
    network_.reset();
    if (figures.processor)
        processor_.emplace(figures.processorPercent, figures.processorMinutes * minute);
    if (figures.network)
        network_.emplace(std::uint64_t{figures.networkKBps} * 1024, figures.networkMinutes * minute);
    idleNeeded_ = figures.idleMinutes * minute;
    restart();
}

void ConditionWatch::restart() {
    if (processor_) processor_->restart();
    if (network_) network_->restart();
    watchedSeconds_ = 0;
    idleHolds_ = false;
}

bool ConditionWatch::add(const ConditionSample& sample) {
    if (!armed_) return false;
    ++watchedSeconds_;
    bool all = true;
    if (armed_->idle) {
        // idle counts from the restart at most: the time before it was a pause
        idleHolds_ = sample.idleSeconds &&
                     std::min(*sample.idleSeconds, watchedSeconds_) >= idleNeeded_;
        all = all && idleHolds_;
    }
    const auto feed = [&](std::optional<QuietSpan>& span, const auto& value) {
        if (!span) return;
        if (value)
            span->add(*value);
        else
            span->restart();
        all = all && value && span->holds();
    };
    feed(processor_, sample.processorPercent);
    feed(network_, sample.networkBytes);
    return all;
}

std::string ConditionWatch::reason(bool german) const {
    if (!armed_) return "";
    std::vector<std::string> lines;
    const auto minutes = [](std::uint32_t n) { return std::to_string(n); };
    if (armed_->idle)
        lines.push_back(bilingual(german, "Der Computer ist seit ", "The computer has been idle for ") +
                        minutes(armed_->idleMinutes) +
                        bilingual(german, " Minuten unbenutzt", " minutes"));
    if (armed_->processor)
        lines.push_back(bilingual(german, "Der Prozessor ist seit ",
                                  "The processor has been quiet for ") +
                        minutes(armed_->processorMinutes) +
                        bilingual(german, " Minuten ruhig", " minutes"));
    if (armed_->network)
        lines.push_back(bilingual(german, "Das Netzwerk ist seit ",
                                  "The network has been quiet for ") +
                        minutes(armed_->networkMinutes) +
                        bilingual(german, " Minuten ruhig", " minutes"));
    std::string joined;
    for (const std::string& line : lines) joined += (joined.empty() ? "" : "; ") + line;
    return joined;
}

std::optional<std::string> ConditionWatch::text(Action action, bool german,
                                                std::size_t maxLength) const {
    if (action == Action::None || !armed_) return std::nullopt;
    std::vector<std::string> parts;
    if (armed_->idle)
        parts.push_back(german ? std::to_string(armed_->idleMinutes) + " Min. unbenutzt"
                               : "idle " + std::to_string(armed_->idleMinutes) + " min");
    if (armed_->processor)
        parts.push_back(bilingual(german, "Prozessor < ", "processor < ") +
                        std::to_string(armed_->processorPercent) + " %");
    if (armed_->network)
        parts.push_back(bilingual(german, "Netzwerk < ", "network < ") +
                        std::to_string(armed_->networkKBps) + " KB/s");
    if (parts.empty()) return std::nullopt;
    std::string line = std::string(actionName(action, german)) + bilingual(german, ", wenn ", " when ");
    for (std::size_t i = 0; i < parts.size(); ++i)
        line += (i ? bilingual(german, " und ", " and ") : "") + parts[i];
    if (line.size() > maxLength) line = line.substr(0, maxLength >= 3 ? maxLength - 3 : 0) + "...";
    return line;
}

std::string processorNowText(std::uint32_t percent, bool german) {
    return bilingual(german, "jetzt: ", "now: ") + std::to_string(percent) + " %";
}

std::string networkNowText(std::uint64_t bytesPerSecond, bool german) {
    const std::string now = bilingual(german, "jetzt: ", "now: ");
    const std::uint64_t kb = bytesPerSecond / 1024;
    if (kb < 1024) return now + std::to_string(kb) + " KB/s";
    const std::uint64_t tenths = (bytesPerSecond * 10 + 512 * 1024) / (1024 * 1024);  // rounded
    return now + std::to_string(tenths / 10) + (german ? "," : ".") + std::to_string(tenths % 10) +
           " MB/s";
}

std::string idleNowText(std::uint32_t idleSeconds, bool german) {
    const std::string minutes = std::to_string(idleSeconds / 60);
    return german ? "seit " + minutes + " Min. unbenutzt" : "idle for " + minutes + " min";
}
