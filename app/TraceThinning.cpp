#include "app/TraceThinning.h"

#include "protocol/FieldValue.h"

#include <algorithm>

std::vector<TraceColumn> thinTrace(const FrameHistory& history, protocol::TelemetryField field, int64_t fromUs,
    int64_t toUs, int columns)
{
    std::vector<TraceColumn> result(static_cast<size_t>(std::max(columns, 0)));
    if (columns <= 0 || toUs <= fromUs)
        return result;
    const auto type = static_cast<uint8_t>(protocol::frameOf(field));
    const double span = static_cast<double>(toUs - fromUs);
    std::optional<int64_t> lastSampleUs;
    for (size_t i = history.lowerBound(fromUs); i < history.size(); ++i) {
        const FrameHistory::Entry& entry = history.at(i);
        if (entry.timeUs >= toUs)
            break;
        if (entry.frame[1] != type)
            continue;
        const std::optional<double> value = protocol::fieldValue(field, entry.frame);
        if (!value)
            continue;
        const auto index = std::min(static_cast<size_t>(static_cast<double>(entry.timeUs - fromUs) / span * columns),
            result.size() - 1);
        TraceColumn& column = result[index];
        if (column.empty) {
            column = {*value, *value, false, lastSampleUs && history.breakBetween(*lastSampleUs, entry.timeUs)};
        } else {
            column.min = std::min(column.min, *value);
            column.max = std::max(column.max, *value);
        }
        lastSampleUs = entry.timeUs;
    }
    return result;
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
