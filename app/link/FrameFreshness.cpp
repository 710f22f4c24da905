#include "app/link/FrameFreshness.h"

#include <algorithm>

void FrameFreshness::start(int64_t nowMs)
{
    *this = {};
    m_startMs = nowMs;
    m_countFromMs = nowMs;
}

void FrameFreshness::frameArrived(uint8_t type, int64_t nowMs)
{
    if (nowMs - (m_anyFrame ? m_lastFrameMs : m_startMs) >= kLinkStaleMs)
        m_countFromMs = nowMs;
    m_lastFrameMs = nowMs;
    m_anyFrame = true;
    TypeTrack& track = m_types[type - protocol::kFirstFrameType];
    if (track.seen) {
        track.gaps[track.nextGap] = nowMs - track.lastMs;
        track.nextGap = (track.nextGap + 1) % TypeTrack::kGaps;
        track.gapCount = std::min(track.gapCount + 1, TypeTrack::kGaps);
    }
    track.lastMs = nowMs;
    track.seen = true;
}

int64_t FrameFreshness::TypeTrack::usualIntervalMs() const
{
    if (gapCount == 0)
        return 0;
    std::array<int64_t, kGaps> sorted = gaps;
    const auto end = sorted.begin() + static_cast<std::ptrdiff_t>(gapCount);
    const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(gapCount / 2);
    std::nth_element(sorted.begin(), middle, end);
    return *middle;
}

FrameFreshness::State FrameFreshness::at(int64_t nowMs) const
{
    State state;
    state.silentMs = nowMs - (m_anyFrame ? m_lastFrameMs : m_startMs);
    state.linkStale = state.silentMs >= kLinkStaleMs;
    for (size_t i = 0; i < m_types.size(); ++i) {
        const TypeTrack& track = m_types[i];
        const int64_t since = nowMs - std::max(track.seen ? track.lastMs : m_startMs, m_countFromMs);
        state.staleTypes[i] = since >= std::max(kTypeStaleMs, kUsualIntervals * track.usualIntervalMs());
    }
    return state;
}
