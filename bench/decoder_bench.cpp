// Decoder throughput on a realistic stream, with a sink that keeps every
// text as the window does. The link carries 11,520 bytes a second; the
// decoder must keep up with more than a thousand times that.

#include "protocol/TelemetryDecoder.h"
#include "simulator/SimulatedController.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

namespace {

class TextKeepingSink : public protocol::TelemetrySink {
public:
    void fieldChanged(protocol::TelemetryField field, std::string_view text) override
    {
        m_texts[static_cast<size_t>(field)].assign(text);
    }

private:
    std::array<std::string, protocol::kTelemetryFieldCount> m_texts;
};

std::vector<uint8_t> simulatedStream(int frames)
{
    simulator::SimulatedController controller(3);
    std::vector<uint8_t> stream;
    stream.reserve(static_cast<size_t>(frames) * protocol::kFrameSize);
    for (int i = 0; i < frames; ++i) {
        controller.advanceTo(i / 1280.0);
        const auto frame = controller.nextFrame();
        stream.insert(stream.end(), frame.begin(), frame.end());
    }
    return stream;
}

void BM_DecodeSimulatedStream(benchmark::State& state)
{
    const std::vector<uint8_t> stream = simulatedStream(12800);
    TextKeepingSink sink;
    protocol::TelemetryDecoder decoder(sink);
    for (auto _ : state) {
        // Reads of about 10 ms of link data, as the serial tick hands them over.
        for (size_t offset = 0; offset < stream.size(); offset += 115)
            decoder.feed(std::span<const uint8_t>(stream).subspan(offset, std::min<size_t>(115, stream.size() - offset)));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(stream.size()));
    state.counters["x_link_rate"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * static_cast<double>(stream.size()) / 11520.0, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeSimulatedStream)->Unit(benchmark::kMillisecond);

void BM_DecodeNoise(benchmark::State& state)
{
    // Bytes that never form a frame: the per-byte cost of the window alone.
    std::vector<uint8_t> noise(1 << 16);
    uint32_t seed = 99;
    for (auto& byte : noise) {
        seed = seed * 1103515245 + 12345;
        byte = static_cast<uint8_t>((seed >> 16) & 0x7F);
    }
    TextKeepingSink sink;
    protocol::TelemetryDecoder decoder(sink);
    for (auto _ : state)
        decoder.feed(noise);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(noise.size()));
}
BENCHMARK(BM_DecodeNoise)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
