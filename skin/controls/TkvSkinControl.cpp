#include "skin/controls/TkvSkinControl.h"

#include "platform/RegionPaint.h"

#include <QPaintEvent>
#include <QPainter>

namespace skin {

TkvSkinControl::TkvSkinControl(QWidget* parent) : SkinnedWidget(parent, QString())
{
    // The face covers every pixel; nothing of the parent shows through.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

TkvSkinControl::~TkvSkinControl() = default;

void TkvSkinControl::ChangeSkinData()
{
    GetSkinData();
    update();
}

void TkvSkinControl::CreateControlDefaultImage(platform::TBitmap&) {}

void TkvSkinControl::CreateControlSkinImage(platform::TBitmap&) {}

QImage TkvSkinControl::renderFace()
{
    if (width() <= 0 || height() <= 0)
        return {};
    GetSkinData();
    platform::TBitmap bitmap(width(), height(), devicePixelRatioF());
    if (hasRecord())
        CreateControlSkinImage(bitmap);
    else
        CreateControlDefaultImage(bitmap);
    return bitmap.image();
}

void TkvSkinControl::paintEvent(QPaintEvent* event)
{
    const QImage face = renderFace();
    if (face.isNull())
        return;
    QPainter painter(this);
    platform::drawImageInRegion(painter, event->region(), {0, 0}, face);
    platform::paintDimming(painter, rect(), dimming());
}

void TkvSkinControl::enterEvent(QEnterEvent*) { raiseEvent(OnMouseEnter, this); }

void TkvSkinControl::leaveEvent(QEvent*) { raiseEvent(OnMouseLeave, this); }

} // namespace skin
