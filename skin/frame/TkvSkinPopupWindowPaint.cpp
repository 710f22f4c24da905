// Painting of a popup window: the window image, its rows and the scroll
// markers, all built off-screen and copied in one step.

#include "skin/frame/TkvSkinPopupWindow.h"

#include "platform/Color.h"
#include "skin/data/SkinDrawing.h"
#include "skin/data/SkinImageBuilders.h"
#include "skin/data/TkvEffectBmp.h"
#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSkinMenu.h"

#include <QPainter>

namespace skin {

using platform::TBitmap;
using platform::TCanvas;
using platform::TColor;

namespace {

constexpr int kMarker = 10;

// Glyphs of the window commands, chosen by the item's name.
bool drawCommandGlyph(TCanvas& canvas, const QString& name, int x, int y, TColor color)
{
    if (name == u"QRN_CLOSE" || name == u"TRAY_QRN_CLOSE")
        DrawCloseImage(canvas, x, y, color);
    else if (name == u"QRN_MINITEM")
        DrawMinimizeImage(canvas, x, y, color);
    else if (name == u"QRN_MAXITEM")
        DrawMaximizeImage(canvas, x, y, color);
    else if (name == u"QRN_RESTORE" || name == u"TRAY_QRN_RESTORE")
        DrawRestoreImage(canvas, x, y, color);
    else if (name == u"QRN_ROLLUP")
        DrawRollUpImage(canvas, x, y, color);
    else if (name == u"QRN_MINTOTRAY")
        DrawMTImage(canvas, x, y, color);
    else
        return false;
    return true;
}

} // namespace

TRect TkvSkinPopupWindow::upMarker() const
{
    return {m_itemsRect.left, m_itemsRect.top, m_itemsRect.right, m_itemsRect.top + kMarker};
}

TRect TkvSkinPopupWindow::downMarker() const
{
    return {m_itemsRect.left, m_itemsRect.bottom - kMarker, m_itemsRect.right, m_itemsRect.bottom};
}

void TkvSkinPopupWindow::drawItemContent(TCanvas& canvas, const TkvSkinMenuItem& row, const TRect& t, TColor color,
    int glyphWidth, int limit)
{
    const TkvMenuItem& item = *row.item;
    applyFont(canvas);
    canvas.Font.Color = color;
    canvas.Brush.Style = platform::BrushStyle::Clear;
    int acceleratorAt = -1;
    const QString caption = stripAccelerator(item.Caption, &acceleratorAt);
    const int textHeight = canvas.TextHeight(caption.isEmpty() ? QStringLiteral("W") : caption);
    const int top = t.top + t.height() / 2 - textHeight / 2;
    const int x = t.left + glyphWidth + 1;
    canvas.TextRect({t.left + glyphWidth, top, t.right - limit, top + textHeight}, x, top, caption);
    if (acceleratorAt >= 0) {
        const int from = x + canvas.TextWidth(caption.left(acceleratorAt));
        const int to = x + canvas.TextWidth(caption.left(acceleratorAt + 1));
        canvas.Pen.Color = color;
        canvas.MoveTo(from, top + textHeight - 2);
        canvas.LineTo(to, top + textHeight - 2);
    }
    if (!item.ShortCut.isEmpty()) {
        const int width = canvas.TextWidth(item.ShortCut);
        canvas.TextOut(t.right - width - limit, top, item.ShortCut);
    }
    canvas.Pen.Color = color;
    const int middle = t.top + t.height() / 2;
    if (item.Count() > 0) {
        const int ax = t.right - 7;
        const int ay = middle - 4;
        for (int i = 0; i <= 3; ++i) {
            canvas.MoveTo(ax + i, ay + i);
            canvas.LineTo(ax + i, ay + 7 - i);
        }
    }
    const int gx = t.left + (limit == 16 ? 2 : 3);
    if (!drawCommandGlyph(canvas, item.Name, t.left + 2, middle - 4, color) && item.Checked) {
        if (item.RadioItem)
            DrawRadioImage(canvas, gx, middle - 3, color);
        else
            DrawCheckImage(canvas, gx, middle - 4, color);
    }
    canvas.Brush.Style = platform::BrushStyle::Solid;
}

void TkvSkinPopupWindow::drawSkinnedItem(TCanvas& canvas, TkvSkinMenuItem& row)
{
    const TkvDataSkinMenuItem& r = *m_itemRecord;
    const int w = row.ObjectRect.width();
    const int h = row.ObjectRect.height();
    if (row.item->IsLine()) {
        TBitmap divider;
        CreateHSkinImage(r.dividerleftoffset, r.dividerrightoffset, divider, *m_itemPicture, r.dividerrect, w, h);
        canvas.Draw(row.ObjectRect.left, row.ObjectRect.top, divider);
        return;
    }
    const auto face = [&](TBitmap& image, bool active) {
        CreateHSkinImage(r.itemleftoffset, r.itemrightoffset, image, *m_itemPicture,
            active ? r.activeskinrect : r.skinrect, w, h);
        TRect t = r.textrect;
        t.right = image.Width() + r.textrect.right - r.skinrect.width();
        const TColor color = active ? r.activefontcolor : row.item->Enabled ? r.fontcolor : r.unenabledfontcolor;
        drawItemContent(image.Canvas(), row, t, color, 16, 16);
    };
    const bool lit = row.highlighted || row.down;
    const double kf = r.morphing ? row.morphKf : (lit ? 1.0 : 0.0);
    // The faces carry text: drawn at the window's ratio.
    const qreal ratio = canvas.bitmap().Ratio();
    TBitmap image(0, 0, ratio);
    if (kf > 0 && kf < 1) {
        TBitmap normal(0, 0, ratio);
        TBitmap active(0, 0, ratio);
        face(normal, false);
        face(active, true);
        TkvEffectBmp blend(normal);
        blend.MorphBy(r.morphkind, TkvEffectBmp(active), kf);
        blend.toBitmap(image);
    } else {
        face(image, kf >= 1 || (lit && !r.morphing));
    }
    canvas.Draw(row.ObjectRect.left, row.ObjectRect.top, image);
}

void TkvSkinPopupWindow::drawDefaultItem(TCanvas& canvas, TkvSkinMenuItem& row)
{
    const int w = row.ObjectRect.width();
    const int h = row.ObjectRect.height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap image(w, h, canvas.bitmap().Ratio());
    TCanvas& c = image.Canvas();
    const int glyph = 19;
    const bool lit = (row.highlighted || row.down) && !row.item->IsLine();
    TColor color = platform::clWindowText;
    if (lit) {
        c.Pen.Color = platform::RGB(0, 0, 128);
        c.Brush.Color = platform::RGB(182, 189, 210);
        c.Rectangle(0, 0, w, h);
    } else {
        c.Brush.Color = platform::clBtnFace;
        c.FillRect({0, 0, glyph, h});
        c.Brush.Color = platform::clWindow;
        c.FillRect({glyph, 0, w, h});
        if (!row.item->Enabled)
            color = platform::clGrayText;
    }
    if (row.item->IsLine()) {
        c.Pen.Color = platform::clBtnShadow;
        c.MoveTo(glyph, h / 2);
        c.LineTo(w, h / 2);
    } else {
        drawItemContent(c, row, {2, 2, w - 2, h - 2}, color, glyph, 19);
    }
    canvas.Draw(row.ObjectRect.left, row.ObjectRect.top, image);
}

void TkvSkinPopupWindow::drawMarkers(TCanvas& canvas)
{
    if (!m_scrollMode)
        return;
    const auto colour = [this](int direction) {
        const bool active = m_scrollDirection == direction;
        if (m_record)
            return active ? m_record->scrollmarkeractivecolor : m_record->scrollmarkercolor;
        return active ? platform::clBtnText : platform::clBtnShadow;
    };
    if (m_record) {
        DrawArrowImage(canvas, upMarker(), colour(1), 3);
        DrawArrowImage(canvas, downMarker(), colour(2), 4);
    } else {
        DrawArrowImage(canvas, {3, 3, width() - 3, 13}, colour(1), 3);
        DrawArrowImage(canvas, {3, height() - 10, width() - 3, height() - 3}, colour(2), 4);
    }
}

QImage TkvSkinPopupWindow::render()
{
    const int w = width();
    const int h = height();
    TBitmap window(w, h, devicePixelRatioF());
    TCanvas& c = window.Canvas();
    if (m_record) {
        const SkinCut cut = windowCut();
        CreateSkinImageBS(cut, stretchedTarget(cut, w, h), window, *m_windowPicture,
            {0, 0, m_windowPicture->Width(), m_windowPicture->Height()}, true, m_record->stretch());
    } else {
        c.Brush.Color = platform::clBtnFace;
        c.FillRect({0, 0, 21, h});
        c.Brush.Color = platform::clWindow;
        c.FillRect({21, 0, w, h});
        c.Brush.Style = platform::BrushStyle::Clear;
        c.Pen.Color = platform::clBtnShadow;
        c.Rectangle(0, 0, w, h);
        c.Pen.Color = platform::clWindow;
        c.Rectangle(1, 1, w - 1, h - 1);
        c.Brush.Style = platform::BrushStyle::Solid;
    }
    for (TkvSkinMenuItem& row : m_items) {
        if (!row.visible)
            continue;
        if (m_itemRecord)
            drawSkinnedItem(c, row);
        else
            drawDefaultItem(c, row);
    }
    drawMarkers(c);
    return window.image();
}

void TkvSkinPopupWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, render());
}

} // namespace skin
