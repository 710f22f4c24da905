#include "skin/data/SkinWindowHelpers.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace skin {

namespace {

TRect toRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

} // namespace

void GetParentImage(const QWidget* control, platform::TCanvas& canvas)
{
    QWidget* parent = control ? control->parentWidget() : nullptr;
    platform::TBitmap& target = canvas.bitmap();
    if (!parent || target.Empty())
        return;
    // Children are left out: the control itself is one of them and would
    // ask for its parent's image again.
    QImage image(target.PixelWidth(), target.PixelHeight(), QImage::Format_RGB32);
    image.setDevicePixelRatio(target.Ratio());
    image.fill(Qt::white);
    const QRect area(control->pos(), QSize(target.Width(), target.Height()));
    parent->render(&image, QPoint(0, 0), QRegion(area.intersected(parent->rect())), QWidget::DrawWindowBackground);
    platform::TBitmap background(target.Width(), target.Height(), target.Ratio());
    background.setPixels(image);
    canvas.Draw(0, 0, background);
}

void GetScreenImage(int x, int y, platform::TBitmap& bitmap)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || bitmap.Empty())
        return;
    const QPixmap grab = screen->grabWindow(0, x, y, bitmap.Width(), bitmap.Height());
    if (grab.isNull())
        return;
    platform::TBitmap shot;
    shot.setImage(grab.toImage());
    bitmap.Canvas().Draw(0, 0, shot);
}

void SetAlphaBlendTransparent(QWidget* window, int value)
{
    if (window)
        window->setWindowOpacity(std::clamp(value, 0, 255) / 255.0);
}

TRect GetMonitorWorkArea(const QWidget* window)
{
    QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        return GetPrimaryMonitorWorkArea();
    return toRect(screen->availableGeometry());
}

TRect GetPrimaryMonitorWorkArea()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? toRect(screen->availableGeometry()) : TRect{};
}

} // namespace skin
