#pragma once

#include "platform/Geometry.h"

#include <QImage>

#include <optional>

namespace platform {

enum class Scaling { Nearest, Smooth };

// Copies sourceRect of source into dest of target, scaled when the sizes
// differ, clipped to both images. Pixels of the colour transparent (when
// given) are skipped; such copies, and sources reaching outside their
// image, always scale by the nearest pixel. Empty or inverted rectangles
// copy nothing. Both images are 32-bit; source may be target.
void copyPixels(QImage& target, const TRect& dest, const QImage& source, const TRect& sourceRect,
    std::optional<QRgb> transparent, Scaling scaling = Scaling::Nearest);

} // namespace platform
