// The plots' costs under Xvfb with the X11 platform (run under xvfb-run):
// - our graph painter against Qt Charts on the same thinned columns (four
//   graphs, eight traces, a one-minute span, a picture every 50 ms), with
//   the pictures a second each really got;
// - fctool with the plots window so configured, connected to fcsim at the
//   full link rate (target: main window and plots together at most 6 % of
//   one core);
// - fctool's resident memory with five minutes of history (target: at most
//   64 MB), the history filled by a replay at eight times its pace.

#include "ChildProcess.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

const std::vector<std::string> kX11 = {"QT_QPA_PLATFORM=xcb"};

bool haveDisplay(benchmark::State& state)
{
    if (std::getenv("DISPLAY"))
        return true;
    state.SkipWithError("no display: run under xvfb-run");
    return false;
}

void sleepSeconds(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// CPU share of one core a running child uses over `seconds`.
double cpuPercent(pid_t child, double seconds)
{
    const double before = bench::cpuSecondsSoFar(child);
    const auto start = std::chrono::steady_clock::now();
    sleepSeconds(seconds);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return 100.0 * (bench::cpuSecondsSoFar(child) - before) / wall;
}

double residentMegabytes(pid_t child)
{
    std::ifstream status("/proc/" + std::to_string(child) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024;
    }
    return -1;
}

// A settings folder whose plots window shows four graphs of two traces
// over one minute.
std::string plotsConfiguration()
{
    char folder[] = "/tmp/fct-plots-bench-XXXXXX";
    if (!mkdtemp(folder))
        return {};
    const std::string dir = std::string(folder) + "/FlightControllerTool";
    mkdir(dir.c_str(), 0700);
    std::ofstream(dir + "/fctool.conf") << "[plots]\nspan=2\n"
                                           "graph1\\values=Roll, Pitch\ngraph2\\values=GyroX, GyroY\n"
                                           "graph3\\values=CH1 A, CH2 E\ngraph4\\values=Altitude, Alt Vel\n";
    return folder;
}

void BM_GraphDrawing(benchmark::State& state)
{
    const bool charts = state.range(0) == 1;
    if (!haveDisplay(state))
        return;
    for (auto _ : state) {
        int output[2];
        if (pipe(output) != 0)
            return;
        // It quits by itself after 24 s and says how often it painted.
        const pid_t probe = bench::spawn("plots_drawing_probe", {charts ? "charts" : "own", "24"}, output[1], kX11);
        close(output[1]);
        sleepSeconds(3);
        int status = 0;
        if (waitpid(probe, &status, WNOHANG) != 0) {
            close(output[0]);
            state.SkipWithError("the probe ended (built without Qt Charts?)");
            return;
        }
        const double percent = cpuPercent(probe, 20);
        bench::waitAndMeasure(probe);
        char line[64] = {};
        const ssize_t got = read(output[0], line, sizeof line - 1);
        close(output[0]);
        double paints = 0;
        if (got > 0)
            std::sscanf(line, "paints_per_second %lf", &paints);
        state.SetIterationTime(20);
        state.counters["cpu_percent_of_core"] = percent;
        state.counters["paints_per_second"] = paints;
    }
}
BENCHMARK(BM_GraphDrawing)->ArgNames({"qt_charts"})->Arg(0)->Arg(1)->Iterations(1)->UseManualTime();

void BM_WindowWithPlotsCpuAtLinkRate(benchmark::State& state)
{
    if (!haveDisplay(state))
        return;
    const std::string config = plotsConfiguration();
    for (auto _ : state) {
        pid_t simulator = 0;
        const std::string device = bench::startSimulator(simulator);
        std::vector<std::string> environment = kX11;
        environment.push_back("XDG_CONFIG_HOME=" + config);
        const pid_t window = bench::spawn("fctool", {"--connect", device, "--plots"}, -1, environment);
        // The one-minute span full, as it stays from then on.
        sleepSeconds(62);
        const double percent = cpuPercent(window, 20);
        state.counters["rss_mb"] = residentMegabytes(window);
        bench::stopAndMeasure(window);
        bench::stopAndMeasure(simulator);
        state.SetIterationTime(20);
        state.counters["cpu_percent_of_core"] = percent;
    }
}
BENCHMARK(BM_WindowWithPlotsCpuAtLinkRate)->Iterations(1)->UseManualTime();

void BM_MemoryWithFiveMinutesOfHistory(benchmark::State& state)
{
    if (!haveDisplay(state))
        return;
    const std::string config = plotsConfiguration();
    const std::string recording = config + "/five-minutes.fcrec";
    for (auto _ : state) {
        if (bench::waitAndMeasure(bench::spawn("fcsim", {"--record", recording, "--duration", "305"})) < 0) {
            state.SkipWithError("fcsim --record failed");
            return;
        }
        pid_t simulator = 0;
        const std::string device = bench::startSimulator(simulator, {"--replay", recording, "--speed", "8"});
        std::vector<std::string> environment = kX11;
        environment.push_back("XDG_CONFIG_HOME=" + config);
        const pid_t window = bench::spawn("fctool", {"--connect", device, "--plots"}, -1, environment);
        // 305 s at eight times their pace, and a little.
        sleepSeconds(42);
        state.counters["rss_mb"] = residentMegabytes(window);
        bench::stopAndMeasure(window);
        bench::stopAndMeasure(simulator);
        state.SetIterationTime(42);
    }
}
BENCHMARK(BM_MemoryWithFiveMinutesOfHistory)->Iterations(1)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
