// The image work of a skinned window: the frame's four bands at the main
// window's 720 x 476, a group box face at 105 x 129, and one cross-fade step
// of a 75 x 25 push button (build the buffer from the normal face, morph
// toward the hot face, turn the result back into a bitmap).

#include "platform/Bitmap.h"
#include "skin/data/SkinImageBuilders.h"
#include "skin/data/TkvEffectBmp.h"

#include <benchmark/benchmark.h>

using namespace skin;
using platform::TBitmap;

namespace {

void paint(TBitmap& bitmap, int width, int height, int seed)
{
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.ScanLine(y)[x] = qRgb((x * 7 + seed) % 256, (y * 13 + seed) % 256, (x ^ y) % 256);
}

void BM_FrameBands720x476(benchmark::State& state)
{
    TBitmap picture;
    paint(picture, 162, 140, 1);
    const SkinCut cut{QSize(162, 140), {5, 24, 157, 135}, {40, 30}, {80, 30}, {40, 130}, {120, 130}};
    const CutTarget target = stretchedTarget(cut, 720, 476);
    for (auto _ : state) {
        BorderImages bands;
        CreateSkinBorderImages(cut, target, bands, picture, {0, 0, 162, 140}, {});
        benchmark::DoNotOptimize(bands.right.ScanLine(0));
    }
}
BENCHMARK(BM_FrameBands720x476)->Unit(benchmark::kMicrosecond);

void BM_GroupBox105x129(benchmark::State& state)
{
    TBitmap picture;
    paint(picture, 59, 52, 2);
    const SkinCut cut{QSize(59, 52), {1, 20, 58, 51}, {8, 20}, {50, 21}, {5, 45}, {52, 46}};
    const CutTarget target = stretchedTarget(cut, 105, 129);
    for (auto _ : state) {
        TBitmap image;
        CreateSkinImage(cut, target, image, picture, {0, 0, 59, 52}, true);
        benchmark::DoNotOptimize(image.ScanLine(0));
    }
}
BENCHMARK(BM_GroupBox105x129)->Unit(benchmark::kMicrosecond);

void BM_ButtonMorphStep75x25(benchmark::State& state)
{
    TBitmap normal;
    TBitmap hot;
    paint(normal, 75, 25, 3);
    paint(hot, 75, 25, 90);
    const TkvEffectBmp target(hot);
    const auto kind = TkvMorphKind(state.range(0));
    TBitmap out;
    for (auto _ : state) {
        TkvEffectBmp step(normal);
        step.MorphBy(kind, target, 0.45);
        step.toBitmap(out);
        benchmark::DoNotOptimize(out.ScanLine(0));
    }
}
BENCHMARK(BM_ButtonMorphStep75x25)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
