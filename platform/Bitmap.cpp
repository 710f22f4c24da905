#include "platform/Bitmap.h"

#include "platform/PixelCopy.h"

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
    if (width == 0 || height == 0) {
        m_image = QImage();
        return;
    }
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    copyPixels(resized, Rect(0, 0, Width(), Height()), m_image, Rect(0, 0, Width(), Height()), std::nullopt);
    m_image = std::move(resized);
}

void TBitmap::Assign(const TBitmap& source)
{
    if (&source != this)
        m_image = source.m_image;
}

void TBitmap::setImage(const QImage& image)
{
    m_image = image.convertToFormat(QImage::Format_RGB32);
}

} // namespace platform
