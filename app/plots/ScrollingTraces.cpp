#include "app/plots/ScrollingTraces.h"

#include "protocol/FieldValue.h"
#include "protocol/LinkCounters.h"

#include <algorithm>

namespace {

// The grid index of the column holding timeUs (floor, also before zero).
int64_t columnOf(int64_t timeUs, int64_t columnUs)
{
    return timeUs >= 0 ? timeUs / columnUs : -((-timeUs + columnUs - 1) / columnUs);
}

} // namespace

void ScrollingTraces::configure(std::vector<protocol::TelemetryField> fields, int64_t spanUs, int columns)
{
    if (fields == m_fields && columns == m_columns && m_columnUs == std::max<int64_t>(spanUs / columns, 1))
        return;
    m_fields = std::move(fields);
    m_columns = std::max(columns, 1);
    m_columnUs = std::max<int64_t>(spanUs / m_columns, 1);
    m_firstColumn.reset();
}

std::pair<int64_t, int64_t> ScrollingTraces::update(const FrameHistory& history, int64_t nowUs)
{
    const int64_t first = columnOf(nowUs, m_columnUs) - m_columns + 1;
    const bool overlaps = m_firstColumn && first >= *m_firstColumn && first - *m_firstColumn < m_columns;
    if (!overlaps) {
        m_firstColumn = first;
        rebuild(history);
    } else {
        const auto gone = static_cast<std::ptrdiff_t>(first - *m_firstColumn);
        for (ThinnedTrace& trace : m_traces) {
            trace.erase(trace.begin(), trace.begin() + gone);
            trace.resize(static_cast<size_t>(m_columns));
        }
        m_firstColumn = first;
        thinNewFrames(history);
    }
    return {first * m_columnUs, (first + m_columns) * m_columnUs};
}

void ScrollingTraces::rebuild(const FrameHistory& history)
{
    const int64_t from = *m_firstColumn * m_columnUs;
    const int64_t to = from + m_columns * m_columnUs;
    m_traces = thinTraces(history, m_fields, from, to, m_columns);
    m_lastSampleUs.assign(m_fields.size(), std::nullopt);
    for (size_t t = 0; t < m_fields.size(); ++t) {
        if (const auto sample = sampleAt(history, m_fields[t], to - 1))
            m_lastSampleUs[t] = sample->timeUs;
    }
    m_thinnedFrames = history.appended();
}

void ScrollingTraces::thinNewFrames(const FrameHistory& history)
{
    // Frames that left the ring before they were thinned are lost to it.
    const uint64_t oldest = history.appended() - history.size();
    const uint64_t start = std::max(m_thinnedFrames, oldest);
    std::array<std::vector<size_t>, protocol::kFrameTypeCount> byType;
    for (size_t i = 0; i < m_fields.size(); ++i)
        byType[protocol::frameTypeIndex(protocol::frameOf(m_fields[i]))].push_back(i);
    for (uint64_t number = start; number < history.appended(); ++number) {
        const FrameHistory::Entry& entry = history.at(static_cast<size_t>(number - oldest));
        const uint8_t type = entry.frame[1];
        if (type < protocol::kFirstFrameType || type > protocol::kLastFrameType)
            continue;
        const int64_t column = columnOf(entry.timeUs, m_columnUs) - *m_firstColumn;
        if (column < 0 || column >= m_columns)
            continue;
        for (const size_t trace : byType[type - protocol::kFirstFrameType]) {
            const std::optional<double> value = protocol::fieldValue(m_fields[trace], entry.frame);
            if (!value)
                continue;
            const auto& last = m_lastSampleUs[trace];
            addSample(m_traces[trace][static_cast<size_t>(column)], *value,
                last && history.breakBetween(*last, entry.timeUs));
            m_lastSampleUs[trace] = entry.timeUs;
        }
    }
    m_thinnedFrames = history.appended();
}
