#include <gtest/gtest.h>

#include <functional>

#include "power/conditions.h"
#include "settings/condition_choice.h"
#include "support/fake_settings_store.h"

namespace {

TEST(Conditions, ProcessorAndNetworkCounters) {
    EXPECT_EQ(busyPercent({100, 1000}, {550, 2000}), 55u);
    EXPECT_EQ(busyPercent({100, 1000}, {100, 1000}), std::nullopt) << "no time counted";
    EXPECT_EQ(busyPercent({900, 1000}, {100, 2000}), std::nullopt) << "counters went back";
    // interface 2 wraps, 3 goes, 4 comes: only 1 and 2 count
    const std::vector<InterfaceOctets> before = {{1, 1000, 500}, {2, 0xFFFFFF00u, 0}, {3, 7, 7}};
    const std::vector<InterfaceOctets> now = {{1, 1500, 600}, {2, 0x100u, 10}, {4, 99, 99}};
    EXPECT_EQ(octetsBetween(before, now), 500u + 100u + 0x200u + 10u);

    // a Linux host's table: headings, the loopback and a short line left out
    const auto host = hostInterfaceOctets(
        "Inter-|   Receive                            |  Transmit\n"
        " face |bytes    packets errs drop fifo frame compressed multicast|bytes    packets\n"
        "    lo:   28089     387    0    0    0     0          0         0    28089     387\n"
        "  eth0:4294967396   14113    0    0    0     0          0         0   463324    6402\n"
        " wlan0: 7\n");
    ASSERT_EQ(host.size(), 1u);
    EXPECT_EQ(host[0].name + " " + std::to_string(host[0].received) + " " +
                  std::to_string(host[0].sent),
              "eth0 4294967396 463324");
}

// Recorded series, one value a second, for the watch armed with one minute
// of 60 seconds (processor 10 %, network 20 KB/s, idle 1 minute): when the
// watch first holds, or -1 where it never does.
TEST(Conditions, SeriesThatHoldAndSeriesThatDoNot) {
    constexpr std::uint64_t kB = 1024;
    struct Series {
        const char* what;
        ConditionFigures figures;
        std::function<ConditionSample(int second)> sample;
        int holdsAt;
        int answeredAt = -1;  // the second the user answered the warning
    };
    ConditionFigures network, idle, both;
    network.network = idle.idle = both.network = both.idle = true;
    network.networkMinutes = idle.idleMinutes = both.networkMinutes = both.idleMinutes = 1;
    ConditionFigures processor;
    processor.processor = true;
    processor.processorMinutes = 1;
    const Series series[] = {
        {"a download that slows down and stops", network,
         [](int s) {
             return ConditionSample{{}, {}, s < 30 ? 500 * kB : s < 50 ? 30 * kB : 0};
         },
         50 + 60},
        {"a spike inside the quiet span", network,
         [](int s) {
             return ConditionSample{{}, {}, s == 35 ? 300 * kB : 1 * kB};
         },
         40 + 60},
        {"just below the threshold on average", network,
         [](int s) {
             return ConditionSample{{}, {}, s % 2 ? 39 * kB : 0};
         },
         60},
        {"no network figures", network, [](int) { return ConditionSample{}; }, -1},
        {"a quiet processor", processor,
         [](int s) {
             return ConditionSample{{}, s < 20 ? 80u : 3u, {}};
         },
         20 + 60},
        {"idle broken at 59 of 60 seconds", idle,
         [](int s) {
             return ConditionSample{static_cast<std::uint32_t>(s < 59 ? s : s - 59), {}, {}};
         },
         59 + 60},
        {"idle since before it was armed", idle,
         [](int) {
             return ConditionSample{3600u, {}, {}};
         },
         60},
        {"an answer to the warning is not input", idle,
         [](int s) {
             return ConditionSample{static_cast<std::uint32_t>(s < 30 ? 3600 : s - 30), {}, {}};
         },
         60, 30},
        {"input after the answer is", idle,
         [](int s) {
             return ConditionSample{static_cast<std::uint32_t>(s < 30   ? 3600
                                                               : s < 40 ? s - 30
                                                                        : s - 40),
                                    {},
                                    {}};
         },
         40 + 60, 30},
        {"two conditions, one holds", both,
         [](int) {
             return ConditionSample{3600u, {}, 90 * kB};
         },
         -1},
        {"two conditions, both hold", both,
         [](int) {
             return ConditionSample{3600u, {}, 0};
         },
         60},
    };
    for (const Series& s : series) {
        ConditionWatch watch;
        watch.arm(s.figures);
        int holdsAt = -1;
        for (int second = 1; second <= 300 && holdsAt < 0; ++second) {
            if (second == s.answeredAt) watch.inputWentToWarning();
            if (watch.add(s.sample(second))) holdsAt = second;
        }
        EXPECT_EQ(holdsAt, s.holdsAt) << s.what;
    }
}

// A pause (the options, standby) or a countdown that a condition broke:
// every condition counts again from zero.
TEST(Conditions, ARestartCountsAgainFromZero) {
    ConditionFigures both;
    both.idle = both.network = true;
    both.idleMinutes = both.networkMinutes = 1;
    ConditionWatch watch;
    watch.arm(both);
    for (int second = 1; second < 60; ++second) ASSERT_FALSE(watch.add({3600u, {}, 0}));
    watch.restart();
    int second = 1;
    while (!watch.add({3600u, {}, 0})) ++second;
    EXPECT_EQ(second, 60);
    watch.drop();
    EXPECT_FALSE(watch.add({3600u, {}, 0}));
}

TEST(Conditions, Texts) {
    ConditionFigures figures;
    figures.idle = figures.network = true;
    ConditionWatch watch;
    watch.arm(figures);
    EXPECT_EQ(watch.text(Action::Shutdown, "", false, 63),
              "ShutDown when idle 30 min and network < 20 KB/s");
    EXPECT_EQ(watch.text(Action::Shutdown, "", false, 20), "ShutDown when idl...");
    EXPECT_EQ(watch.text(Action::None, "", false, 63), std::nullopt);
    EXPECT_EQ(
        watch.reason(false),
        "The computer has been idle for 30 minutes; The network has been quiet for 5 minutes");
    EXPECT_EQ(watch.reason(true),
              "Der Computer ist seit 30 Minuten unbenutzt; Das Netzwerk ist seit 5 Minuten ruhig");
    EXPECT_EQ(networkNowText(1258291, false), "now: 1.2 MB/s");
    EXPECT_EQ(networkNowText(1258291, true), "jetzt: 1,2 MB/s");
    EXPECT_EQ(networkNowText(870 * 1024, false), "now: 870 KB/s");
    EXPECT_EQ(processorNowText(37, true), "jetzt: 37 %");
    EXPECT_EQ(idleNowText(200, false), "idle for 3 min");
}

// The conditions with the one countdown, a second at a time: when the
// countdown starts (the first one, and again after it was withdrawn) and
// when a condition that stopped holding withdrew it.
TEST(Conditions, WithTheCountdown) {
    constexpr std::uint64_t kB = 1024;
    ConditionFigures network;
    network.network = true;
    network.networkMinutes = 1;
    struct Case {
        const char* what;
        std::function<ConditionSample(int second)> sample;
        std::optional<bool> programEnded;
        int pausedFrom, pausedUntil;  // the options open, then their OK
        std::vector<int> starts;
        int withdrawnAt;
    };
    const auto quiet = [](int) { return ConditionSample{{}, {}, 0}; };
    const Case cases[] = {
        {"quiet all along: one countdown, its action at its end", quiet, {}, 0, 0, {60}, -1},
        {"the download resumes during the countdown",
         [](int s) { return ConditionSample{{}, {}, s > 70 && s <= 80 ? 900 * kB : 0}; }, {}, 0, 0,
         {60, 140}, 80},
        {"a pause in the middle counts from zero after it", quiet, {}, 20, 30, {30 + 59}, -1},
        {"the program runs on: nothing", quiet, false, 0, 0, {}, -1},
        {"the program has ended and the network is quiet", quiet, true, 0, 0, {60}, -1},
    };
    for (const Case& c : cases) {
        PendingActions pending;
        ConditionWatch watch;
        watch.arm(network);
        std::vector<int> starts;
        int withdrawnAt = -1;
        bool counting = false;
        for (int second = 1; second <= 200; ++second) {
            if (second == c.pausedFrom) pending.pause();
            if (second == c.pausedUntil) pending.resume();
            if (conditionsSecond(pending, watch, c.sample(second), c.programEnded))
                pending.fallDue(Trigger::Conditions, {{100, 100}, Action::Shutdown, ""},
                                static_cast<std::uint32_t>(second));
            // its action ends them all
            if (pending.tick(static_cast<std::uint32_t>(second)).kind ==
                PendingActions::StepKind::Fire)
                break;
            const bool now = pending.countdown().has_value();
            if (now && !counting) starts.push_back(second);
            if (!now && counting && withdrawnAt < 0) withdrawnAt = second;
            counting = now;
        }
        EXPECT_EQ(starts, c.starts) << c.what;
        EXPECT_EQ(withdrawnAt, c.withdrawnAt) << c.what;
    }
}

// The window's choice in its own key: what is missing, unreadable or out
// of range keeps its default; the tester's short minute survives a save.
TEST(ConditionChoice, ReadAndStored) {
    FakeSettingsStore store;
    const ConditionChoice defaults = readConditionChoice(store);
    EXPECT_EQ(defaults.action, "");
    EXPECT_EQ(defaults.figures.idleMinutes, 30u);
    EXPECT_EQ(conditionsAction(defaults, Action::Standby), Action::Standby)
        << "the scheduled action's";

    store.setText("Action", "1");
    store.setText("Network", "1");
    store.setText("NetworkKBps", "250");
    store.setText("IdleMinutes", "0");          // below its range
    store.setText("ProcessorPercent", "101");   // above its range
    store.setText("ProcessorMinutes", "abc");
    store.setText("SecondsPerMinute", "1");
    store.setNumber("NetworkMinutes");
    const ConditionChoice read = readConditionChoice(store);
    EXPECT_EQ(conditionsAction(read, Action::Standby), Action::Reboot);
    EXPECT_TRUE(read.figures.network);
    EXPECT_FALSE(read.figures.idle);
    EXPECT_EQ(read.figures.networkKBps, 250u);
    EXPECT_EQ(read.figures.idleMinutes, 30u);
    EXPECT_EQ(read.figures.processorPercent, 10u);
    EXPECT_EQ(read.figures.processorMinutes, 5u);
    EXPECT_EQ(read.figures.networkMinutes, 5u);

    FakeSettingsStore saved;
    saved.open();
    ASSERT_TRUE(replaceStoredValues(saved, conditionChoiceValues(read)));
    const ConditionChoice again = readConditionChoice(saved);
    EXPECT_EQ(again.action, "1");
    EXPECT_EQ(again.figures.secondsPerMinute, 1u);
    EXPECT_EQ(again.figures.networkKBps, 250u);
    ConditionChoice plain;
    for (const StoredValue& value : conditionChoiceValues(plain))
        EXPECT_NE(value.name, "SecondsPerMinute") << "a user's minute is not stored";
}

}  // namespace
