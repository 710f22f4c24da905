#include "protocol/LinkCounters.h"
#include "protocol/TelemetryDecoder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace protocol;

namespace {

class NoSink : public TelemetrySink {};

std::vector<uint8_t> frame(FrameType type, uint16_t value = 0x1234)
{
    const auto bytes = makeFrame(type, value, value, value);
    return {bytes.begin(), bytes.end()};
}

std::vector<uint8_t> operator+(std::vector<uint8_t> a, const std::vector<uint8_t>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Counted {
    NoSink sink;
    TelemetryDecoder decoder{sink};

    const LinkCounters& feed(const std::vector<uint8_t>& bytes)
    {
        decoder.feed(bytes);
        return decoder.counters();
    }
};

} // namespace

TEST(LinkCounters, ACleanStreamSkipsNothingAndCountsFramesByType)
{
    Counted c;
    const auto& counters = c.feed(frame(FrameType::Attitude) + frame(FrameType::Limits) + frame(FrameType::Attitude));
    EXPECT_EQ(counters.bytes, 27u);
    EXPECT_EQ(counters.skippedBytes, 0u);
    EXPECT_EQ(counters.frames[0], 2u);
    EXPECT_EQ(counters.frames[kFrameTypeCount - 1], 1u);
    EXPECT_EQ(counters.frames[1], 0u);
}

TEST(LinkCounters, BytesBetweenFramesAreSkippedOnceTheNextFrameIsFound)
{
    Counted c;
    const std::vector<uint8_t> noise{0x01, 0x55, 0xBB, 0x02};
    EXPECT_EQ(c.feed(noise).skippedBytes, 0u) << "they may still start a frame";
    EXPECT_EQ(c.feed(frame(FrameType::Gyro)).skippedBytes, 4u);
    // A frame whose type is unknown is noise too, and so is a frame cut
    // short by a lost byte.
    auto cut = frame(FrameType::Position);
    cut.erase(cut.begin() + 4);
    const auto& counters = c.feed(frame(FrameType::Heading) + std::vector<uint8_t>{0x55, 0xB0, 1, 2, 3, 4, 5, 6, 0xBB}
        + cut + frame(FrameType::Heading));
    EXPECT_EQ(counters.skippedBytes, 4u + 9u + 8u);
    EXPECT_EQ(counters.frames[frameTypeIndex(FrameType::Heading)], 2u);
    EXPECT_EQ(counters.frames[frameTypeIndex(FrameType::Position)], 0u);
    EXPECT_EQ(counters.bytes, 4u + 9u + 9u + 9u + 8u + 9u);
}

TEST(LinkCounters, FramesOverlappingEachOtherSkipNothingAndAFrameSplitAcrossReadsCounts)
{
    Counted c;
    // The first frame's payload starts a heading frame (55 A5) that the
    // second frame's payload ends (BB): three frames, nothing skipped.
    const std::vector<uint8_t> first{0x55, 0xA0, 0, 0, 0, 0, 0x55, 0xA5, 0xBB};
    const std::vector<uint8_t> second{0x55, 0xA2, 0, 0, 0, 0xBB, 0, 0, 0xBB};
    const auto& counters = c.feed(first + second);
    EXPECT_EQ(counters.frames[frameTypeIndex(FrameType::Attitude)], 1u);
    EXPECT_EQ(counters.frames[frameTypeIndex(FrameType::Heading)], 1u);
    EXPECT_EQ(counters.frames[frameTypeIndex(FrameType::Channels123)], 1u);
    EXPECT_EQ(counters.skippedBytes, 0u);

    const auto whole = frame(FrameType::Altitude);
    c.feed({whole.begin(), whole.begin() + 5});
    const auto& after = c.feed({whole.begin() + 5, whole.end()});
    EXPECT_EQ(after.frames[frameTypeIndex(FrameType::Altitude)], 1u);
    EXPECT_EQ(after.skippedBytes, 0u);
}

TEST(LinkCounters, RatesAreTheGrowthPerSecond)
{
    LinkCounters earlier;
    earlier.bytes = 1000;
    earlier.skippedBytes = 10;
    earlier.frames[2] = 50;
    LinkCounters later = earlier;
    later.bytes += 5760;
    later.skippedBytes += 30;
    later.frames[2] += 320;
    const LinkRates rates = ratesBetween(earlier, later, 0.5);
    EXPECT_DOUBLE_EQ(rates.bytesPerSecond, 11520);
    EXPECT_DOUBLE_EQ(rates.skippedPerSecond, 60);
    EXPECT_DOUBLE_EQ(rates.framesPerSecond[2], 640);
    EXPECT_DOUBLE_EQ(rates.framesPerSecond[3], 0);
    EXPECT_DOUBLE_EQ(ratesBetween(earlier, later, 0).bytesPerSecond, 0) << "no time, no rate";
}
