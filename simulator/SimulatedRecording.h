#pragma once

#include "recording/RecordingWriter.h"

#include <cstdint>

namespace simulator {

// Writes the simulated controller's stream straight into a recording, as
// fast as it can: a chunk every 10 ms of recorded time (the serial poll's
// pace) holding the frames the link would have carried by then. Returns
// false when the writer failed (its error() says why).
bool recordSimulatedStream(recording::RecordingWriter& writer, double framesPerSecond, uint32_t seed,
    double durationSeconds);

} // namespace simulator
