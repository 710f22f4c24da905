#pragma once

#include "protocol/TelemetryFrame.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

// The last minutes of telemetry as it came: every frame with its arrival
// time in a ring of fixed size, and the breaks where a new connection
// began. Times never go back, so the ring is in time order and a time is
// found by halving.
class FrameHistory {
public:
    struct Entry {
        int64_t timeUs;
        protocol::FrameBytes frame;
    };

    // Five minutes at the most a 115200-baud link carries (1280 frames a
    // second), with a quarter to spare for the frames noise makes up.
    static constexpr size_t kFiveMinutes = 5 * 60 * 1280 * 5 / 4;

    explicit FrameHistory(size_t capacity = kFiveMinutes);

    // A time before the last one counts as the last: the axis is monotone.
    void append(int64_t timeUs, const protocol::FrameBytes& frame);
    // A connection began at timeUs: traces are not joined across it.
    void markBreak(int64_t timeUs);

    size_t size() const { return m_size; }
    // Frames appended since the start: the newest is number appended() - 1,
    // the oldest still kept appended() - size().
    uint64_t appended() const { return m_appended; }
    size_t capacity() const { return m_capacity; }
    bool empty() const { return m_size == 0; }
    // 0 is the oldest.
    const Entry& at(size_t index) const { return m_ring[(m_start + index) % m_capacity]; }
    // The index of the first entry at or after timeUs (size() when none).
    size_t lowerBound(int64_t timeUs) const;
    // Whether a connection began after fromUs and at or before toUs.
    bool breakBetween(int64_t fromUs, int64_t toUs) const;
    int64_t lastTimeUs() const { return m_lastTimeUs; }

private:
    size_t m_capacity;
    // Left unwritten until used: memory is taken as the history fills.
    std::unique_ptr<Entry[]> m_ring;
    size_t m_start = 0;
    size_t m_size = 0;
    uint64_t m_appended = 0;
    int64_t m_lastTimeUs = 0;
    // In time order; those before the oldest entry are dropped.
    std::deque<int64_t> m_breaks;
};
