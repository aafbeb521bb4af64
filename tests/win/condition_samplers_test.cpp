#include "power/condition_samplers_win.h"

#include <gtest/gtest.h>

namespace {

// Each source that Wine offers reads a plausible value: the first reading
// only starts the processor's and the network's count; the processor's
// share lies between 0 and 100 % once its counters have moved; input
// resets the idle time. First the sources the program takes here, then
// those it falls back on where they are missing.
TEST(ConditionSamplers, EachSourceReadsAPlausibleValue) {
    using S = ConditionSamplers;
    for (const unsigned sources :
         {unsigned{S::kEverySource}, S::kNtProcessorTimes | S::kIfTable}) {
        SCOPED_TRACE(sources);
        ConditionSamplers samplers(sources);
        ASSERT_TRUE(samplers.processorMeasured());
        const ConditionSample first = samplers.sample();
        EXPECT_FALSE(first.processorPercent);
        EXPECT_FALSE(first.networkBytes);
        std::optional<std::uint32_t> percent;
        // busy until the system's counters have moved, not for a set time
        for (int round = 0; round < 2000 && !percent; ++round) {
            volatile unsigned spin = 0;
            for (unsigned i = 0; i < 1000000; ++i) spin = spin + i;
            const ConditionSample next = samplers.sample();
            percent = next.processorPercent;
            EXPECT_EQ(next.networkBytes.has_value(), samplers.networkMeasured())
                << "the second reading";
        }
        ASSERT_TRUE(percent) << "the processor's counters never moved";
        EXPECT_LE(*percent, 100u);

        INPUT move{INPUT_MOUSE, {}};
        move.mi.dx = 5;
        move.mi.dwFlags = MOUSEEVENTF_MOVE;
        SendInput(1, &move, sizeof(move));
        EXPECT_EQ(samplers.sample().idleSeconds, 0u);
    }
}

}  // namespace
