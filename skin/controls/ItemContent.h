#pragma once

#include "skin/controls/ControlTypes.h"

#include "platform/Canvas.h"
#include "platform/TImageList.h"

#include <QPointer>
#include <QString>

namespace skin {

// The pictures a list or a combo box shows beside its items.
struct ItemImages {
    QPointer<platform::TImageList> list;
    // The one image of every item; negative: each item its own number.
    int index = -1;
};

// One item's content as the list and the combo box's face draw it.
struct ItemContent {
    int index = -1;
    QString text;
    // In the coordinates of the canvas it is drawn on.
    platform::TRect textRect;
    TOwnerDrawState state;
    // Pixels the content is scrolled to the left.
    int horizontalOffset = 0;
};

// Draws item inside its text rectangle on canvas, whose font and colour
// are already the item's: by ownerDraw when assigned (raised with sender),
// otherwise the picture at the rectangle's left, centred vertically, and
// the text clipped to the rectangle, 2 pixels after the picture. With
// images the text is moved by the image width + 2 whether or not the item
// has a picture, so all texts of a list start in one column.
void drawItemContent(platform::TCanvas& canvas, const ItemContent& item, const ItemImages& images,
    const TkvDrawSkinItemEvent& ownerDraw, QObject* sender);

} // namespace skin
