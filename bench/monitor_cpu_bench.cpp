// CPU time of fcmon while fcsim streams at the full link rate: the share of
// one core the monitor takes per second of wall time (target: under 2 %),
// without and with recording what it receives (recording_bench measures the
// recording's own share more finely).

#include "ChildProcess.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <string>
#include <thread>
#include <vector>
#include <unistd.h>

namespace {

void BM_MonitorCpuAtLinkRate(benchmark::State& state)
{
    const double seconds = static_cast<double>(state.range(0));
    for (auto _ : state) {
        pid_t simulator = 0;
        const std::string device = bench::startSimulator(simulator);
        const int devNull = open("/dev/null", O_WRONLY);
        const auto start = std::chrono::steady_clock::now();
        std::vector<std::string> arguments = {"--port", device};
        const std::string recording = "/tmp/fct-monitor-bench-" + std::to_string(getpid()) + ".fcrec";
        if (state.range(1))
            arguments.insert(arguments.end(), {"--record", recording});
        const pid_t monitor = bench::spawn("fcmon", arguments, devNull);
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        const double cpu = bench::stopAndMeasure(monitor);
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        bench::stopAndMeasure(simulator);
        close(devNull);
        unlink(recording.c_str());
        state.SetIterationTime(wall);
        state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
    }
}
BENCHMARK(BM_MonitorCpuAtLinkRate)
    ->ArgNames({"seconds", "record"})
    ->Args({30, 0})
    ->Args({30, 1})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
