#include "base/tick_pacer.h"

#include <cstdint>

#include <gtest/gtest.h>

namespace tolvane::base {
namespace {

// Runs the pacer as an ideal event loop would, each tick firing exactly when its delay ends, and
// counts the ticks that fire by `until` (microseconds).
int TicksBy(int interval_ms, std::int64_t until) {
    TickPacer pacer;
    std::int64_t now = 0;
    pacer.Start(interval_ms, now);
    for (int ticks = 0;; ++ticks) {
        now += std::int64_t{pacer.DelayMs(now)} * 1000;
        if (now > until) {
            return ticks;
        }
        pacer.Ticked(now);
    }
}

TEST(TickPacerTest, TickRateIsThatOfTheIntervalButAtMostSixtyFourASecond) {
    const struct {
        int interval_ms;
        int ticks_in_11_5_s;
    } cases[] = {{1, 736}, {10, 736}, {15, 736}, {16, 718}, {50, 230}, {1000, 11}};
    for (const auto& c : cases) {
        // At 1 ms the day counter's 736 steps from 1080 to 344 take 11.5 s.
        EXPECT_EQ(TicksBy(c.interval_ms, 11'500'000), c.ticks_in_11_5_s) << c.interval_ms;
    }
}

TEST(TickPacerTest, LateTickKeepsTheGridButNeverBurstsToCatchUp) {
    TickPacer pacer;
    pacer.Start(1000, 5'000'000);
    pacer.Ticked(6'300'000);  // 0.3 s late: the next is still due on the grid
    EXPECT_EQ(pacer.DelayMs(6'300'000), 700);
    pacer.Ticked(10'200'000);  // due at 7 s; 8, 9 and 10 s were missed: one tick stands for them
    EXPECT_EQ(pacer.DelayMs(10'200'000), 1000);
}

TEST(TickPacerTest, DelayRoundsUpToWholeMillisecondsAndIsZeroWhenOverdue) {
    TickPacer pacer;
    pacer.Start(100, 0);
    EXPECT_EQ(pacer.DelayMs(99'999), 1);
    EXPECT_EQ(pacer.DelayMs(98'999), 2);
    EXPECT_EQ(pacer.DelayMs(250'000), 0);
}

}  // namespace
}  // namespace tolvane::base
