#include "platform/Bitmap.h"

#include <QPainter>

namespace platform {

TBitmap::TBitmap(int width, int height)
{
    SetSize(width, height);
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height())
        return;
    m_canvas.releasePainter();
    if (width == 0 || height == 0) {
        m_image = QImage();
        return;
    }
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    if (!m_image.isNull()) {
        QPainter copier(&resized);
        copier.setCompositionMode(QPainter::CompositionMode_Source);
        copier.drawImage(0, 0, m_image);
    }
    m_image = std::move(resized);
}

void TBitmap::Assign(const TBitmap& source)
{
    if (&source == this)
        return;
    setImage(source.m_image);
}

void TBitmap::setImage(const QImage& image)
{
    m_canvas.releasePainter();
    m_image = image.format() == QImage::Format_RGB32 ? image.copy() : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace platform
