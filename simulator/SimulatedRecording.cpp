#include "simulator/SimulatedRecording.h"

#include "simulator/SimulatedController.h"

#include <vector>

namespace simulator {
namespace {

constexpr uint64_t kChunkUs = 10'000;

} // namespace

bool recordSimulatedStream(recording::RecordingWriter& writer, double framesPerSecond, uint32_t seed,
    double durationSeconds)
{
    SimulatedController controller(seed);
    const auto endUs = static_cast<uint64_t>(durationSeconds * 1e6);
    writer.connection(0, "fcsim");
    std::vector<uint8_t> batch;
    uint64_t framesSent = 0;
    for (uint64_t timeUs = kChunkUs; timeUs <= endUs && !writer.failed(); timeUs += kChunkUs) {
        const double seconds = static_cast<double>(timeUs) / 1e6;
        controller.advanceTo(seconds);
        const auto due = static_cast<uint64_t>(seconds * framesPerSecond);
        batch.clear();
        for (; framesSent < due; ++framesSent) {
            const auto frame = controller.nextFrame();
            batch.insert(batch.end(), frame.begin(), frame.end());
        }
        writer.received(timeUs, batch);
    }
    return writer.flush();
}

} // namespace simulator
