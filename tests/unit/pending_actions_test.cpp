#include "power/pending_actions.h"

#include <gtest/gtest.h>

#include <random>

#include "support/pending_walk.h"

namespace {

// Later: ten minutes from now, never sooner than it was due, warning again
// for its period, or a minute where that is ten minutes or more.
TEST(PendingActions, LaterPutsTheCountdownOff) {
    for (const auto& [period, warnsAt, firesAt] :
         {std::tuple{30u, 680u, 710u}, {3600u, 3640u, 3700u}}) {
        PendingActions p;
        p.fallDue(Trigger::Conditions, {{period, period}, Action::Shutdown, ""}, 100);
        p.tick(100);
        EXPECT_EQ(p.postponeShown(110), Trigger::Conditions);
        EXPECT_EQ(p.putOffUntil(Trigger::Conditions), firesAt);
        std::uint32_t started = 0, fired = 0;
        for (std::uint32_t t = 111; t <= firesAt && !fired; ++t) {
            const auto step = p.tick(t);
            if (!started && step.kind == PendingActions::StepKind::Count) started = t;
            if (step.kind == PendingActions::StepKind::Fire) fired = t;
        }
        EXPECT_EQ(started, warnsAt) << period;
        EXPECT_EQ(fired, firesAt) << period;
    }
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
