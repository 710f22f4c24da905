#pragma once

#include "platform/ClassicErrors.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include <memory>

namespace platform {

class Stream;

// Raised for BMP data that cannot be a picture ("Bitmap image is not valid").
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// One Windows BMP picture (1, 4, 8 or 24 bits per pixel, uncompressed).
// It keeps the complete record it was read from, so writing it back gives
// the same bytes; the header fields and the palette are parsed and checked
// once when it is read. An empty image holds no bytes at all.
class BmpImage {
public:
    // Largest record and picture we accept; anything bigger is treated as
    // damaged data rather than allocated.
    static constexpr qint64 maxRecordSize = 64 * 1024 * 1024;
    static constexpr qint64 maxPixelCount = 64 * 1024 * 1024;

    BmpImage() = default;

    // One record at the start of data; bytes after the record length given
    // in its file header are not part of it.
    static BmpImage fromBytes(const QByteArray& data);
    // Reads exactly one record from the stream's position.
    static BmpImage readRecord(Stream& stream);
    static BmpImage loadFromFile(const QString& fileName);
    // 1 bit for two-colour indexed images, 8 bits for other indexed images
    // (with a colour table of the image's length), 24 bits otherwise;
    // bottom-up rows.
    static BmpImage fromQImage(const QImage& image);

    bool isEmpty() const { return m_bytes.isEmpty(); }
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isTopDown() const { return m_topDown; }
    int bitCount() const { return m_bitCount; }
    const QList<QRgb>& palette() const { return m_palette; }
    // The whole record; its length is the size field of the file header.
    const QByteArray& bytes() const { return m_bytes; }

    void writeRecord(Stream& stream) const;
    void saveToFile(const QString& fileName) const;

    // Every depth decodes to RGB32 (empty image when empty).
    QImage toQImage() const;
    // Decodes now, on whichever thread calls it, so that toQImage() hands
    // out the result later instead of decoding on the thread that draws.
    void decodeAhead();
    // Only the part of the picture inside area, for a picture that is a
    // strip of cells of which one is shown at a time.
    QImage toQImage(const QRect& area) const;
    // 24-bit copy with rows of width * 3 bytes (blue, green, red), top row
    // first, for code that walks pixels directly.
    QByteArray topDown24() const;

    friend bool operator==(const BmpImage& a, const BmpImage& b) { return a.m_bytes == b.m_bytes; }

private:
    // Decodes count pixels of row y, counted from the top, from column left.
    void decodeRow(int y, int left, int count, QRgb* out) const;

    QByteArray m_bytes;
    int m_width = 0;
    int m_height = 0;
    bool m_topDown = false;
    int m_bitCount = 0;
    qint64 m_pixelOffset = 0;
    qint64 m_stride = 0;
    QList<QRgb> m_palette;
    std::shared_ptr<const QImage> m_decoded;
};

} // namespace platform
