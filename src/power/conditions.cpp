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

// "  eth0: 536362149 14113 0 0 0 0 0 0 463324 6402 ...": the bytes received
// first, the bytes sent ninth, after the two lines of headings.
std::vector<NamedOctets> hostInterfaceOctets(const std::string& table) {
    std::vector<NamedOctets> interfaces;
    std::size_t start = 0;
    while (start < table.size()) {
        std::size_t end = table.find('\n', start);
        if (end == std::string::npos) end = table.size();
        const std::string line = table.substr(start, end - start);
        start = end + 1;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        const std::size_t first = line.find_first_not_of(' ');
        std::uint64_t values[9] = {};
        std::size_t at = colon + 1, count = 0;
        for (; count < 9; ++count) {
            at = line.find_first_not_of(' ', at);
            if (at == std::string::npos || line[at] < '0' || line[at] > '9') break;
            for (; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at)
                values[count] = values[count] * 10 + static_cast<std::uint64_t>(line[at] - '0');
        }
        const std::string name = line.substr(first, colon - first);
        if (count == 9 && name != "lo") interfaces.push_back({name, values[0], values[8]});
    }
    return interfaces;
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
        network_.emplace(std::uint64_t{figures.networkKBps} * 1024,
                         figures.networkMinutes * minute);
    idleNeeded_ = figures.idleMinutes * minute;
    restart();
}

void ConditionWatch::restart() {
    if (processor_) processor_->restart();
    if (network_) network_->restart();
    watchedSeconds_ = 0;
    lastInput_ = 0;
    ignoredUntil_.reset();
}

bool ConditionWatch::add(const ConditionSample& sample) {
    if (!armed_) return false;
    ++watchedSeconds_;
    bool all = true;
    if (armed_->idle) {
        // idle counts from the restart at most: the time before it was a pause
        if (sample.idleSeconds) {
            const std::uint32_t inputAt =
                watchedSeconds_ - std::min(*sample.idleSeconds, watchedSeconds_);
            // the seconds are whole: an input read a second or two off is
            // still the one that went to the warning
            const bool ignored = ignoredUntil_ && inputAt <= *ignoredUntil_ + 2;
            if (!ignored) lastInput_ = std::max(lastInput_, inputAt);
        }
        all = all && sample.idleSeconds && watchedSeconds_ - lastInput_ >= idleNeeded_;
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

namespace {

// "before VALUE after" in each language, where it is on.
struct Phrase {
    bool on;
    const char* de[2];
    const char* en[2];
    std::uint32_t value;
};

// The phrases that are on, joined.
std::string joined(std::initializer_list<Phrase> phrases, bool german, const char* separator,
                   std::string text = "") {
    for (const Phrase& phrase : phrases) {
        if (!phrase.on) continue;
        const char* const* words = german ? phrase.de : phrase.en;
        if (!text.empty()) text += separator;
        text += words[0] + std::to_string(phrase.value) + words[1];
    }
    return text;
}

}  // namespace

std::string ConditionWatch::reason(bool german) const {
    if (!armed_) return "";
    const ConditionFigures& f = *armed_;
    return joined({{f.idle, {"Der Computer ist seit ", " Minuten unbenutzt"},
                    {"The computer has been idle for ", " minutes"}, f.idleMinutes},
                   {f.processor, {"Der Prozessor ist seit ", " Minuten ruhig"},
                    {"The processor has been quiet for ", " minutes"}, f.processorMinutes},
                   {f.network, {"Das Netzwerk ist seit ", " Minuten ruhig"},
                    {"The network has been quiet for ", " minutes"}, f.networkMinutes}},
                  german, "; ");
}

std::optional<std::string> ConditionWatch::text(Action action, const std::string& program,
                                                bool german, std::size_t maxLength) const {
    if (action == Action::None || !armed_) return std::nullopt;
    const ConditionFigures& f = *armed_;
    const std::string parts = joined(
        {{f.idle, {"", " Min. unbenutzt"}, {"idle ", " min"}, f.idleMinutes},
         {f.processor, {"Prozessor < ", " %"}, {"processor < ", " %"}, f.processorPercent},
         {f.network, {"Netzwerk < ", " KB/s"}, {"network < ", " KB/s"}, f.networkKBps}},
        german, bilingual(german, " und ", " and "),
        program.empty() ? "" : program + bilingual(german, " endet", " ends"));
    if (parts.empty()) return std::nullopt;
    std::string line =
        std::string(actionName(action, german)) + bilingual(german, ", wenn ", " when ") + parts;
    if (line.size() > maxLength) line = line.substr(0, maxLength >= 3 ? maxLength - 3 : 0) + "...";
    return line;
}

bool conditionsSecond(PendingActions& pending, ConditionWatch& watch,
                      const ConditionSample& sample, std::optional<bool> programEnded) {
    if (!watch.armed()) return programEnded.value_or(false);
    const bool ended = programEnded.value_or(true);
    if (pending.paused()) {
        watch.restart();
        return false;
    }
    if (watch.add(sample)) return ended;
    if (pending.due(Trigger::Conditions)) {
        pending.withdraw(Trigger::Conditions);
        watch.restart();
    }
    return false;
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

Action conditionsAction(const ConditionChoice& choice, Action scheduled) {
    const Action chosen = parseAction(choice.action);
    return chosen != Action::None ? chosen : scheduled;
}
