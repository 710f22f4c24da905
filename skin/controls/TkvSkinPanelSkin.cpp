#include "skin/controls/TkvSkinPanel.h"

#include "skin/controls/DefaultLook.h"

// The panel's skin look: the record's image with its caption strip, or a
// background picture, and the client area the record leaves to children.
namespace skin {

using platform::TRect;

namespace {

// Repeats area source of picture over all of canvas's rect, from its
// top-left corner; the last column and row of tiles are cut.
void tile(platform::TCanvas& canvas, const TRect& rect, const platform::TCanvas& picture, const TRect& source)
{
    if (isNullRect(source))
        return;
    for (int y = rect.top; y < rect.bottom; y += source.height())
        for (int x = rect.left; x < rect.right; x += source.width()) {
            const int w = std::min(source.width(), rect.right - x);
            const int h = std::min(source.height(), rect.bottom - y);
            canvas.CopyRect({x, y, x + w, y + h}, picture, {source.left, source.top, source.left + w, source.top + h});
        }
}

} // namespace

void TkvSkinPanel::GetSkinData()
{
    TkvSkinCustomControl::GetSkinData();
    const auto* panel = record<TkvDataSkinPanelControl>();
    const platform::TBitmap* background = panel && SkinData() ? SkinData()->decodedActivePicture(panel->bgpictureindex)
                                                              : nullptr;
    static const platform::TBitmap none;
    m_bgPicture.Assign(background ? *background : none);
}

void TkvSkinPanel::ChangeSkinData()
{
    TkvSkinCustomControl::ChangeSkinData();
    // A rolled-up panel keeps its remembered height and takes the new
    // skin's caption height.
    if (m_rollUpState && m_realHeight != -1) {
        const int expanded = m_realHeight;
        m_realHeight = -1;
        setSize(width(), expanded);
        DoRollUp(true);
    }
    applyClientMargins();
    update();
}

void TkvSkinPanel::sizeChanged()
{
    TkvSkinCustomControl::sizeChanged();
    applyClientMargins();
    if (!hasRecord())
        update();
}

void TkvSkinPanel::CreateControlSkinImage(platform::TBitmap& bitmap)
{
    const auto* panel = record<TkvDataSkinPanelControl>();
    platform::TCanvas& canvas = bitmap.Canvas();
    if (!m_bgPicture.Empty()) {
        tile(canvas, {0, 0, width(), height()}, m_bgPicture.Canvas(), {0, 0, m_bgPicture.Width(), m_bgPicture.Height()});
        return;
    }
    if (plainClientLook()) {
        const TRect client = panel->clientrect;
        const TRect source{panel->skinrect.left + client.left, panel->skinrect.top + client.top,
            panel->skinrect.left + client.right, panel->skinrect.top + client.bottom};
        tile(canvas, {0, 0, width(), height()}, skinPicture().Canvas(), source);
        return;
    }
    TkvSkinCustomControl::CreateControlSkinImage(bitmap);
    if (!m_caption.isEmpty() && !isNullRect(panel->captionrect))
        drawSkinCaption(bitmap.Canvas());
}

void TkvSkinPanel::drawSkinCaption(platform::TCanvas& canvas)
{
    const auto* panel = record<TkvDataSkinPanelControl>();
    TRect r = captionRect();
    if (m_rollUpMode)
        r.right -= 12;
    if (m_checkedMode) {
        const TRect box = m_checked ? panel->checkimagerect : panel->uncheckimagerect;
        if (!isNullRect(box)) {
            const platform::TBitmap& picture = skinPicture();
            canvas.DrawTransparent(r.left, r.top + r.height() / 2 - box.height() / 2, picture, box,
                picture.Canvas().Pixels(box.left, box.bottom - 1));
            r.left += box.width() + 2;
        }
    }
    if (m_rollUpMode)
        drawArrow(canvas, {r.right, r.top, r.right + 10, r.bottom},
            m_rollUpState ? ArrowDirection::Down : ArrowDirection::Up, panel->fontcolor);
    // The record's alignment decides, not DefaultAlignment.
    drawCaptionLine(canvas, r, panel->alignment, 0);
}

} // namespace skin
