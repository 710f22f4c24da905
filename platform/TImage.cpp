#include "platform/TImage.h"

#include <QPainter>

namespace platform {

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
    // The bitmap covers the whole control: nothing to erase underneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImage::SetBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
    m_picture.SetSize(width, height);
}

TBitmap& TImage::Picture()
{
    drawIfOutOfDate();
    return m_picture;
}

const TBitmap& TImage::Picture() const
{
    drawIfOutOfDate();
    return m_picture;
}

void TImage::InvalidateDrawing()
{
    m_outOfDate = true;
    // Telemetry invalidates the instruments far more often than they are
    // painted; one request a paint is enough.
    if (m_paintDue)
        return;
    m_paintDue = true;
    update();
}

void TImage::followRatio() const
{
    const qreal ratio = devicePixelRatioF();
    if (!m_drawing || m_picture.Ratio() == ratio)
        return;
    m_picture.SetRatio(ratio);
    m_outOfDate = true;
}

void TImage::drawIfOutOfDate() const
{
    followRatio();
    if (!m_outOfDate || !m_drawing)
        return;
    m_outOfDate = false;
    m_drawing(m_picture);
}

void TImage::paintEvent(QPaintEvent*)
{
    m_paintDue = false;
    drawIfOutOfDate();
    QPainter painter(this);
    // Whole ratios keep 1x art's pixels crisp; a fractional one filters it.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !isWholeRatio(devicePixelRatioF() / m_picture.Ratio()));
    painter.drawImage(0, 0, m_picture.image());
    paintDimming(painter, rect(), m_dimming);
}

void TImage::setDimming(const Dimming& dimming)
{
    if (dimming == m_dimming)
        return;
    m_dimming = dimming;
    update();
}

} // namespace platform
