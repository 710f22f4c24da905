#pragma once

#include "protocol/TelemetryFrame.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace protocol {

inline constexpr int kFrameTypeCount = kLastFrameType - kFirstFrameType + 1;

inline constexpr size_t frameTypeIndex(FrameType type)
{
    return static_cast<size_t>(type) - kFirstFrameType;
}

// What a decoder has taken in since it was made: every byte, the bytes that
// stood in no frame (skipped while finding the next one) and the frames of
// each type.
struct LinkCounters {
    uint64_t bytes = 0;
    uint64_t skippedBytes = 0;
    std::array<uint64_t, kFrameTypeCount> frames{};
};

// The counters' growth between two readings, per second.
struct LinkRates {
    double bytesPerSecond = 0;
    double skippedPerSecond = 0;
    std::array<double, kFrameTypeCount> framesPerSecond{};
};

// Zero rates for no time between the readings.
LinkRates ratesBetween(const LinkCounters& earlier, const LinkCounters& later, double seconds);

} // namespace protocol
