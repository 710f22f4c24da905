#include "skin/controls/ItemContent.h"

namespace skin {

using platform::TRect;

void drawItemContent(platform::TCanvas& canvas, const ItemContent& item, const ItemImages& images,
    const TkvDrawSkinItemEvent& ownerDraw, QObject* sender)
{
    if (ownerDraw) {
        ownerDraw(sender, canvas, item.index, item.textRect, item.state);
        return;
    }
    const TRect& r = item.textRect;
    int shift = 0;
    if (images.list) {
        const platform::TImageList& list = *images.list;
        const int number = images.index >= 0 ? images.index : item.index;
        const platform::TImageLook look = item.state.testFlag(TOwnerDrawStateItem::odDisabled)
            ? platform::TImageLook::Disabled
            : platform::TImageLook::Enabled;
        list.Draw(canvas, r.left - item.horizontalOffset, r.top + r.height() / 2 - list.Height() / 2, number, look);
        shift = list.Width() + 2;
    }
    canvas.Brush.Style = platform::BrushStyle::Clear;
    canvas.TextRect(r, r.left + shift - item.horizontalOffset + 2,
        r.top + r.height() / 2 - canvas.TextHeight(item.text) / 2, item.text);
}

} // namespace skin
