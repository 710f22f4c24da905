#include "app/link/FrameFreshness.h"

#include <gtest/gtest.h>

namespace {

constexpr uint8_t kAttitude = 0xA0;
constexpr uint8_t kPosition = 0xA7;
constexpr uint8_t kLimits = 0xAB;

size_t index(uint8_t type)
{
    return type - protocol::kFirstFrameType;
}

// Every type every `stepMs` from `fromMs` up to (not including) `toMs`,
// but `skipped` after `skipFromMs`.
void stream(FrameFreshness& freshness, int64_t fromMs, int64_t toMs, int64_t stepMs, int skipped = -1,
    int64_t skipFromMs = 0)
{
    for (int64_t t = fromMs; t < toMs; t += stepMs) {
        for (uint8_t type = protocol::kFirstFrameType; type <= protocol::kLastFrameType; ++type) {
            if (type != skipped || t < skipFromMs)
                freshness.frameArrived(type, t);
        }
    }
}

} // namespace

TEST(FrameFreshness, TheLinkIsStaleAfterASecondWithoutFramesAndFreshAtTheNext)
{
    FrameFreshness freshness;
    freshness.start(5000);
    EXPECT_FALSE(freshness.at(5999).linkStale);
    EXPECT_TRUE(freshness.at(6000).linkStale) << "nothing came since the connection";

    stream(freshness, 6000, 7000, 10);
    EXPECT_FALSE(freshness.at(7989).linkStale);
    const FrameFreshness::State silent = freshness.at(9490);
    EXPECT_TRUE(silent.linkStale);
    EXPECT_EQ(silent.silentMs, 9490 - 6990);
    EXPECT_TRUE(silent.staleTypes.none()) << "types follow their own, longer bound";

    freshness.frameArrived(kLimits, 9500);
    EXPECT_FALSE(freshness.at(9500).linkStale);
    EXPECT_EQ(freshness.at(9500).silentMs, 0);
}

TEST(FrameFreshness, OneTypeThatStopsGoesStaleAloneAfterThreeSeconds)
{
    FrameFreshness freshness;
    freshness.start(0);
    stream(freshness, 0, 10000, 10, kPosition, 2000);
    // Position frames last came at 1990.
    EXPECT_FALSE(freshness.at(4989).staleTypes.test(index(kPosition)));
    const FrameFreshness::State state = freshness.at(4990);
    EXPECT_FALSE(state.linkStale);
    EXPECT_EQ(state.staleTypes.count(), 1u);
    EXPECT_TRUE(state.staleTypes.test(index(kPosition)));

    freshness.frameArrived(kPosition, 10000);
    EXPECT_TRUE(freshness.at(10000).staleTypes.none());
}

TEST(FrameFreshness, ARareTypeIsJudgedByFiveOfItsUsualIntervals)
{
    FrameFreshness freshness;
    freshness.start(0);
    // Limits frames every 2 s, the others every 10 ms.
    for (int64_t t = 0; t <= 20000; t += 10) {
        for (uint8_t type = protocol::kFirstFrameType; type < kLimits; ++type)
            freshness.frameArrived(type, t);
        if (t % 2000 == 0)
            freshness.frameArrived(kLimits, t);
    }
    EXPECT_FALSE(freshness.at(29999).staleTypes.test(index(kLimits))) << "within five intervals of 2 s";
    EXPECT_TRUE(freshness.at(30000).staleTypes.test(index(kLimits)));

    // One long outage of a fast type does not make it count as rare.
    FrameFreshness fast;
    fast.start(0);
    stream(fast, 0, 1000, 10);
    stream(fast, 6000, 7000, 10);
    EXPECT_FALSE(fast.at(9989).staleTypes.test(index(kAttitude)));
    EXPECT_TRUE(fast.at(9990).staleTypes.test(index(kAttitude)));
}

TEST(FrameFreshness, AfterALongSilenceTheFirstFrameClearsEveryType)
{
    FrameFreshness freshness;
    freshness.start(0);
    stream(freshness, 0, 1000, 10, kPosition, 500);
    const FrameFreshness::State silent = freshness.at(6000);
    EXPECT_TRUE(silent.linkStale);
    EXPECT_TRUE(silent.staleTypes.all());

    freshness.frameArrived(kAttitude, 6000);
    EXPECT_FALSE(freshness.at(6000).linkStale);
    EXPECT_TRUE(freshness.at(6000).staleTypes.none());
    // Position, which had stopped before the silence, is stale again three
    // seconds on unless it comes.
    stream(freshness, 6010, 9100, 10, kPosition, 6000);
    EXPECT_EQ(freshness.at(9000).staleTypes.count(), 1u);
    EXPECT_TRUE(freshness.at(9000).staleTypes.test(index(kPosition)));
}

TEST(FrameFreshness, ATypeNotYetSeenCountsFromTheStartAndStartForgetsTheLastConnection)
{
    FrameFreshness freshness;
    freshness.start(0);
    stream(freshness, 0, 4000, 10, kPosition, 0);
    EXPECT_FALSE(freshness.at(2999).staleTypes.test(index(kPosition)));
    EXPECT_TRUE(freshness.at(3000).staleTypes.test(index(kPosition)));

    freshness.start(50000);
    const FrameFreshness::State fresh = freshness.at(50500);
    EXPECT_FALSE(fresh.linkStale);
    EXPECT_TRUE(fresh.staleTypes.none());
    EXPECT_EQ(fresh.silentMs, 500);
}
