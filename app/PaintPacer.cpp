#include "app/PaintPacer.h"

#include <chrono>

PaintPacer::PaintPacer(int frameMs, Clock clock)
    : m_frameMs(frameMs)
    , m_clock(clock ? std::move(clock) : [] {
        return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch())
                                        .count());
    })
{
}

int PaintPacer::delayBeforePaint()
{
    const int64_t now = m_clock();
    const int64_t since = now - m_lastPaint;
    if (m_painted && since < m_frameMs)
        return static_cast<int>(m_frameMs - since);
    m_painted = true;
    m_lastPaint = now;
    return 0;
}
