#include "platform/PixelCopy.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform {

void copyPixels(QImage& target, const TRect& dest, const QImage& source, const TRect& sourceRect,
    std::optional<QRgb> transparent, Scaling scaling)
{
    const int dw = dest.width();
    const int dh = dest.height();
    const int sw = sourceRect.width();
    const int sh = sourceRect.height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || target.isNull() || source.isNull())
        return;
    const bool inside = sourceRect.left >= 0 && sourceRect.top >= 0 && sourceRect.right <= source.width()
        && sourceRect.bottom <= source.height();
    if (scaling == Scaling::Smooth && (sw != dw || sh != dh) && !transparent && inside) {
        // Filtered to the target's size first; the copy is then one to one.
        const QImage part = source.copy(sourceRect.left, sourceRect.top, sw, sh)
                                .scaled(dw, dh, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
        copyPixels(target, dest, part, Rect(0, 0, dw, dh), std::nullopt);
        return;
    }

    // Copying within one picture reads from a snapshot of the source area.
    TRect from = sourceRect;
    QImage snapshot;
    const QImage* src = &source;
    if (source.constBits() == target.constBits()) {
        snapshot = source.copy(sourceRect.left, sourceRect.top, sw, sh);
        src = &snapshot;
        from = Rect(0, 0, sw, sh);
    }

    const int x0 = std::max(dest.left, 0);
    const int x1 = std::min(dest.right, target.width());
    const int y0 = std::max(dest.top, 0);
    const int y1 = std::min(dest.bottom, target.height());
    if (x0 >= x1 || y0 >= y1)
        return;

    // Source column of each target column; -1 where it falls outside.
    std::vector<int> columns(static_cast<std::size_t>(x1 - x0));
    for (int x = x0; x < x1; ++x) {
        const int sx = from.left + static_cast<int>(static_cast<long long>(x - dest.left) * sw / dw);
        columns[static_cast<std::size_t>(x - x0)] = sx >= 0 && sx < src->width() ? sx : -1;
    }
    const bool straight = sw == dw && !transparent && from.left + (x0 - dest.left) >= 0
        && from.left + (x1 - dest.left) <= src->width();

    // An enlarged row that every column of comes from the source repeats
    // the row above it when both read the same source row.
    const bool wholeRows = !transparent && std::find(columns.begin(), columns.end(), -1) == columns.end();
    const std::size_t rowBytes = static_cast<std::size_t>(x1 - x0) * sizeof(QRgb);
    int lastSourceRow = -1;
    const QRgb* lastRow = nullptr;

    const QRgb key = transparent.value_or(0) & 0xFFFFFF;
    for (int y = y0; y < y1; ++y) {
        const int sy = from.top + static_cast<int>(static_cast<long long>(y - dest.top) * sh / dh);
        if (sy < 0 || sy >= src->height())
            continue;
        const auto* in = reinterpret_cast<const QRgb*>(src->constScanLine(sy));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        if (straight) {
            std::memcpy(out + x0, in + columns.front(), rowBytes);
            continue;
        }
        if (wholeRows && sy == lastSourceRow) {
            std::memcpy(out + x0, lastRow + x0, rowBytes);
            continue;
        }
        lastSourceRow = sy;
        lastRow = out;
        for (int x = x0; x < x1; ++x) {
            const int sx = columns[static_cast<std::size_t>(x - x0)];
            if (sx < 0)
                continue;
            const QRgb pixel = in[sx];
            if (transparent && (pixel & 0xFFFFFF) == key)
                continue;
            out[x] = pixel | 0xFF000000;
        }
    }
}

} // namespace platform
