#include "app/link/FrameHistory.h"
#include "app/plots/ScrollingTraces.h"
#include "app/plots/TraceThinning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using protocol::FrameType;
using protocol::TelemetryField;

// An attitude frame whose roll reads `roll` degrees.
protocol::FrameBytes attitude(double roll)
{
    const auto raw = static_cast<uint16_t>((roll + 180) * 100 + 0.5);
    return protocol::makeFrame(FrameType::Attitude, raw, 18000, 18000);
}

constexpr int64_t kSecond = 1'000'000;

} // namespace

TEST(FrameHistory, KeepsTheNewestUpToItsBoundInTimeOrder)
{
    FrameHistory history(5);
    for (int i = 0; i < 12; ++i)
        history.append(i * 1000, attitude(i));
    ASSERT_EQ(history.size(), 5u);
    EXPECT_EQ(history.capacity(), 5u);
    for (size_t i = 0; i < history.size(); ++i)
        EXPECT_EQ(history.at(i).timeUs, int64_t(7 + i) * 1000) << i;
    EXPECT_EQ(history.lowerBound(0), 0u);
    EXPECT_EQ(history.lowerBound(9000), 2u);
    EXPECT_EQ(history.lowerBound(9001), 3u);
    EXPECT_EQ(history.lowerBound(12000), 5u);
    EXPECT_EQ(FrameHistory().capacity(), size_t(5 * 60 * 1600)) << "five minutes at the link's rate, and a quarter";
}

TEST(FrameHistory, TimeNeverGoesBack)
{
    FrameHistory history(10);
    history.append(5000, attitude(1));
    history.append(4000, attitude(2));
    history.markBreak(3000);
    history.append(6000, attitude(3));
    EXPECT_EQ(history.at(1).timeUs, 5000);
    EXPECT_TRUE(history.breakBetween(4999, 5000)) << "the late break counts at the last time";
    for (size_t i = 1; i < history.size(); ++i)
        EXPECT_GE(history.at(i).timeUs, history.at(i - 1).timeUs);
}

TEST(TraceThinning, ASpikeOfOneSampleShowsInItsColumnAtEverySpan)
{
    // Five minutes of roll at 100 samples a second, level but for single
    // samples at 40 degrees.
    FrameHistory history;
    const int64_t spikes[] = {3 * kSecond + 10'000, 150 * kSecond, 299 * kSecond + 990'000};
    for (int64_t t = 0; t < 300 * kSecond; t += 10'000) {
        const bool spike = std::find(std::begin(spikes), std::end(spikes), t) != std::end(spikes);
        history.append(t, attitude(spike ? 40 : 0));
    }
    for (const int64_t span : {10 * kSecond, 30 * kSecond, 60 * kSecond, 300 * kSecond}) {
        for (const int64_t spikeUs : spikes) {
            // The span ending shortly after the spike, as a live view shows it.
            const int64_t to = std::min<int64_t>(spikeUs + span / 3, 300 * kSecond);
            const int64_t from = to - span;
            if (spikeUs < from)
                continue;
            const int columns = 640;
            const auto trace = thinTrace(history, TelemetryField::Roll, from, to, columns);
            SCOPED_TRACE(testing::Message() << "span " << span / kSecond << " s, spike at " << spikeUs);
            // Every spike within the span is in the column of its time, and
            // only there.
            std::set<size_t> spikeColumns;
            for (const int64_t other : spikes) {
                if (other >= from && other < to)
                    spikeColumns.insert(size_t((other - from) * columns / span));
            }
            ASSERT_TRUE(spikeColumns.count(size_t((spikeUs - from) * columns / span)));
            for (size_t c = 0; c < trace.size(); ++c)
                EXPECT_DOUBLE_EQ(trace[c].max, spikeColumns.count(c) ? 40 : 0) << "column " << c;
        }
    }
}

TEST(TraceThinning, ColumnsWithoutSamplesStayEmptyAndABreakIsNotBridged)
{
    FrameHistory history;
    for (int64_t t = 0; t < 2 * kSecond; t += 10'000)
        history.append(t, attitude(10));
    // Unplugged for three seconds; the axis went on.
    history.markBreak(5 * kSecond);
    for (int64_t t = 5 * kSecond; t < 7 * kSecond; t += 10'000)
        history.append(t, attitude(-10));
    const auto trace = thinTrace(history, TelemetryField::Roll, 0, 10 * kSecond, 10);
    EXPECT_FALSE(trace[1].empty);
    EXPECT_TRUE(trace[2].empty);
    EXPECT_TRUE(trace[4].empty);
    ASSERT_FALSE(trace[5].empty);
    EXPECT_TRUE(trace[5].breakBefore) << "the first column after the break";
    EXPECT_FALSE(trace[6].breakBefore);
    EXPECT_DOUBLE_EQ(trace[5].min, -10);
    EXPECT_TRUE(trace[9].empty) << "nothing after the last sample";
    EXPECT_TRUE(thinTrace(history, TelemetryField::Pitch, 0, 10 * kSecond, 10)[1].max == 0);
    EXPECT_TRUE(thinTrace(history, TelemetryField::GyroX, 0, 10 * kSecond, 10)[1].empty) << "another frame type";

    const auto cursor = sampleAt(history, TelemetryField::Roll, 3 * kSecond);
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->timeUs, 2 * kSecond - 10'000);
    EXPECT_DOUBLE_EQ(cursor->value, 10);
    EXPECT_FALSE(sampleAt(history, TelemetryField::Roll, -1));
}

TEST(ScrollingTraces, EachUpdateEqualsThinningTheWholeSpanAfresh)
{
    // Roll and GyroX streamed in uneven batches with breaks, updated as a
    // live graph is: the kept columns always equal a fresh thinning.
    FrameHistory history(3000);
    ScrollingTraces scrolling;
    const std::vector<TelemetryField> fields = {TelemetryField::Roll, TelemetryField::GyroX};
    scrolling.configure(fields, 2 * kSecond, 50);
    int64_t now = 0;
    // More frames than the ring keeps.
    for (int step = 0; step < 1500; ++step) {
        now += 7'000 + (step * 7919) % 40'000;
        if (step % 97 == 50)
            history.markBreak(now);
        for (int i = 0; i < (step % 5); ++i) {
            history.append(now, attitude((step * 31 + i * 17) % 90 - 45));
            history.append(now, protocol::makeFrame(FrameType::Gyro, uint16_t(step * 13), 0, 0));
        }
        const auto [from, to] = scrolling.update(history, now);
        ASSERT_LE(from, now);
        ASSERT_GT(to, now) << "the newest frame is in the span";
        const auto fresh = thinTraces(history, fields, from, to, 50);
        for (size_t t = 0; t < fields.size(); ++t) {
            bool seen = false;
            for (size_t c = 0; c < 50; ++c) {
                const TraceColumn& a = scrolling.traces()[t][c];
                const TraceColumn& b = fresh[t][c];
                SCOPED_TRACE(testing::Message() << "step " << step << " trace " << t << " column " << c);
                ASSERT_EQ(a.empty, b.empty);
                if (a.empty)
                    continue;
                EXPECT_EQ(a.min, b.min);
                EXPECT_EQ(a.max, b.max);
                EXPECT_EQ(a.first, b.first);
                EXPECT_EQ(a.last, b.last);
                // Before the span's first sample there is nothing to join.
                if (seen) {
                    EXPECT_EQ(a.breakBefore, b.breakBefore);
                }
                seen = true;
            }
        }
    }
}
