// How the frame objects draw themselves into the frame picture.

#include "skin/frame/FrameObjects.h"

#include "platform/Color.h"
#include "skin/data/SkinDrawing.h"
#include "skin/data/SkinFont.h"
#include "skin/data/SkinImageBuilders.h"
#include "skin/data/SkinTiling.h"
#include "skin/data/TkvEffectBmp.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/TkvSorvane.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <QWidget>

namespace skin {

using platform::TBitmap;
using platform::TCanvas;

namespace {

TRect atOrigin(const TRect& r, QPoint origin)
{
    return {r.left - origin.x(), r.top - origin.y(), r.right - origin.x(), r.bottom - origin.y()};
}

// rect of source stretched into a fresh bitmap of size w x h; empty beyond
// the bound of every skin picture, as the image builders leave theirs.
void cut(TBitmap& into, const TBitmap* source, const TRect& rect, int w, int h)
{
    tiling::sizeBitmap(into, w, h);
    if (source && !into.Empty())
        into.Canvas().CopyRect({0, 0, w, h}, source->Canvas(), rect);
}

// The window's icon, else the application's, else the platform's own.
QIcon windowIcon(const QWidget& form)
{
    if (!form.windowIcon().isNull())
        return form.windowIcon();
    if (!QApplication::windowIcon().isNull())
        return QApplication::windowIcon();
    return QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton);
}

// The icon at the small-icon size with its top-left corner at (x, y),
// blended over what the canvas holds, at the canvas's pixel ratio.
void drawIcon(TCanvas& canvas, int x, int y, const QIcon& icon)
{
    TBitmap& target = canvas.bitmap();
    if (target.Empty())
        return;
    const qreal ratio = target.Ratio();
    QImage pixels(reinterpret_cast<uchar*>(target.ScanLine(0)), target.PixelWidth(), target.PixelHeight(),
        int(target.image().bytesPerLine()), target.image().format());
    QPainter painter(&pixels);
    const int device = platform::toDevice(kSmallIconSize, ratio);
    painter.drawPixmap(platform::toDevice(x, ratio), platform::toDevice(y, ratio),
        icon.pixmap(QSize(device, device), 1.0).scaled(device, device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace

void TkvActiveSkinObject::copyTo(TCanvas& canvas, QPoint origin, const TBitmap* source, const TRect& rect) const
{
    if (source && !isNullRect(rect))
        canvas.CopyRect(atOrigin(ObjectRect, origin), source->Canvas(), rect);
}

void TkvActiveSkinObject::morphTo(TCanvas& canvas, QPoint origin, const TBitmap* fromPicture, const TRect& from,
    const TRect& to) const
{
    const int w = ObjectRect.width();
    const int h = ObjectRect.height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap normal;
    TBitmap active;
    cut(normal, fromPicture, from, w, h);
    cut(active, m_activePicture, to, w, h);
    TkvEffectBmp blend(normal);
    blend.MorphBy(morphkind, TkvEffectBmp(active), morphKf);
    blend.Draw(canvas, ObjectRect.left - origin.x(), ObjectRect.top - origin.y());
}

void TkvActiveSkinObject::Draw(TCanvas& canvas, QPoint origin, bool update)
{
    if (enabled && !formActive() && !isNullRect(inactiveskinrect)) {
        copyTo(canvas, origin, m_activePicture, inactiveskinrect);
        return;
    }
    const TBitmap* normalPicture = skinrectinapicture ? m_activePicture : m_picture;
    if (morphInProgress()) {
        morphTo(canvas, origin, normalPicture, skinrect, activeskinrect);
        return;
    }
    if (highlighted && !isNullRect(activeskinrect)) {
        copyTo(canvas, origin, m_activePicture, activeskinrect);
        return;
    }
    if (!update && !skinrectinapicture)
        return;
    copyTo(canvas, origin, normalPicture, skinrect);
}

void TkvUserObject::Draw(TCanvas& canvas, QPoint, bool)
{
    if (m_owner.OnPaintEvent)
        m_owner.OnPaintEvent(IDName, canvas, ObjectRect);
}

void TkvSkinButtonObject::Draw(TCanvas& canvas, QPoint origin, bool update)
{
    if (!enabled && !isNullRect(disabledrect)) {
        copyTo(canvas, origin, m_activePicture, disabledrect);
        return;
    }
    if (down && !isNullRect(downrect) && mouseInside) {
        copyTo(canvas, origin, m_activePicture, downrect);
        return;
    }
    TkvActiveSkinObject::Draw(canvas, origin, update);
}

void TkvSkinStdButtonObject::Draw(TCanvas& canvas, QPoint origin, bool update)
{
    if (!skinSupport) {
        drawDefault(canvas, origin);
        return;
    }
    // A button in its restore state keeps its restore glyph when the window
    // is inactive: its plain inactive image would show the other command.
    const bool restoreFace = inRestoreState() && !isNullRect(restorerect);
    if (!enabled || (!formActive() && !isNullRect(inactiveskinrect) && !restoreFace)) {
        TkvSkinButtonObject::Draw(canvas, origin, update);
        return;
    }
    if (drawsWindowIcon()) {
        drawIcon(canvas, ObjectRect.left - origin.x(), ObjectRect.top - origin.y(), windowIcon(*m_owner.Form()));
        morphKf = 0;
        return;
    }
    if (restoreFace) {
        if (!formActive() && !isNullRect(restoreinactiverect))
            copyTo(canvas, origin, m_activePicture, restoreinactiverect);
        else if (down && !isNullRect(restoredownrect) && mouseInside)
            copyTo(canvas, origin, m_activePicture, restoredownrect);
        else if (morphInProgress() && !isNullRect(restoreactiverect))
            morphTo(canvas, origin, m_activePicture, restorerect, restoreactiverect);
        else if (highlighted && !isNullRect(restoreactiverect))
            copyTo(canvas, origin, m_activePicture, restoreactiverect);
        else
            copyTo(canvas, origin, m_activePicture, restorerect);
        return;
    }
    TkvSkinButtonObject::Draw(canvas, origin, update);
}

bool TkvSkinStdButtonObject::drawsWindowIcon() const
{
    return command == TkvStdCommand::cmSysMenu && m_owner.ShowIcon() && skinrectinapicture;
}

void TkvSkinStdButtonObject::drawDefault(TCanvas& canvas, QPoint origin) const
{
    const int w = ObjectRect.width();
    const int h = ObjectRect.height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap face(w, h, canvas.bitmap().Ratio());
    TCanvas& c = face.Canvas();
    const bool pressed = down && mouseInside;
    if (pressed || mouseInside) {
        c.Brush.Color = pressed ? platform::RGB(133, 146, 181) : platform::RGB(182, 189, 210);
        c.Pen.Color = platform::RGB(0, 0, 128);
        c.Rectangle(0, 0, w, h);
    } else {
        c.Brush.Color = platform::clBtnFace;
        c.FillRect({0, 0, w, h});
    }
    const int x = w / 2 - 5 + (pressed ? 1 : 0);
    const int y = h / 2 - 4 + (pressed ? 1 : 0);
    const platform::TColor ink = enabled ? platform::clBtnText : platform::clBtnShadow;
    switch (command) {
    case TkvStdCommand::cmClose:
        DrawCloseImage(c, x, y, ink);
        break;
    case TkvStdCommand::cmMaximize:
        if (inRestoreState())
            DrawRestoreImage(c, x, y, ink);
        else
            DrawMaximizeImage(c, x, y, ink);
        break;
    case TkvStdCommand::cmMinimize:
        if (inRestoreState())
            DrawRestoreImage(c, x, y, ink);
        else
            DrawMinimizeImage(c, x, y, ink);
        break;
    case TkvStdCommand::cmSysMenu:
        if (m_owner.ShowIcon())
            drawIcon(c, 0, 0, windowIcon(*m_owner.Form()));
        else
            DrawSysMenuImage(c, x, y, ink);
        break;
    case TkvStdCommand::cmRollUp:
        if (inRestoreState())
            DrawRestoreRollUpImage(c, x, y, ink);
        else
            DrawRollUpImage(c, x, y, ink);
        break;
    case TkvStdCommand::cmMinimizeToTray:
        DrawMTImage(c, x, y, ink);
        break;
    case TkvStdCommand::cmDefault:
        break;
    }
    canvas.Draw(ObjectRect.left - origin.x(), ObjectRect.top - origin.y(), face);
}

TRect TkvSkinCaptionObject::textRect() const
{
    TRect t = textrect;
    t.right = ObjectRect.width() + textrect.right - skinrect.width();
    if (hasTextFrame()) {
        t.left += frametextrect.left;
        t.top += frametextrect.top;
        t.right += frametextrect.right - framerect.width();
    }
    return t;
}

void TkvSkinCaptionObject::drawTextFrame(TCanvas& canvas, int x, int y, int textWidth, bool active) const
{
    const TRect& source = active && !isNullRect(activeframerect) ? activeframerect : framerect;
    const int width = framerect.width() + textWidth - frametextrect.width();
    if (width <= 0 || framerect.height() <= 0)
        return;
    TBitmap plate(0, 0, canvas.bitmap().Ratio());
    CreateHSkinImage(frameleftoffset, framerightoffset, plate, *m_activePicture, source, width, framerect.height());
    canvas.Draw(x - frametextrect.left, y - frametextrect.top, plate);
}

QString TkvSkinCaptionObject::fittedText(TCanvas& canvas, int width) const
{
    const QString text = m_owner.Form()->windowTitle();
    if (text.isEmpty() || canvas.TextWidth(text) <= width)
        return text;
    QString head = text;
    while (!head.isEmpty()) {
        head.chop(1);
        if (canvas.TextWidth(head + QStringLiteral("...")) <= width)
            break;
    }
    return head + QStringLiteral("...");
}

void TkvSkinCaptionObject::drawText(TCanvas& canvas, QPoint at, bool active) const
{
    if (isNullRect(textrect))
        return;
    canvas.Font = recordFont({fontname, fontheight, fontstyle, fontcolor});
    const TRect t = textRect();
    const QString text = fittedText(canvas, t.width());
    if (text.isEmpty())
        return;
    const int textWidth = canvas.TextWidth(text);
    const int textHeight = canvas.TextHeight(text);
    int y = t.top + t.height() / 2 - textHeight / 2;
    int x = t.left;
    if (alignment == TAlignment::taRightJustify)
        x = t.right - textWidth;
    else if (alignment == TAlignment::taCenter)
        x = t.left + t.width() / 2 - textWidth / 2;
    x += at.x();
    y += at.y();
    if (hasTextFrame())
        drawTextFrame(canvas, x, y, textWidth, active);
    canvas.Brush.Style = platform::BrushStyle::Clear;
    if (shadow) {
        canvas.Font.Color = active ? activeshadowcolor : shadowcolor;
        canvas.TextOut(x + 1, y + 1, text);
    }
    canvas.Font.Color = active ? activefontcolor : fontcolor;
    canvas.TextOut(x, y, text);
    canvas.Brush.Style = platform::BrushStyle::Solid;
}

void TkvSkinCaptionObject::buildFace(TBitmap& face, bool active) const
{
    const int w = ObjectRect.width();
    const int h = ObjectRect.height();
    tiling::sizeBitmap(face, w, h);
    if (face.Empty())
        return;
    const TBitmap* picture = active ? m_activePicture : m_picture;
    const TRect s = active ? activeskinrect : skinrect;
    const FrameGeometry& g = m_owner.Geometry();
    const int a = std::max(0, g.skinLeftTop.x - skinrect.left);
    const int b = std::max(0, skinrect.right - g.skinRightTop.x);
    if (picture) {
        TCanvas& c = face.Canvas();
        const int middle = s.width() - a - b;
        if ((a == 0 && b == 0) || middle <= 0) {
            c.CopyRect({0, 0, w, h}, picture->Canvas(), s);
        } else {
            for (int x = 0; x < w; x += middle) {
                const int piece = std::min(middle, w - x);
                c.CopyRect({x, 0, x + piece, h}, picture->Canvas(), {s.left + a, s.top, s.left + a + piece, s.bottom});
            }
            c.CopyRect({0, 0, a, h}, picture->Canvas(), {s.left, s.top, s.left + a, s.bottom});
            c.CopyRect({w - b, 0, w, h}, picture->Canvas(), {s.right - b, s.top, s.right, s.bottom});
        }
    }
    drawText(face.Canvas(), {0, 0}, active);
}

void TkvSkinCaptionObject::applyInactiveEffect(TBitmap& face) const
{
    const TkvSkinData* data = m_owner.SkinData();
    if (!data || !data->autorenderinginactiveimage)
        return;
    TkvEffectBmp effect(face);
    effect.ApplyInActiveEffect(data->inactiveeffect);
    effect.toBitmap(face);
}

void TkvSkinCaptionObject::Draw(TCanvas& canvas, QPoint origin, bool)
{
    const int w = ObjectRect.width();
    const int h = ObjectRect.height();
    if (w <= 0 || h <= 0)
        return;
    const QPoint at(ObjectRect.left - origin.x(), ObjectRect.top - origin.y());
    if (morphInProgress()) {
        // The faces carry text: drawn at the frame's ratio.
        TBitmap normal(0, 0, canvas.bitmap().Ratio());
        TBitmap active(0, 0, canvas.bitmap().Ratio());
        buildFace(normal, false);
        buildFace(active, true);
        TkvEffectBmp blend(normal);
        blend.MorphBy(morphkind, TkvEffectBmp(active), morphKf);
        TBitmap result;
        blend.toBitmap(result);
        if (!highlighted)
            applyInactiveEffect(result);
        canvas.Draw(at.x(), at.y(), result);
        return;
    }
    if (isNullRect(activeskinrect) || (!highlighted && !morphing)) {
        drawText(canvas, at, highlighted);
        return;
    }
    TBitmap face(0, 0, canvas.bitmap().Ratio());
    buildFace(face, highlighted);
    if (!highlighted)
        applyInactiveEffect(face);
    canvas.Draw(at.x(), at.y(), face);
}

} // namespace skin
