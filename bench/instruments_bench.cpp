// Time of one attitude and one heading draw on the window's 105 x 105
// picture; the controller can send more than a thousand frames a second, so
// both together must stay well under 100 microseconds.

#include "instruments/AngleFactor.h"
#include "instruments/Attitude.h"
#include "instruments/Heading.h"
#include "platform/Bitmap.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

using instruments::degreesToRadians;

void attitudeDraw(benchmark::State& state)
{
    platform::TBitmap picture(105, 105);
    double roll = 0;
    for (auto _ : state) {
        instruments::DrawAttitude(degreesToRadians(roll), degreesToRadians(roll / 3), picture);
        roll = roll > 60 ? -60 : roll + 1.7;
        benchmark::DoNotOptimize(picture.image().constBits());
    }
}
BENCHMARK(attitudeDraw);

void headingDraw(benchmark::State& state)
{
    platform::TBitmap picture(105, 105);
    double heading = 0;
    for (auto _ : state) {
        instruments::DrawHeading(degreesToRadians(heading), picture);
        heading = heading > 359 ? 0 : heading + 3.3;
        benchmark::DoNotOptimize(picture.image().constBits());
    }
}
BENCHMARK(headingDraw);

void bothInstruments(benchmark::State& state)
{
    platform::TBitmap attitude(105, 105);
    platform::TBitmap heading(105, 105);
    double angle = 0;
    for (auto _ : state) {
        instruments::DrawAttitude(degreesToRadians(angle / 4), degreesToRadians(angle / 8), attitude);
        instruments::DrawHeading(degreesToRadians(angle), heading);
        angle = angle > 359 ? 0 : angle + 3.3;
        benchmark::DoNotOptimize(attitude.image().constBits());
        benchmark::DoNotOptimize(heading.image().constBits());
    }
}
BENCHMARK(bothInstruments);

} // namespace

int main(int argc, char** argv)
{
    // Text needs a GUI application for its fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
