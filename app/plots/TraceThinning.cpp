#include "app/plots/TraceThinning.h"

#include "protocol/FieldValue.h"
#include "protocol/LinkCounters.h"

#include <algorithm>
#include <array>

void addSample(TraceColumn& column, double value, bool brokenSinceLast)
{
    if (column.empty) {
        column = {value, value, value, value, false, brokenSinceLast};
        return;
    }
    column.min = std::min(column.min, value);
    column.max = std::max(column.max, value);
    column.last = value;
}

ThinnedTrace thinTrace(const FrameHistory& history, protocol::TelemetryField field, int64_t fromUs, int64_t toUs,
    int columns)
{
    return thinTraces(history, {field}, fromUs, toUs, columns).front();
}

std::vector<ThinnedTrace> thinTraces(const FrameHistory& history, const std::vector<protocol::TelemetryField>& fields,
    int64_t fromUs, int64_t toUs, int columns)
{
    std::vector<ThinnedTrace> traces(fields.size(), ThinnedTrace(static_cast<size_t>(std::max(columns, 0))));
    if (columns <= 0 || toUs <= fromUs || fields.empty())
        return traces;
    // The traces each frame type feeds.
    std::array<std::vector<size_t>, protocol::kFrameTypeCount> byType;
    for (size_t i = 0; i < fields.size(); ++i)
        byType[protocol::frameTypeIndex(protocol::frameOf(fields[i]))].push_back(i);
    std::vector<std::optional<int64_t>> lastSampleUs(fields.size());
    const double span = static_cast<double>(toUs - fromUs);
    const size_t lastColumn = static_cast<size_t>(columns) - 1;
    for (size_t i = history.lowerBound(fromUs); i < history.size(); ++i) {
        const FrameHistory::Entry& entry = history.at(i);
        if (entry.timeUs >= toUs)
            break;
        const uint8_t type = entry.frame[1];
        if (type < protocol::kFirstFrameType || type > protocol::kLastFrameType)
            continue;
        const size_t column = std::min(
            static_cast<size_t>(static_cast<double>(entry.timeUs - fromUs) / span * columns), lastColumn);
        for (const size_t trace : byType[type - protocol::kFirstFrameType]) {
            const std::optional<double> value = protocol::fieldValue(fields[trace], entry.frame);
            if (!value)
                continue;
            const auto& last = lastSampleUs[trace];
            addSample(traces[trace][column], *value, last && history.breakBetween(*last, entry.timeUs));
            lastSampleUs[trace] = entry.timeUs;
        }
    }
    return traces;
}

std::optional<TraceSample> sampleAt(const FrameHistory& history, protocol::TelemetryField field, int64_t timeUs)
{
    const auto type = static_cast<uint8_t>(protocol::frameOf(field));
    for (size_t i = history.lowerBound(timeUs + 1); i-- > 0;) {
        const FrameHistory::Entry& entry = history.at(i);
        if (entry.frame[1] != type)
            continue;
        if (const std::optional<double> value = protocol::fieldValue(field, entry.frame))
            return TraceSample{entry.timeUs, *value};
    }
    return std::nullopt;
}
