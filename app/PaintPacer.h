#pragma once

#include <cstdint>
#include <functional>

// Holds paints to the display's pace: telemetry changes some control a
// thousand times a second, and no screen shows that many pictures.
class PaintPacer {
public:
    // Milliseconds from a fixed start, never going back.
    using Clock = std::function<int64_t()>;

    explicit PaintPacer(int frameMs, Clock clock = {});

    // 0 when a paint may go now (it is then counted as painted), otherwise
    // the milliseconds until it may.
    int delayBeforePaint();

private:
    int m_frameMs;
    Clock m_clock;
    bool m_painted = false;
    int64_t m_lastPaint = 0;
};
