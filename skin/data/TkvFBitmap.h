#pragma once

#include "platform/Bitmap.h"

#include <QtGlobal>

#include <vector>

namespace skin {

// A 24-bit top-down copy of a bitmap for fast pixel reads: rows of
// 3 * width bytes (blue, green, red) padded to a multiple of four, that is
// 3 * width + (width mod 4) bytes each.
class TkvFBitmap {
public:
    explicit TkvFBitmap(const platform::TBitmap& bitmap);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int RowLength() const { return 3 * m_width + m_width % 4; }
    // Row y, 0 being the top row; y must be in 0 .. Height() - 1.
    const quint8* ScanLine(int y) const { return m_pixels.data() + m_rowStarts[size_t(y)]; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<quint8> m_pixels;
    std::vector<size_t> m_rowStarts;
};

} // namespace skin
