// The window's costs: CPU while fcsim streams at the full link rate
// after start-up (target: under 3 % of one core) and the time from start to the first
// painted window with the skin loaded (target: within 1.5 times that of a
// plain Qt window with one label). Each runs on the offscreen platform and,
// when a display is there (run under xvfb-run), on the X11 one too, where
// painting really goes to a server.

#include "ChildProcess.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

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
        const pid_t window = bench::spawn("fctool", {"--connect", device}, -1, platformEnvironment(platform));
        // The steady state counts, not the start-up.
        std::this_thread::sleep_for(std::chrono::seconds(3));
        const double cpuBefore = bench::cpuSecondsSoFar(window);
        const auto start = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        const double cpu = bench::cpuSecondsSoFar(window) - cpuBefore;
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        bench::stopAndMeasure(window);
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
    const std::string picture = "/tmp/fct-window-bench.bmp";
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

struct StartTimes {
    double toPicture;
    double toExit;
};

// Runs a program that saves a picture of its window after the first paint
// and quits; the picture's file being closed marks the first paint (plus
// the grab and the save, which both programs do alike: an uncompressed BMP
// costs the same for any content, where compressing the tool's busy
// picture would cost several times the plain label's), so what a program
// does after it, such as tearing down, does not count.
StartTimes startTimes(const std::string& program, std::vector<std::string> arguments, Platform platform)
{
    char folder[] = "/tmp/fct-start-XXXXXX";
    if (!mkdtemp(folder))
        return {};
    const std::string picture = std::string(folder) + "/window.bmp";
    for (std::string& argument : arguments)
        if (argument == "PICTURE")
            argument = picture;
    const int watch = inotify_init1(IN_CLOEXEC);
    inotify_add_watch(watch, folder, IN_CLOSE_WRITE);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = bench::spawn(program, arguments, -1, platformEnvironment(platform));
    double toPicture = 0;
    alignas(inotify_event) char buffer[4096];
    for (bool seen = false; !seen;) {
        const ssize_t length = read(watch, buffer, sizeof buffer);
        if (length <= 0)
            break;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && std::string(event->name) == "window.bmp")
                seen = true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
        toPicture = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    int status = 0;
    waitpid(child, &status, 0);
    const double toExit = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    close(watch);
    unlink(picture.c_str());
    rmdir(folder);
    return {toPicture, toExit};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The tool with its skin loaded against a plain Qt window with one label,
// run by turns in the same process so both see the same machine load
// (target: the tool's first paint within 1.5 times the label window's).
// The means show what a pause of the machine during a run costs; the
// medians of the pairs' ratios leave such single pauses out.
void BM_StartWithSkinVersusMinimalWindow(benchmark::State& state)
{
    const auto platform = static_cast<Platform>(state.range(0));
    if (!available(platform, state))
        return;
    StartTimes tool{};
    StartTimes minimal{};
    std::vector<double> ratios;
    std::vector<double> toolTimes;
    std::vector<double> minimalTimes;
    for (auto _ : state) {
        const StartTimes m = startTimes("minimal_label_window", {"PICTURE"}, platform);
        const StartTimes t = startTimes("fctool", {"--screenshot", "PICTURE", "--after", "0"}, platform);
        minimal.toPicture += m.toPicture;
        minimal.toExit += m.toExit;
        tool.toPicture += t.toPicture;
        tool.toExit += t.toExit;
        if (m.toPicture > 0)
            ratios.push_back(t.toPicture / m.toPicture);
        toolTimes.push_back(t.toPicture);
        minimalTimes.push_back(m.toPicture);
        state.SetIterationTime(t.toPicture);
    }
    const double runs = static_cast<double>(toolTimes.size());
    state.counters["tool_paint_ms"] = 1000 * tool.toPicture / runs;
    state.counters["label_paint_ms"] = 1000 * minimal.toPicture / runs;
    state.counters["paint_ratio"] = tool.toPicture / minimal.toPicture;
    state.counters["tool_paint_median_ms"] = 1000 * median(toolTimes);
    state.counters["label_paint_median_ms"] = 1000 * median(minimalTimes);
    state.counters["paint_ratio_median"] = ratios.empty() ? 0 : median(ratios);
    state.counters["tool_exit_ms"] = 1000 * tool.toExit / runs;
    state.counters["label_exit_ms"] = 1000 * minimal.toExit / runs;
}
BENCHMARK(BM_StartWithSkinVersusMinimalWindow)
    ->ArgNames({"x11"})
    ->Arg(Offscreen)
    ->Arg(X11)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
