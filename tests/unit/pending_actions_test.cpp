#include "power/pending_actions.h"

#include <gtest/gtest.h>

#include <random>

#include "support/pending_walk.h"

namespace {

using Kind = PendingActions::StepKind;

// Ticks once a second up to now: "Count 25 Watch" (or "Count 25 unseen
// Watch") for the step at now, "Fire Watch at 136" for an action on the
// way, "-" for nothing.
struct Ticks {
    PendingActions p;
    std::uint32_t last = 0;
    std::string at(std::uint32_t now) {
        for (std::uint32_t t = last ? last + 1 : now; t <= now; ++t) {
            const PendingActions::Step s = p.tick(last = t);
            const std::string who = s.trigger == Trigger::Schedule ? "Schedule" : "Watch";
            if (s.kind == Kind::Fire) return "Fire " + who + (t < now ? " at " + std::to_string(t) : "");
            if (t < now) continue;
            if (s.kind == Kind::Nothing) return "-";
            return "Count " + std::to_string(p.countdown()->remaining(now)) +
                   (p.shown() ? " " : " unseen ") + who;
        }
        return "-";
    }
};

const WarningRequest kClock{{20, 30}, Action::Standby, ""};
const WarningRequest kWatch{{30, 30}, Action::Standby, "render.exe has ended"};

// Two countdowns meet: the second waits and then warns whole; Cancel and
// Later act on the one shown, and OK lets it run on unseen.
TEST(PendingActions, OneCountdownAtATime) {
    Ticks ticks;
    PendingActions& p = ticks.p;
    p.fallDue(Trigger::Schedule, kClock, 100);
    EXPECT_EQ(ticks.at(100), "Count 20 Schedule");
    p.fallDue(Trigger::Watch, kWatch, 105);
    EXPECT_EQ(ticks.at(105), "Count 15 Schedule") << "the watch waits";
    EXPECT_EQ(p.cancelShown(), Trigger::Schedule);
    EXPECT_TRUE(p.due(Trigger::Watch));
    EXPECT_EQ(ticks.at(106), "Count 30 Watch") << "its whole warning, from now";
    p.sendAway();
    EXPECT_EQ(p.cancelShown(), std::nullopt) << "no window, nothing to answer";
    EXPECT_EQ(ticks.at(107), "Count 29 unseen Watch");
    EXPECT_EQ(ticks.at(136), "Fire Watch");
    EXPECT_EQ(ticks.at(137), "-");

    // a clock schedule without a warning acts at once, unless it waited
    p.fallDue(Trigger::Schedule, {{0, 30}, Action::Standby, ""}, 200);
    EXPECT_EQ(ticks.at(200), "Fire Schedule");
    p.fallDue(Trigger::Watch, kWatch, 300);
    p.fallDue(Trigger::Schedule, {{0, 30}, Action::Standby, ""}, 301);
    EXPECT_EQ(ticks.at(310), "Count 20 Watch");
    EXPECT_EQ(p.postponeShown(310), Trigger::Watch);
    EXPECT_EQ(ticks.at(311), "Count 30 Schedule") << "waited 10 s: warned after all";
}

// Later: ten minutes from now, never sooner than it was due, warning again
// for its period, or a minute where that is ten minutes or more.
TEST(PendingActions, LaterPutsTheCountdownOff) {
    const std::pair<std::uint32_t, std::vector<std::pair<std::uint32_t, std::string>>> cases[] = {
        {30, {{679, "-"}, {680, "Count 30 Watch"}, {710, "Fire Watch"}}},
        {3600, {{3639, "-"}, {3640, "Count 60 Watch"}, {3700, "Fire Watch"}}},
    };
    for (const auto& [period, steps] : cases) {
        Ticks ticks;
    PendingActions& p = ticks.p;
        p.fallDue(Trigger::Watch, {{period, period}, Action::Shutdown, ""}, 100);
        EXPECT_EQ(ticks.at(100), "Count " + std::to_string(period) + " Watch");
        p.postponeShown(110);
        EXPECT_EQ(p.putOffUntil(Trigger::Watch), std::max(710u, 100 + period));
        for (const auto& [at, want] : steps) EXPECT_EQ(ticks.at(at), want) << period << " at " << at;
    }
}

// The options and standby: nothing moves while paused, a countdown starts
// again whole after either, and a stall counts as a pause.
TEST(PendingActions, PausesStartTheCountdownAgain) {
    Ticks ticks;
    PendingActions& p = ticks.p;
    p.fallDue(Trigger::Watch, kWatch, 100);
    EXPECT_EQ(ticks.at(100), "Count 30 Watch");
    p.pause();
    p.fallDue(Trigger::Watch, kWatch, 101);
    EXPECT_EQ(ticks.at(200), "-");
    p.resume();
    p.fallDue(Trigger::Watch, kWatch, 201);
    EXPECT_EQ(ticks.at(225), "Count 6 Watch");
    p.restart(ticks.last = 900);  // woken from standby
    EXPECT_EQ(ticks.at(901), "Count 29 Watch");
    p.sendAway();
    ticks.last = 919;  // no tick since 901
    EXPECT_EQ(ticks.at(920), "Count 30 Watch") << "a stall shows the window again";
    p.withdraw(Trigger::Watch);
    EXPECT_EQ(ticks.at(921), "-");
}

// Thousands of random sequences; the fuzz target walks longer ones.
TEST(PendingActions, NoActionWithoutItsWholeWarningInAnyOrder) {
    std::mt19937 random(20261209);
    for (int walk = 0; walk < 3000; ++walk) {
        PendingWalk w;
        for (int i = 0; i < 200; ++i) {
            const int event = static_cast<int>(random() % PendingWalk::kEvents);
            const std::string broken = w.step(event, static_cast<std::uint32_t>(random()));
            ASSERT_EQ(broken, "") << "walk " << walk << ", step " << i << ", event " << event;
        }
    }
}

}  // namespace
