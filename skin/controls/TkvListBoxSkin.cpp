#include "skin/controls/TkvListBox.h"

#include "skin/controls/DefaultLook.h"
#include "skin/controls/TkvSkinCustomListBox.h"
#include "skin/data/SkinImageBuilders.h"

// The inner list's items and background drawn from the list box record.
namespace skin {

using platform::TRect;

namespace {

const TRect& orElse(const TRect& r, const TRect& fallback) { return isNullRect(r) ? fallback : r; }

} // namespace

void TkvListBox::drawItemText(platform::TCanvas& canvas, int index, const TRect& textRect, bool selected,
    bool focused)
{
    ItemContent item;
    item.index = index;
    item.text = m_items.value(index);
    item.textRect = textRect;
    item.state.setFlag(TOwnerDrawStateItem::odSelected, selected);
    item.state.setFlag(TOwnerDrawStateItem::odFocused, focused);
    item.state.setFlag(TOwnerDrawStateItem::odDisabled, !isEnabled());
    item.horizontalOffset = m_horizontalOffset;
    drawItemContent(canvas, item, m_frame->itemImages(), m_frame->OnDrawItem, m_frame);
}

void TkvListBox::DrawSkinItem(platform::TCanvas& canvas, int index, const TRect& rect, bool selected, bool focused)
{
    const TkvDataSkinListBox* list = m_frame->listRecord();
    const platform::TBitmap& picture = m_frame->listPicture();
    if (!list || picture.Empty() || index < 0 || index >= m_items.size())
        return;
    TRect source = list->itemrect;
    if (focused && selected)
        source = orElse(list->focusitemrect, list->itemrect);
    else if (selected)
        source = orElse(list->activeitemrect, list->itemrect);
    // The item carries text: drawn at the list's ratio.
    platform::TBitmap item(0, 0, canvas.bitmap().Ratio());
    CreateHSkinImage(list->itemleftoffset, list->itemrightoffset, item, picture, source, rect.width(),
        list->itemrect.height());
    platform::TCanvas& c = item.Canvas();
    if (focused && !selected)
        drawFocusRect(c, {0, 0, item.Width(), item.Height()});
    TRect text = list->itemtextrect;
    text.right += rect.width() - list->itemrect.width();
    c.Font = m_frame->itemFont();
    c.Font.Color = focused && selected ? list->focusfontcolor : selected ? list->activefontcolor : list->fontcolor;
    drawItemText(c, index, text, selected, focused);
    canvas.Draw(rect.left, rect.top, item);
}

void TkvListBox::DrawStretchSkinItem(platform::TCanvas& canvas, int index, const TRect& rect, bool selected,
    bool focused)
{
    const TkvDataSkinListBox* list = m_frame->listRecord();
    const platform::TBitmap& picture = m_frame->listPicture();
    if (!list || picture.Empty() || index < 0 || index >= m_items.size() || list->itemrect.height() <= 0)
        return;
    TRect source = list->itemrect;
    if (focused)
        source = orElse(list->focusitemrect, list->itemrect);
    else if (selected)
        source = orElse(list->activeitemrect, list->itemrect);
    platform::TBitmap built;
    CreateHSkinImage(list->itemleftoffset, list->itemrightoffset, built, picture, source, rect.width(),
        list->itemrect.height());
    platform::TBitmap item(rect.width(), rect.height(), canvas.bitmap().Ratio());
    platform::TCanvas& c = item.Canvas();
    c.StretchDraw({0, 0, rect.width(), rect.height()}, built);
    TRect text = list->itemtextrect;
    text.right += rect.width() - list->itemrect.width();
    text.bottom += rect.height() - list->itemrect.height();
    c.Font = m_frame->itemFont();
    c.Font.Color = focused && selected ? list->focusfontcolor : selected ? list->activefontcolor : list->fontcolor;
    drawItemText(c, index, text, selected, focused);
    canvas.Draw(rect.left, rect.top, item);
}

void TkvListBox::PaintBG(platform::TCanvas& canvas, const TRect& area)
{
    const TkvDataSkinListBox* list = m_frame->listRecord();
    const platform::TBitmap& picture = m_frame->listPicture();
    const TRect& client = list ? list->clientrect : TRect{};
    if (!list || picture.Empty() || client.width() <= 0 || client.height() <= 0) {
        fillRect(canvas, area, platform::clWindow);
        return;
    }
    const TRect tile = platform::Bounds(list->skinrect.left + client.left, list->skinrect.top + client.top,
        client.width(), client.height());
    // Tiles keep their phase from the list's top-left; the last ones are cut.
    const int firstRow = area.top / tile.height() * tile.height();
    for (int y = firstRow; y < area.bottom; y += tile.height())
        for (int x = 0; x < area.right; x += tile.width()) {
            const TRect dest{std::max(x, area.left), std::max(y, area.top), std::min(x + tile.width(), area.right),
                std::min(y + tile.height(), area.bottom)};
            if (dest.width() <= 0 || dest.height() <= 0)
                continue;
            const TRect from{tile.left + dest.left - x, tile.top + dest.top - y, tile.left + dest.right - x,
                tile.top + dest.bottom - y};
            canvas.CopyRect(dest, picture.Canvas(), from);
        }
}

} // namespace skin
