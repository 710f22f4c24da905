// How soon a flight-mode change reaches a real X screen (target: the lit
// lamp of each group red by the rule within 100 ms): fctool on the X11
// platform at the full link rate, the switches moved again and again, the
// lamps read back from the root window. Run under xvfb-run.

#include "ControllerStream.h"
#include "ToolOnScreen.h"
#include "XScreen.h"

#include "app/FlightControllerApplication.h"
#include "tests/support/TestOutput.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

using namespace screentest;

namespace {

void BM_LampLatencyOnScreen(benchmark::State& state)
{
    const QString skin = state.range(0) == 0 ? QStringLiteral("Graphite") : QStringLiteral("Daylight");
    XScreen screen;
    if (!screen.open()) {
        state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    ControllerStream controller;
    ReferenceWindow reference(skin);
    ToolProcess tool(controller.devicePath(), skin);
    if (tool.window() == 0 || !controller.waitForClient(10000)) {
        state.SkipWithError("fctool did not start");
        return;
    }
    const QPoint origin = screen.origin(tool.window());
    controller.startLive();
    // Each group's three lamps in turn.
    const std::pair<int, int> switches[] = {{1200, 1800}, {1500, 1500}, {1800, 1200}};
    std::vector<double> latencies;
    size_t next = 0;
    for (auto _ : state) {
        const auto [ch5, ch6] = switches[next++ % std::size(switches)];
        const auto written = controller.setSwitches(ch5, ch6);
        if (!waitFor([&] { return lampsShow(screen, reference, origin, ch5, ch6); }, 2000)) {
            state.SkipWithError("the lamps never showed the switches");
            return;
        }
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - written).count();
        latencies.push_back(ms);
        state.SetIterationTime(ms / 1000);
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["median_ms"] = latencies[latencies.size() / 2];
    state.counters["max_ms"] = latencies.back();
}
BENCHMARK(BM_LampLatencyOnScreen)->ArgName("daylight")->Arg(0)->Arg(1)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The reference window paints offscreen; fctool goes to the display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testsupport::prepareQtEnvironment();
    FlightControllerApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
