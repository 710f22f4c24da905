// What recordings cost. Recording at the full link rate must add under
// 0.5 % of one core to a monitor; converting a one-hour full-rate recording
// to CSV must run at more than 500 times real time.

#include "ChildProcess.h"

#include "recording/FileOutput.h"
#include "recording/LiveRecording.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

// The link carries 11,520 bytes a second; the serial tick hands them over
// every 10 ms.
constexpr int kTicksPerSecond = 100;
constexpr size_t kBytesPerTick = 115;

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return bench::cpuSeconds(usage);
}

// One second of link data into a recording file, as the monitor hands it
// over, with the timer's flushes; the file is written and synced for real.
void BM_RecordOneSecondOfLink(benchmark::State& state)
{
    const std::string path = "/tmp/fct-recording-bench-" + std::to_string(getpid()) + ".fcrec";
    std::string error;
    auto file = recording::FileOutput::create(path, error);
    if (!file) {
        state.SkipWithError(error.c_str());
        return;
    }
    uint64_t clock = 0;
    auto recording = std::make_unique<recording::LiveRecording>(std::move(file), [&] { return clock; });
    const std::vector<uint8_t> batch(kBytesPerTick, 0x55);
    const double cpuBefore = processCpuSeconds();
    for (auto _ : state) {
        for (int tick = 0; tick < kTicksPerSecond; ++tick) {
            clock += 1'000'000 / kTicksPerSecond;
            recording->received(batch);
            recording->tick();
        }
    }
    const double cpu = processCpuSeconds() - cpuBefore;
    // Each iteration stands for one second of wall time.
    state.counters["cpu_percent_of_core"] = 100.0 * cpu / static_cast<double>(state.iterations());
    state.counters["recording_ok"] = recording->recording() ? 1 : 0;
    recording.reset();
    unlink(path.c_str());
}
BENCHMARK(BM_RecordOneSecondOfLink)->Iterations(200)->Unit(benchmark::kMillisecond);

// fcmon --input --csv on an hour recorded by fcsim at the full link rate;
// the CSV goes to /dev/null (0) or to a file (1).
void BM_CsvOfOneHour(benchmark::State& state)
{
    constexpr double kRecordedSeconds = 3600;
    const std::string base = "/tmp/fct-csv-bench-" + std::to_string(getpid());
    const std::string recordingPath = base + ".fcrec";
    if (bench::waitAndMeasure(bench::spawn("fcsim", {"--record", recordingPath, "--duration", "3600"})) < 0) {
        state.SkipWithError("fcsim --record failed");
        return;
    }
    const std::string csvPath = state.range(0) ? base + ".csv" : "/dev/null";
    for (auto _ : state) {
        const int out = open(csvPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const auto start = std::chrono::steady_clock::now();
        const double cpu = bench::waitAndMeasure(bench::spawn("fcmon", {"--input", recordingPath, "--csv"}, out));
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        close(out);
        if (cpu < 0) {
            state.SkipWithError("fcmon --csv failed");
            break;
        }
        state.SetIterationTime(wall);
        state.counters["x_real_time"] = kRecordedSeconds / wall;
        state.counters["x_real_time_by_cpu"] = kRecordedSeconds / cpu;
        state.counters["cpu_seconds"] = cpu;
    }
    unlink(recordingPath.c_str());
    if (state.range(0))
        unlink(csvPath.c_str());
}
BENCHMARK(BM_CsvOfOneHour)->ArgName("to_file")->Arg(0)->Arg(1)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
