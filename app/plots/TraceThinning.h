#pragma once

#include "app/link/FrameHistory.h"
#include "protocol/TelemetryField.h"

#include <optional>
#include <vector>

// One pixel column of a trace: the least and greatest value among its
// samples, so that a spike of a single sample shows at every span, in the
// column of its time.
struct TraceColumn {
    double min = 0;
    double max = 0;
    // The column's first and last samples, which the line joins.
    double first = 0;
    double last = 0;
    bool empty = true;
    // A connection began since the last column with samples: the trace is
    // not joined to it.
    bool breakBefore = false;
};

using ThinnedTrace = std::vector<TraceColumn>;

// Takes a sample into its column; brokenSinceLast: a connection began
// since the trace's last sample.
void addSample(TraceColumn& column, double value, bool brokenSinceLast);

// The field's samples from fromUs (included) to toUs (excluded) in
// `columns` equal slices of time.
ThinnedTrace thinTrace(const FrameHistory& history, protocol::TelemetryField field, int64_t fromUs, int64_t toUs,
    int columns);
// Several fields at once, in one pass over the history.
std::vector<ThinnedTrace> thinTraces(const FrameHistory& history, const std::vector<protocol::TelemetryField>& fields,
    int64_t fromUs, int64_t toUs, int columns);

// The field's latest value at or before timeUs, and its time: what a cursor
// reads.
struct TraceSample {
    int64_t timeUs;
    double value;
};
std::optional<TraceSample> sampleAt(const FrameHistory& history, protocol::TelemetryField field, int64_t timeUs);
