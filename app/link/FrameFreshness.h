#pragma once

#include "protocol/LinkCounters.h"

#include <array>
#include <bitset>
#include <cstdint>

// How fresh the telemetry is, told from when each frame type last came.
// The link is stale after a second without any frame. A type is stale
// after three seconds without it, or five of its usual intervals where
// that is longer, so a controller that sends some frames rarely is not
// flagged. Before its first frame a type counts from the start, and after
// a silence of the whole link from the frame that ends it: the link coming
// back clears every mark at once.
class FrameFreshness {
public:
    using Types = std::bitset<protocol::kFrameTypeCount>;

    static constexpr int64_t kLinkStaleMs = 1000;
    static constexpr int64_t kTypeStaleMs = 3000;
    static constexpr int kUsualIntervals = 5;

    struct State {
        bool linkStale = false;
        // Since the last frame of any type, or since the start.
        int64_t silentMs = 0;
        Types staleTypes;
    };

    // A new connection: nothing has come yet, from now on.
    void start(int64_t nowMs);
    // A frame of a known type (0xA0 ... 0xAB).
    void frameArrived(uint8_t type, int64_t nowMs);
    State at(int64_t nowMs) const;

private:
    // The last gaps between frames of one type; their median is the usual
    // interval, which one long outage does not change.
    struct TypeTrack {
        static constexpr size_t kGaps = 9;
        int64_t lastMs = 0;
        bool seen = false;
        std::array<int64_t, kGaps> gaps{};
        size_t gapCount = 0;
        size_t nextGap = 0;

        int64_t usualIntervalMs() const;
    };

    int64_t m_startMs = 0;
    // Types count their silence from here at the earliest.
    int64_t m_countFromMs = 0;
    int64_t m_lastFrameMs = 0;
    bool m_anyFrame = false;
    std::array<TypeTrack, protocol::kFrameTypeCount> m_types{};
};
