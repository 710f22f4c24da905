// The window's costs: CPU while fcsim streams at the full link rate
// (target: under 3 % of one core) and the time from start to the first
// painted window. Each runs on the offscreen platform and, when a display is
// there (run under xvfb-run), on the X11 one too, where painting really goes
// to a server.

#include "ChildProcess.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>

namespace {

enum Platform { Offscreen, X11 };

std::vector<std::string> platformEnvironment(Platform platform)
{
    return {platform == Offscreen ? "QT_QPA_PLATFORM=offscreen" : "QT_QPA_PLATFORM=xcb"};
}

bool available(Platform platform, benchmark::State& state)
{
    if (platform == X11 && !std::getenv("DISPLAY")) {
        state.SkipWithError("no display: run under xvfb-run for the X11 figure");
        return false;
    }
    return true;
}

void BM_WindowCpuAtLinkRate(benchmark::State& state)
{
    const auto platform = static_cast<Platform>(state.range(0));
    const double seconds = static_cast<double>(state.range(1));
    if (!available(platform, state))
        return;
    for (auto _ : state) {
        pid_t simulator = 0;
        const std::string device = bench::startSimulator(simulator);
        const auto start = std::chrono::steady_clock::now();
        const pid_t window = bench::spawn("fctool", {"--connect", device}, -1, platformEnvironment(platform));
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        const double cpu = bench::stopAndMeasure(window);
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        bench::stopAndMeasure(simulator);
        state.SetIterationTime(wall);
        state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
    }
}
BENCHMARK(BM_WindowCpuAtLinkRate)
    ->ArgNames({"x11", "seconds"})
    ->Args({Offscreen, 20})
    ->Args({X11, 20})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// From exec to a saved picture of the painted window and exit: an upper
// bound of the time to the first paint.
void BM_StartToFirstPaint(benchmark::State& state)
{
    const auto platform = static_cast<Platform>(state.range(0));
    if (!available(platform, state))
        return;
    const std::string picture = "/tmp/fct-window-bench.png";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t window =
            bench::spawn("fctool", {"--screenshot", picture, "--after", "0"}, -1, platformEnvironment(platform));
        int status = 0;
        waitpid(window, &status, 0);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_StartToFirstPaint)
    ->ArgNames({"x11"})
    ->Arg(Offscreen)
    ->Arg(X11)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
