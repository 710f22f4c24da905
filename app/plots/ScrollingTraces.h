#pragma once

#include "app/plots/TraceThinning.h"

#include <optional>
#include <vector>

// Thinned traces on a grid of columns fixed in time, which scrolls as time
// goes on: a column never moves within the grid, so each update thins only
// the frames that came since the last one, and a live graph costs little
// however long its span.
class ScrollingTraces {
public:
    // A change of fields, span or width starts the grid afresh.
    void configure(std::vector<protocol::TelemetryField> fields, int64_t spanUs, int columns);
    // Brings the columns up to the one holding nowUs; the span they cover,
    // from its first column's start to its last column's end.
    std::pair<int64_t, int64_t> update(const FrameHistory& history, int64_t nowUs);
    const std::vector<ThinnedTrace>& traces() const { return m_traces; }

private:
    void rebuild(const FrameHistory& history);
    void thinNewFrames(const FrameHistory& history);

    std::vector<protocol::TelemetryField> m_fields;
    int64_t m_columnUs = 1;
    int m_columns = 0;
    // The grid index of the first column; nothing while not built.
    std::optional<int64_t> m_firstColumn;
    // The history's frames thinned so far, by their number.
    uint64_t m_thinnedFrames = 0;
    std::vector<std::optional<int64_t>> m_lastSampleUs;
    std::vector<ThinnedTrace> m_traces;
};
