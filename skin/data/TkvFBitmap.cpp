#include "skin/data/TkvFBitmap.h"

namespace skin {

TkvFBitmap::TkvFBitmap(const platform::TBitmap& bitmap)
    : m_width(bitmap.Width())
    , m_height(bitmap.Height())
{
    const size_t rowLength = size_t(RowLength());
    m_pixels.assign(rowLength * size_t(m_height), 0);
    m_rowStarts.resize(size_t(m_height));
    for (int y = 0; y < m_height; ++y) {
        m_rowStarts[size_t(y)] = size_t(y) * rowLength;
        const QRgb* in = bitmap.ScanLine(y);
        quint8* out = m_pixels.data() + m_rowStarts[size_t(y)];
        for (int x = 0; x < m_width; ++x) {
            out[3 * x] = quint8(qBlue(in[x]));
            out[3 * x + 1] = quint8(qGreen(in[x]));
            out[3 * x + 2] = quint8(qRed(in[x]));
        }
    }
}

} // namespace skin
