// Random cuts, sizes, pictures and masks for the image builders, the region
// routines and the effect buffer: nothing may crash or read outside a
// picture, and results keep their promised sizes and order.

#include "skin/data/SkinCutImage.h"
#include "skin/data/SkinImageBuilders.h"
#include "skin/data/SkinRegions.h"
#include "skin/data/TkvEffectBmp.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstdlib>

using namespace skin;
using platform::TBitmap;

namespace {

// A number around a picture's size.
int near(FuzzedDataProvider& in) { return in.ConsumeIntegralInRange(-40, 120); }

// Mostly 0; now and then a shift far beyond any picture (2^27 and up, either
// sign), where the builders' sums overflow and their clamps act.
int shift(FuzzedDataProvider& in)
{
    if (in.ConsumeIntegralInRange(0, 63) != 0)
        return 0;
    const int far = in.ConsumeIntegralInRange(1 << 27, INT_MAX - 1000);
    return in.ConsumeBool() ? far : -far;
}

int coordinate(FuzzedDataProvider& in)
{
    const int s = shift(in);
    return near(in) + s;
}

TPoint point(FuzzedDataProvider& in) { return {coordinate(in), coordinate(in)}; }

// At most a few hundred pixels each way, but anywhere. Sizes stay near a
// picture's too: an edge far out and the other near, or a cut millions of
// pixels high, ask for bands and pictures of up to 64M pixels, which the
// builders rightly draw, seconds an input; that held the target to some
// 30 inputs a second and reaches no code a small picture does not.
TRect rect(FuzzedDataProvider& in)
{
    const int dx = shift(in);
    const int dy = shift(in);
    return {near(in) + dx, near(in) + dy, near(in) + dx, near(in) + dy};
}


void picture(FuzzedDataProvider& in, TBitmap& bitmap, bool mask)
{
    const int w = in.ConsumeIntegralInRange(0, 64);
    const int h = in.ConsumeIntegralInRange(0, 64);
    bitmap.SetSize(w, h);
    const quint32 seed = in.ConsumeIntegral<quint32>();
    quint32 state = seed;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            state = state * 1664525u + 1013904223u;
            bitmap.ScanLine(y)[x] = mask ? ((state >> 28) < 9 ? 0xFF000000 : 0xFFFFFFFF) : (0xFF000000 | (state >> 8));
        }
    }
}

void checkRegion(const std::optional<RegionData>& data, const TBitmap& bitmap)
{
    if (!data) {
        if (!bitmap.Empty())
            std::abort();
        return;
    }
    int lastRow = INT_MIN;
    for (const TRect& r : data->rects) {
        if (r.width() <= 0 || r.height() != 1 || r.left < data->bounds.left || r.right > data->bounds.right
            || r.top < data->bounds.top || r.bottom > data->bounds.bottom || r.top < lastRow)
            std::abort();
        lastRow = r.top;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    TBitmap source;
    TBitmap mask;
    picture(in, source, false);
    picture(in, mask, true);
    const SkinCut cut{QSize(near(in), near(in)), rect(in), point(in), point(in), point(in), point(in)};
    // Up to two pictures and a bit: every tiling case, no more pixels.
    const int width = in.ConsumeIntegralInRange(-5, 140);
    const int height = in.ConsumeIntegralInRange(-5, 140);
    const TRect area = rect(in);
    const EdgeStretch stretch{in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool()};
    CutTarget target = stretchedTarget(cut, width, height);
    if (in.ConsumeBool())
        target = {width, height, rect(in), point(in), point(in), point(in), point(in)};

    TBitmap image;
    CreateSkinImageBS(cut, target, image, source, area, in.ConsumeBool(), stretch);
    if (!image.Empty() && (image.Width() != std::max(width, 0) || image.Height() != std::max(height, 0)))
        std::abort();
    CreateSkinImage(cut, target, image, source, area, true);
    CreateHSkinImage(coordinate(in), coordinate(in), image, source, area, width, height);
    CreateVSkinImage(coordinate(in), coordinate(in), image, source, area, width, height);

    BorderImages bands;
    CreateSkinBorderImages(cut, target, bands, source, area, stretch);
    CreateSkinMask(cut, target, mask, bands);
    CreateSkinRegion(cut, target, mask);
    checkRegion(CreateRgnFromBmp(mask, coordinate(in), coordinate(in)), mask);

    for (const ResizeMode mode :
        {ResizeMode::None, ResizeMode::Fixed, ResizeMode::NinePart, ResizeMode::Horizontal, ResizeMode::Vertical}) {
        const CutTarget fitted = fitCut(cut, mode, {width, height});
        composeCutImage(image, source, area, cut, mode, fitted);
        cutRegion(mask, cut, mode, fitted);
        moveRectToSize(cut, mode, rect(in), {width, height});
    }

    TkvEffectBmp from(source);
    TkvEffectBmp to(source);
    to.Invert();
    const double k = in.ConsumeFloatingPointInRange(-1.0, 2.0);
    for (int kind = 0; kind <= int(TkvMorphKind::mkPush); ++kind) {
        TkvEffectBmp work(from);
        work.MorphBy(TkvMorphKind(kind), to, k);
        if (work.Width() != from.Width() || work.Height() != from.Height())
            std::abort();
    }
    from.SplitBlur(in.ConsumeIntegralInRange(-70, 70));
    from.AddMonoNoise(in.ConsumeIntegralInRange(-5, 300));
    from.ChangeBrightness(k);
    from.ChangeDarkness(k);
    from.GrayScale();
    return 0;
}
