// Drawing the frame: the skin's bands with the objects on them, the plain
// frame without a skin, and the client area's background.

#include "skin/frame/FramePainter.h"

#include "platform/Color.h"
#include "platform/RegionPaint.h"
#include "skin/data/SkinDrawing.h"
#include "skin/data/SkinImageBuilders.h"
#include "skin/data/TkvEffectBmp.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/FrameLayout.h"
#include "skin/frame/FrameObjects.h"

#include <QPainter>

#include <algorithm>

namespace skin {

using platform::TBitmap;

namespace {

// A tile of one colour fills as that colour: every control's repaint
// fills the background under it, and a plain fill costs far less.
QBrush tileBrush(const QImage& tile)
{
    const QRgb first = tile.pixel(0, 0);
    for (int y = 0; y < tile.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(tile.constScanLine(y));
        for (int x = 0; x < tile.width(); ++x) {
            if (row[x] != first)
                return QBrush(tile);
        }
    }
    return QBrush(QColor::fromRgb(first));
}

// The part of the main picture under the client rectangle, which tiles the
// client area; only what lies inside the picture, so that a skin's client
// rectangle cannot ask for a tile millions of pixels wide.
QRect clientTile(const TkvSkinData& skin)
{
    const TBitmap* picture = skin.decodedPicture();
    const TRect& c = skin.clientrect;
    if (!picture || isNullRect(c))
        return {};
    return QRect(c.left, c.top, c.width(), c.height()).intersected(picture->image().rect());
}

} // namespace

void FramePainter::paintSkin(QPainter& painter, const QRegion& region, const Frame& frame, const TkvSkinData& skin)
{
    const int w = frame.size.width();
    const int h = frame.size.height();
    const bool active = frame.activity == FrameActivity::Active;
    const TBitmap* source = !active && skin.decodedInactivePicture() ? skin.decodedInactivePicture()
                                                                     : skin.decodedPicture();
    if (!source)
        return;
    const SkinCut cut = FrameLayout::frameCut(skin, skin.clientrect);
    BorderImages bands;
    for (TBitmap* band : {&bands.top, &bands.left, &bands.right, &bands.bottom})
        band->SetRatio(painter.device()->devicePixelRatioF());
    CreateSkinBorderImages(cut, stretchedTarget(cut, w, h), bands, *source, {0, 0, source->Width(), source->Height()},
        {skin.leftstretch, skin.topstretch, skin.rightstretch, skin.bottomstretch});
    const TRect& client = frame.geometry.clientrect;
    for (const auto& object : frame.objects) {
        if (!object->visible)
            continue;
        if (object->ObjectRect.bottom > client.top)
            object->Draw(bands.bottom.Canvas(), QPoint(0, client.bottom), false);
        else
            object->Draw(bands.top.Canvas(), QPoint(0, 0), false);
    }
    if (!active && skin.autorenderinginactiveimage) {
        for (TBitmap* band : {&bands.top, &bands.left, &bands.right, &bands.bottom}) {
            if (band->Empty())
                continue;
            TkvEffectBmp effect(*band);
            effect.ApplyInActiveEffect(skin.inactiveeffect);
            effect.toBitmap(*band);
        }
    }
    const int topHeight = bands.top.Height();
    platform::drawImageInRegion(painter, region, {0, 0}, bands.top.image());
    platform::drawImageInRegion(painter, region, {0, topHeight}, bands.left.image());
    platform::drawImageInRegion(painter, region, {w - bands.right.Width(), topHeight}, bands.right.image());
    platform::drawImageInRegion(painter, region, {0, h - bands.bottom.Height()}, bands.bottom.image());
}

void FramePainter::paintDefault(QPainter& painter, const QRegion& region, const Frame& frame, const QString& title)
{
    const int w = frame.size.width();
    const int h = frame.size.height();
    TBitmap picture(w, h, painter.device()->devicePixelRatioF());
    platform::TCanvas& c = picture.Canvas();
    c.Brush.Color = platform::clBtnFace;
    c.FillRect({0, 0, w, h});
    const TRect caption = frame.geometry.captionrect;
    for (int row = 2; row <= kDefCaptionHeight - 4; ++row) {
        c.Pen.Color = row % 2 ? platform::clBtnHighlight : platform::clBtnShadow;
        c.MoveTo(caption.left + 2, kDefBorder + row);
        c.LineTo(caption.right - 3, kDefBorder + row);
    }
    const bool active = frame.activity == FrameActivity::Active;
    c.Font.Name = QStringLiteral("Arial");
    c.Font.Height = 14;
    c.Font.Style = platform::FontStyle::Bold;
    c.Font.Color = active ? platform::clBtnText : platform::clBtnShadow;
    const QString text = CorrectTextbyWidth(c, title, caption.width());
    const int textWidth = c.TextWidth(text);
    c.Brush.Color = platform::clBtnFace;
    c.TextOut(caption.left + caption.width() / 2 - textWidth / 2,
        kDefBorder + kDefCaptionHeight / 2 - c.TextHeight(text) / 2, text);
    for (const auto& object : frame.objects) {
        if (object->visible)
            object->Draw(c, QPoint(0, 0), true);
    }
    Frm3D(c, {0, 0, w, h}, platform::cl3DLight, platform::cl3DDkShadow);
    Frm3D(c, {1, 1, w - 1, h - 1}, platform::clBtnHighlight, platform::clBtnShadow);
    Frm3D(c, {2, 2, w - 2, h - 2}, platform::clBtnFace, platform::clBtnFace);
    platform::drawImageInRegion(painter, region, {0, 0}, picture.image());
}

void FramePainter::setLogo(const QImage& logo, bool transparent)
{
    m_logo = logo.convertToFormat(QImage::Format_ARGB32);
    if (!transparent || m_logo.isNull())
        return;
    const QRgb key = m_logo.pixel(0, m_logo.height() - 1) & 0xFFFFFF;
    for (int y = 0; y < m_logo.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(m_logo.scanLine(y));
        for (int x = 0; x < m_logo.width(); ++x)
            if ((row[x] & 0xFFFFFF) == key)
                row[x] = 0;
    }
}

void FramePainter::paintClient(QPainter& painter, const QRegion& region, const TkvSkinData* skinInUse, QSize client)
{
    if (skinInUse && m_clientBrush.style() == Qt::NoBrush) {
        const TkvSkinData& skin = *skinInUse;
        const TBitmap* background = skin.decodedActivePicture(skin.bgpictureindex);
        if (background && !background->Empty())
            m_clientBrush = tileBrush(background->image());
        else if (const QRect tile = clientTile(skin); !tile.isEmpty())
            m_clientBrush = tileBrush(skin.decodedPicture()->image().copy(tile));
    }
    if (skinInUse && m_clientBrush.style() != Qt::NoBrush)
        platform::fillRegion(painter, region, m_clientBrush);
    else
        platform::fillRegion(painter, region, QColor::fromRgb(platform::toQRgb(platform::clBtnFace)));
    if (m_logo.isNull())
        return;
    const QPoint at(std::max(0, client.width() / 2 - m_logo.width() / 2), std::max(0, client.height() / 2 - m_logo.height() / 2));
    painter.save();
    painter.setClipRegion(region);
    // 1x art: crisp at whole ratios, filtered at fractional ones.
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !platform::isWholeRatio(ratio));
    painter.drawImage(at, m_logo);
    painter.restore();
}

} // namespace skin
