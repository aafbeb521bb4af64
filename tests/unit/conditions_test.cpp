#include <gtest/gtest.h>

#include <functional>

#include "power/conditions.h"

namespace {

TEST(Conditions, ProcessorAndNetworkCounters) {
    EXPECT_EQ(busyPercent({100, 1000}, {550, 2000}), 55u);
    EXPECT_EQ(busyPercent({100, 1000}, {100, 1000}), std::nullopt) << "no time counted";
    EXPECT_EQ(busyPercent({900, 1000}, {100, 2000}), std::nullopt) << "counters went back";
    // interface 2 wraps, 3 goes, 4 comes: only 1 and 2 count
    const std::vector<InterfaceOctets> before = {{1, 1000, 500}, {2, 0xFFFFFF00u, 0}, {3, 7, 7}};
    const std::vector<InterfaceOctets> now = {{1, 1500, 600}, {2, 0x100u, 10}, {4, 99, 99}};
    EXPECT_EQ(octetsBetween(before, now), 500u + 100u + 0x200u + 10u);
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
    };
    ConditionFigures network, idle, both;
    network.network = idle.idle = both.network = both.idle = true;
    network.networkMinutes = idle.idleMinutes = both.networkMinutes = both.idleMinutes = 1;
    ConditionFigures processor;
    processor.processor = true;
    processor.processorMinutes = 1;
    const Series series[] = {
        {"a download that slows down and stops", network,
         [](int s) { return ConditionSample{{}, {}, s < 30 ? 500 * kB : s < 50 ? 30 * kB : 0}; },
         50 + 60},
        {"a spike inside the quiet span", network,
         [](int s) { return ConditionSample{{}, {}, s == 35 ? 300 * kB : 1 * kB}; }, 40 + 60},
        {"just below the threshold on average", network,
         [](int s) { return ConditionSample{{}, {}, s % 2 ? 39 * kB : 0}; }, 60},
        {"no network figures", network, [](int) { return ConditionSample{}; }, -1},
        {"a quiet processor", processor, [](int s) { return ConditionSample{{}, s < 20 ? 80u : 3u, {}}; },
         20 + 60},
        {"idle broken at 59 of 60 seconds", idle,
         [](int s) { return ConditionSample{static_cast<std::uint32_t>(s < 59 ? s : s - 59), {}, {}}; },
         59 + 60},
        {"idle since before it was armed", idle, [](int) { return ConditionSample{3600u, {}, {}}; }, 60},
        {"two conditions, one holds", both, [](int) { return ConditionSample{3600u, {}, 90 * kB}; }, -1},
        {"two conditions, both hold", both, [](int) { return ConditionSample{3600u, {}, 0}; }, 60},
    };
    for (const Series& s : series) {
        ConditionWatch watch;
        watch.arm(s.figures);
        int holdsAt = -1;
        for (int second = 1; second <= 300 && holdsAt < 0; ++second)
            if (watch.add(s.sample(second))) holdsAt = second;
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
    EXPECT_EQ(watch.text(Action::Shutdown, false, 63), "ShutDown when idle 30 min and network < 20 KB/s");
    EXPECT_EQ(watch.text(Action::Shutdown, false, 20), "ShutDown when idl...");
    EXPECT_EQ(watch.text(Action::None, false, 63), std::nullopt);
    EXPECT_EQ(watch.reason(false),
              "The computer has been idle for 30 minutes; The network has been quiet for 5 minutes");
    EXPECT_EQ(watch.reason(true),
              "Der Computer ist seit 30 Minuten unbenutzt; Das Netzwerk ist seit 5 Minuten ruhig");
    EXPECT_EQ(networkNowText(1258291, false), "now: 1.2 MB/s");
    EXPECT_EQ(networkNowText(1258291, true), "jetzt: 1,2 MB/s");
    EXPECT_EQ(networkNowText(870 * 1024, false), "now: 870 KB/s");
    EXPECT_EQ(processorNowText(37, true), "jetzt: 37 %");
    EXPECT_EQ(idleNowText(200, false), "idle for 3 min");
}

}  // namespace
