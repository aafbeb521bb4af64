#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "power/action_codes.h"
#include "settings/condition_choice.h"
#include "power/pending_actions.h"

// The conditions that say the work is done: nobody has touched the
// computer for a while, the processor or the network has been quiet for a
// while. Decided from one sample a second, which the shell measures.

// The processors' times since the system started, all processors together;
// total includes idle.
struct ProcessorTimes {
    std::uint64_t idle = 0;
    std::uint64_t total = 0;
};

// The share of the time between two readings the processors were busy, in
// percent; none where no time was counted (or the counters went back).
std::optional<std::uint32_t> busyPercent(const ProcessorTimes& before, const ProcessorTimes& now);

// One interface's 32-bit octet counters, as the system gives them.
struct InterfaceOctets {
    std::uint32_t index = 0;
    std::uint32_t received = 0;
    std::uint32_t sent = 0;
};

// The octets received and sent between two readings, over the interfaces
// in both (one that came or went is left out); a counter that wrapped
// counts once round.
std::uint64_t octetsBetween(const std::vector<InterfaceOctets>& before,
                            const std::vector<InterfaceOctets>& now);

// The interfaces of a Linux host's interface table (/proc/net/dev, which a
// program under Wine reads far more cheaply than Wine answers GetIfTable):
// each but the loopback, by name, with its 64-bit octet counters.
struct NamedOctets {
    std::string name;
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
};
std::vector<NamedOctets> hostInterfaceOctets(const std::string& table);

// "Quiet for N minutes": every 10-second average of the last N minutes
// below the threshold. One busy span starts the count again.
class QuietSpan {
public:
    static constexpr std::uint32_t kSpanSeconds = 10;
    QuietSpan(std::uint64_t threshold, std::uint32_t seconds)
        : threshold_(threshold), needed_(seconds) {}
    void add(std::uint64_t value);
    bool holds() const { return quietSeconds_ >= needed_; }
    void restart();

private:
    std::uint64_t threshold_;
    std::uint32_t needed_;
    std::uint64_t spanSum_ = 0;
    std::uint32_t spanSeconds_ = 0;
    std::uint32_t quietSeconds_ = 0;
};

// One second's measurements; none where a measure is not taken.
struct ConditionSample {
    std::optional<std::uint32_t> idleSeconds;  // since the last input
    std::optional<std::uint32_t> processorPercent;
    std::optional<std::uint64_t> networkBytes;  // a second's, over the last second
};

// The armed conditions: each holds by itself, and the action falls due
// when all of them hold at once. Nothing is stored: a restart drops them.
class ConditionWatch {
public:
    void arm(const ConditionFigures& figures);
    void drop() { armed_.reset(); }
    bool armed() const { return armed_.has_value(); }
    const std::optional<ConditionFigures>& figures() const { return armed_; }
    // One second has passed; true when every armed condition holds. A
    // measure that is missing this second does not hold.
    bool add(const ConditionSample& sample);
    // After a pause, or a countdown a condition broke: every condition's
    // time counts again from zero.
    void restart();
    // The input until now went to the warning window (the cursor is on it,
    // or the user answered it): answering the warning does not end "idle".
    void inputWentToWarning() { ignoredUntil_ = watchedSeconds_; }
    // The warning's line: "The network has been quiet for 5 minutes".
    std::string reason(bool german) const;
    // The tooltip's line, at most maxLength characters: "ShutDown when idle
    // 30 min and network < 20 KB/s"; with a watched program first
    // ("ShutDown when render.exe ends and idle 30 min").
    std::optional<std::string> text(Action action, const std::string& program, bool german,
                                    std::size_t maxLength) const;

private:
    std::optional<ConditionFigures> armed_;
    std::optional<QuietSpan> processor_, network_;
    std::uint32_t idleNeeded_ = 0;
    // seconds since armed or restarted, and the second of the last input
    // that counts; input up to ignoredUntil_ went to the warning
    std::uint32_t watchedSeconds_ = 0;
    std::uint32_t lastInput_ = 0;
    std::optional<std::uint32_t> ignoredUntil_;
};

// One second of all that is armed besides the clock: the watched program
// (none: none is watched) and the measured conditions, with this second's
// sample. True when all of them hold: the conditions are to fall due.
// While they are due (waiting, put off or counting), a measured condition
// that stops holding withdraws them, and they are watched again from zero;
// while paused they count from zero.
bool conditionsSecond(PendingActions& pending, ConditionWatch& watch,
                      const ConditionSample& sample, std::optional<bool> programEnded);

// The values the window shows beside each condition, once a second: "now:
// 37 %", "now: 1.2 MB/s" (KB/s below 1 MB/s), "idle for 3 min".
std::string processorNowText(std::uint32_t percent, bool german);
std::string networkNowText(std::uint64_t bytesPerSecond, bool german);
std::string idleNowText(std::uint32_t idleSeconds, bool german);

// The action of everything that is not the clock schedule (the conditions,
// a watched program): the one chosen with the conditions, and where none
// ever was, the scheduled action.
Action conditionsAction(const ConditionChoice& choice, Action scheduled);
