#include "app/link/FrameHistory.h"

#include <algorithm>

FrameHistory::FrameHistory(size_t capacity)
    : m_capacity(std::max<size_t>(capacity, 1))
    , m_ring(new Entry[m_capacity])
{
}

void FrameHistory::append(int64_t timeUs, const protocol::FrameBytes& frame)
{
    if (m_size > 0 || !m_breaks.empty())
        timeUs = std::max(timeUs, m_lastTimeUs);
    m_lastTimeUs = timeUs;
    ++m_appended;
    if (m_size < m_capacity) {
        m_ring[(m_start + m_size) % m_capacity] = {timeUs, frame};
        ++m_size;
    } else {
        m_ring[m_start] = {timeUs, frame};
        m_start = (m_start + 1) % m_capacity;
    }
    while (!m_breaks.empty() && m_breaks.front() < at(0).timeUs)
        m_breaks.pop_front();
}

void FrameHistory::markBreak(int64_t timeUs)
{
    if (m_size > 0 || !m_breaks.empty())
        timeUs = std::max(timeUs, m_lastTimeUs);
    m_lastTimeUs = timeUs;
    m_breaks.push_back(timeUs);
}

size_t FrameHistory::lowerBound(int64_t timeUs) const
{
    size_t low = 0;
    size_t high = m_size;
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (at(middle).timeUs < timeUs)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

bool FrameHistory::breakBetween(int64_t fromUs, int64_t toUs) const
{
    const auto first = std::upper_bound(m_breaks.begin(), m_breaks.end(), fromUs);
    return first != m_breaks.end() && *first <= toUs;
}
