#include "platform/Bitmap.h"

#include "platform/PixelCopy.h"

#include <algorithm>
#include <cmath>

namespace platform {

bool isWholeRatio(qreal ratio) { return std::abs(ratio - std::round(ratio)) < 1e-9; }

int toDevice(int logical, qreal ratio)
{
    if (ratio == 1)
        return logical;
    // Skin numbers can be any 32-bit value; far coordinates stay far
    // without overflowing.
    constexpr double far = double(1 << 30);
    return static_cast<int>(std::clamp(std::round(logical * ratio), -far, far));
}

TBitmap::TBitmap(int width, int height, qreal ratio) : m_ratio(ratio > 0 ? ratio : 1)
{
    SetSize(width, height);
}

void TBitmap::allocate(int width, int height)
{
    m_width = width;
    m_height = height;
    if (width == 0 || height == 0) {
        m_image = QImage();
        return;
    }
    m_image = QImage(std::max(1, toDevice(width, m_ratio)), std::max(1, toDevice(height, m_ratio)), QImage::Format_RGB32);
    m_image.setDevicePixelRatio(m_ratio);
    m_image.fill(Qt::white);
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_width && height == m_height && (m_image.isNull() == (width == 0 || height == 0)))
        return;
    const QImage old = std::move(m_image);
    allocate(width, height);
    if (!m_image.isNull() && !old.isNull())
        copyPixels(m_image, Rect(0, 0, old.width(), old.height()), old, Rect(0, 0, old.width(), old.height()), std::nullopt);
}

void TBitmap::SetRatio(qreal ratio)
{
    ratio = ratio > 0 ? ratio : 1;
    if (ratio == m_ratio)
        return;
    m_ratio = ratio;
    allocate(m_width, m_height);
}

void TBitmap::Assign(const TBitmap& source)
{
    if (&source == this)
        return;
    m_image = source.m_image;
    m_width = source.m_width;
    m_height = source.m_height;
    m_ratio = source.m_ratio;
}

void TBitmap::setImage(const QImage& image)
{
    m_image = image.convertToFormat(QImage::Format_RGB32);
    m_image.setDevicePixelRatio(1);
    m_ratio = 1;
    m_width = m_image.width();
    m_height = m_image.height();
}

void TBitmap::setPixels(const QImage& pixels)
{
    if (pixels.size() != m_image.size() || m_image.isNull())
        return;
    m_image = pixels.convertToFormat(QImage::Format_RGB32);
    m_image.setDevicePixelRatio(m_ratio);
}

} // namespace platform
