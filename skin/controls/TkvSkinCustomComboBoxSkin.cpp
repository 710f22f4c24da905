#include "skin/controls/TkvSkinCustomComboBox.h"

#include "skin/controls/DefaultLook.h"
#include "skin/data/SkinImageBuilders.h"

// The combo box's face drawn from its record.
namespace skin {

using platform::TRect;

void TkvSkinCustomComboBox::CreateControlSkinImage(platform::TBitmap& bitmap)
{
    const auto* combo = record<TkvDataSkinComboBox>();
    CalcRects();
    TkvSkinCustomControl::CreateControlSkinImage(bitmap);
    DrawButton(bitmap.Canvas(), *combo);
    // The inner edit shows the text over the base image's item area.
    if (!m_edit)
        DrawSkinItem(bitmap.Canvas(), *combo, itemFace());
}

void TkvSkinCustomComboBox::DrawButton(platform::TCanvas& canvas, const TkvDataSkinComboBox& combo)
{
    // The base image already shows the button at rest.
    const TRect source = embeddedButtonSource(
        buttonFace(), combo.activebuttonrect, combo.downbuttonrect, combo.unenabledbuttonrect);
    if (!isNullRect(source))
        canvas.CopyRect(m_buttonRect, skinPicture().Canvas(), source);
}

void TkvSkinCustomComboBox::DrawSkinItem(
    platform::TCanvas& canvas, const TkvDataSkinComboBox& combo, const PartFace& look)
{
    if (m_itemRect.width() <= 0)
        return;
    const bool focused = look.focused;
    int itemHeight = combo.itemrect.height();
    if (itemHeight <= 0)
        itemHeight = combo.focusitemrect.height();
    if (itemHeight <= 0)
        itemHeight = m_itemRect.height();
    const TRect source = focused && !isNullRect(combo.focusitemrect) ? combo.focusitemrect : combo.itemrect;
    // The item carries text: drawn at the control's ratio.
    platform::TBitmap item(0, 0, canvas.bitmap().Ratio());
    if (isNullRect(source)) {
        item.SetSize(m_itemRect.width(), itemHeight);
        item.Canvas().CopyRect({0, 0, m_itemRect.width(), itemHeight}, canvas,
            platform::Bounds(m_itemRect.left, m_itemRect.top, m_itemRect.width(), itemHeight));
    } else {
        CreateHSkinImage(combo.itemleftoffset, combo.itemrightoffset, item, skinPicture(), source, m_itemRect.width(),
            itemHeight);
    }
    const int shown = shownItem();
    if (shown >= 0 && shown < Items().size()) {
        platform::TCanvas& c = item.Canvas();
        TRect text = combo.itemtextrect;
        text.right += m_itemRect.width() - combo.itemrect.width();
        c.Font = skinFont(m_font, UseSkinFont());
        c.Font.Color = focused ? combo.focusfontcolor : combo.fontcolor;
        drawFaceItemContent(c, text, look);
    }
    canvas.Draw(m_itemRect.left, m_itemRect.top, item);
}

} // namespace skin
