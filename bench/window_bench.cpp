// The window's costs: CPU while fcsim streams at the full link rate
// (target: under 10 % of one core) and the time from start to the first
// painted window with the skin loaded (target: under 300 ms, and within
// 1.5 times that of a plain Qt window with one label). All run on the
// offscreen platform, so no display is needed.

#include "ChildProcess.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <sys/wait.h>
#include <thread>

namespace {

const std::vector<std::string> kOffscreen = {"QT_QPA_PLATFORM=offscreen"};

void BM_WindowCpuAtLinkRate(benchmark::State& state)
{
    const double seconds = static_cast<double>(state.range(0));
    for (auto _ : state) {
        pid_t simulator = 0;
        const std::string device = bench::startSimulator(simulator);
        const auto start = std::chrono::steady_clock::now();
        const pid_t window = bench::spawn("fctool", {"--connect", device}, -1, kOffscreen);
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        const double cpu = bench::stopAndMeasure(window);
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        bench::stopAndMeasure(simulator);
        state.SetIterationTime(wall);
        state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
    }
}
BENCHMARK(BM_WindowCpuAtLinkRate)->Arg(10)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// From exec to a saved picture of the painted window and exit: an upper
// bound of the time to the first paint.
void BM_StartToFirstPaint(benchmark::State& state)
{
    const std::string picture = "/tmp/fct-window-bench.png";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t window = bench::spawn("fctool", {"--screenshot", picture, "--after", "0"}, -1, kOffscreen);
        int status = 0;
        waitpid(window, &status, 0);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_StartToFirstPaint)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

double secondsToPicture(const std::string& program, const std::vector<std::string>& arguments)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = bench::spawn(program, arguments, -1, kOffscreen);
    int status = 0;
    waitpid(child, &status, 0);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The tool with its skin loaded against a plain Qt window with one label,
// run by turns in the same process so both see the same machine load
// (target: the tool within 1.5 times the label window).
void BM_StartWithSkinVersusMinimalWindow(benchmark::State& state)
{
    const std::string picture = "/tmp/fct-window-bench-compare.png";
    double tool = 0;
    double minimal = 0;
    int runs = 0;
    for (auto _ : state) {
        minimal += secondsToPicture("minimal_label_window", {picture});
        const double t = secondsToPicture("fctool", {"--screenshot", picture, "--after", "0"});
        tool += t;
        ++runs;
        state.SetIterationTime(t);
    }
    state.counters["tool_ms"] = 1000 * tool / runs;
    state.counters["label_window_ms"] = 1000 * minimal / runs;
    state.counters["ratio"] = tool / minimal;
}
BENCHMARK(BM_StartWithSkinVersusMinimalWindow)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
