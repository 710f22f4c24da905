#include "skin/controls/TkvSkinGauge.h"

#include "skin/controls/DefaultLook.h"

#include <algorithm>

// The gauge's skin look: the record's image with the progress picture laid
// in tiles over the filled part of the progress area.
namespace skin {

using platform::TRect;

namespace {

// Tiles the middle of the progress picture over the filled part p, from
// its start (left, or bottom when vertical); the last tile is cut. The
// fixed caps go to both ends of p when it is long enough for them.
void drawProgress(platform::TCanvas& canvas, const platform::TCanvas& picture, const TRect& p, const TRect& source,
    int begin, int end, bool vertical)
{
    // The caps are parts of the progress picture: offsets beyond it are
    // held to it, so that no skin asks for millions of tiles.
    const int sourceLength = std::max(vertical ? source.height() : source.width(), 0);
    begin = std::clamp(begin, 0, sourceLength);
    end = std::clamp(end, 0, sourceLength);
    const int length = vertical ? p.height() : p.width();
    if (length - begin - end > 0) {
        const int tile = (vertical ? source.height() : source.width()) - begin - end;
        // A progress picture without a middle draws nothing at all.
        if (tile <= 0)
            return;
        const int span = length - begin - end;
        for (int i = 0; i * tile < span; ++i) {
            const int piece = std::min(tile, span - i * tile);
            if (vertical) {
                const int bottom = p.bottom - end - i * tile;
                canvas.CopyRect({p.left, bottom - piece, p.right, bottom}, picture,
                    {source.left, source.bottom - end - piece, source.right, source.bottom - end});
            } else {
                const int left = p.left + begin + i * tile;
                canvas.CopyRect({left, p.top, left + piece, p.bottom}, picture,
                    {source.left + begin, source.top, source.left + begin + piece, source.bottom});
            }
        }
    }
    if (length < begin + end)
        return;
    if (vertical) {
        canvas.CopyRect({p.left, p.top, p.right, p.top + begin}, picture,
            {source.left, source.top, source.right, source.top + begin});
        canvas.CopyRect({p.left, p.bottom - end, p.right, p.bottom}, picture,
            {source.left, source.bottom - end, source.right, source.bottom});
    } else {
        canvas.CopyRect({p.left, p.top, p.left + begin, p.bottom}, picture,
            {source.left, source.top, source.left + begin, source.bottom});
        canvas.CopyRect({p.right - end, p.top, p.right, p.bottom}, picture,
            {source.right - end, source.top, source.right, source.bottom});
    }
}

} // namespace

void TkvSkinGauge::CreateImage(platform::TBitmap& bitmap)
{
    TkvSkinCustomControl::CreateControlSkinImage(bitmap);
    const auto* gauge = record<TkvDataSkinGaugeControl>();
    drawProgress(bitmap.Canvas(), skinPicture().Canvas(), CalcProgressRect(adjustedProgressArea()),
        gauge->progressrect, gauge->beginoffset, gauge->endoffset, m_vertical);
}

void TkvSkinGauge::CreateControlSkinImage(platform::TBitmap& bitmap)
{
    if (m_useSkinSize) {
        CreateImage(bitmap);
        DrawProgressText(bitmap.Canvas());
        return;
    }
    // The skin's own height (or width) stretched over the whole control.
    platform::TBitmap image(width(), height());
    CreateImage(image);
    bitmap.SetSize(width(), height());
    bitmap.Canvas().StretchDraw({0, 0, width(), height()}, image);
    DrawProgressText(bitmap.Canvas());
}

} // namespace skin
