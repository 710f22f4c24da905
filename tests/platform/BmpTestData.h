#pragma once

#include <QByteArray>
#include <QImage>
#include <QtEndian>

// Builds BMP records byte by byte, so tests control every header field.
namespace bmptest {

struct BmpShape {
    qint32 width = 2;
    qint32 height = 2;
    quint16 bitCount = 24;
    quint32 compression = 0;
    quint32 colorsUsed = 0;
    int paletteEntries = -1; // -1: as many as the depth needs
};

inline QByteArray makeBmp(const BmpShape& shape, const QByteArray& pixelRows = {})
{
    const int colors = shape.paletteEntries >= 0 ? shape.paletteEntries
        : shape.bitCount <= 8                    ? (shape.colorsUsed ? int(shape.colorsUsed) : 1 << shape.bitCount)
                                                : 0;
    const qint64 stride = ((qint64(shape.width) * shape.bitCount + 31) / 32) * 4;
    const qint64 rows = shape.height < 0 ? -qint64(shape.height) : shape.height;
    QByteArray pixels = pixelRows;
    if (pixels.isEmpty())
        pixels = QByteArray(stride * rows, '\0');
    const quint32 offset = 54 + colors * 4;
    QByteArray b(offset, '\0');
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(offset + pixels.size(), b.data() + 2);
    qToLittleEndian<quint32>(offset, b.data() + 10);
    qToLittleEndian<quint32>(40, b.data() + 14);
    qToLittleEndian<qint32>(shape.width, b.data() + 18);
    qToLittleEndian<qint32>(shape.height, b.data() + 22);
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(shape.bitCount, b.data() + 28);
    qToLittleEndian<quint32>(shape.compression, b.data() + 30);
    qToLittleEndian<quint32>(shape.colorsUsed, b.data() + 46);
    for (int i = 0; i < colors; ++i) {
        // Palette entry i: blue i, green 2i, red 3i.
        b[54 + i * 4] = char(i);
        b[54 + i * 4 + 1] = char(2 * i);
        b[54 + i * 4 + 2] = char(3 * i);
    }
    return b + pixels;
}

inline QImage gradientImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x + y) % 256));
    return image;
}

} // namespace bmptest
