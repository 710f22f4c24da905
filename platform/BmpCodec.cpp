#include "platform/BmpCodec.h"

#include "platform/ByteStream.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace platform {

namespace {

constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;
constexpr quint32 biRgb = 0;

[[noreturn]] void invalid(const char* why)
{
    throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid (%1)").arg(QLatin1String(why)));
}

quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
qint32 i32(const QByteArray& b, int at) { return qFromLittleEndian<qint32>(b.constData() + at); }

// Length of the record announced by a file header, checked for sanity.
qint64 recordLength(const char* header)
{
    if (header[0] != 'B' || header[1] != 'M')
        invalid("no BM signature");
    const qint64 length = qFromLittleEndian<quint32>(header + 2);
    if (length < fileHeaderSize + infoHeaderSize)
        invalid("file size field too small");
    if (length > BmpImage::maxRecordSize)
        invalid("file size field too large");
    return length;
}

void putU16(QByteArray& b, int at, quint16 v) { qToLittleEndian(v, b.data() + at); }
void putU32(QByteArray& b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); }

} // namespace

BmpImage BmpImage::fromBytes(const QByteArray& data)
{
    if (data.size() < fileHeaderSize + infoHeaderSize)
        invalid("truncated header");
    const qint64 length = recordLength(data.constData());
    if (length > data.size())
        invalid("shorter than its file size field");

    BmpImage image;
    const QByteArray bytes = data.left(length);
    const qint64 headerSize = u32(bytes, 14);
    if (headerSize < infoHeaderSize || fileHeaderSize + headerSize > length)
        invalid("bad information header size");
    const qint64 width = i32(bytes, 18);
    const qint64 height = i32(bytes, 22);
    const int bitCount = u16(bytes, 28);
    const quint32 compression = u32(bytes, 30);
    const qint64 colorsUsed = u32(bytes, 46);
    const qint64 pixelOffset = u32(bytes, 10);

    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24)
        invalid("unsupported bits per pixel");
    if (compression != biRgb)
        invalid("compressed pixel data");
    if (width <= 0 || height == 0 || height == INT32_MIN)
        invalid("bad dimensions");
    const qint64 rows = std::llabs(height);
    if (width * rows > maxPixelCount)
        invalid("picture too large");

    const qint64 maxColors = bitCount <= 8 ? (qint64(1) << bitCount) : 0;
    const qint64 colors = colorsUsed != 0 && bitCount <= 8 ? colorsUsed : maxColors;
    if (colors > maxColors)
        invalid("palette larger than the pixel depth allows");
    const qint64 paletteStart = fileHeaderSize + headerSize;
    if (paletteStart + colors * 4 > pixelOffset || pixelOffset > length)
        invalid("palette or pixel offset out of range");
    const qint64 stride = ((width * bitCount + 31) / 32) * 4;
    if (stride * rows > length - pixelOffset)
        invalid("pixel data truncated");

    image.m_palette.reserve(colors);
    for (qint64 i = 0; i < colors; ++i) {
        const auto at = static_cast<int>(paletteStart + i * 4);
        image.m_palette.append(qRgb(quint8(bytes[at + 2]), quint8(bytes[at + 1]), quint8(bytes[at])));
    }
    image.m_bytes = bytes;
    image.m_width = static_cast<int>(width);
    image.m_height = static_cast<int>(rows);
    image.m_topDown = height < 0;
    image.m_bitCount = bitCount;
    image.m_pixelOffset = pixelOffset;
    image.m_stride = stride;
    return image;
}

BmpImage BmpImage::readRecord(Stream& stream)
{
    char header[fileHeaderSize];
    stream.readExact(header, fileHeaderSize);
    const qint64 length = recordLength(header);
    if (length - fileHeaderSize > stream.remaining())
        throw EReadError(QStringLiteral("Stream read error"));
    // One buffer of the record's length, read into in place: a large
    // picture is not copied twice on its way in.
    QByteArray bytes(length, Qt::Uninitialized);
    std::copy_n(header, fileHeaderSize, bytes.data());
    stream.readExact(bytes.data() + fileHeaderSize, length - fileHeaderSize);
    return fromBytes(bytes);
}

BmpImage BmpImage::loadFromFile(const QString& fileName)
{
    FileStream stream(fileName, FileStream::Mode::Read);
    return readRecord(stream);
}

void BmpImage::writeRecord(Stream& stream) const { stream.writeBytes(m_bytes); }

void BmpImage::saveToFile(const QString& fileName) const { writeWholeFile(fileName, m_bytes); }

BmpImage BmpImage::fromQImage(const QImage& source)
{
    if (source.isNull())
        return {};
    int bitCount = 24;
    QImage image = source;
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono
        || image.format() == QImage::Format_MonoLSB) {
        bitCount = image.colorCount() <= 2 ? 1 : 8;
        image = image.convertToFormat(bitCount == 1 ? QImage::Format_Mono : QImage::Format_Indexed8);
    } else {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    const qint64 width = image.width();
    const qint64 height = image.height();
    // 8-bit files carry exactly the colours of the image's table, so a
    // picture of 255 colours keeps its 255-entry table.
    const int colors = bitCount == 24 ? 0 : (bitCount == 1 ? 2 : std::clamp<int>(int(image.colorCount()), 1, 256));
    const qint64 stride = ((width * bitCount + 31) / 32) * 4;
    const qint64 offset = fileHeaderSize + infoHeaderSize + colors * 4;
    const qint64 length = offset + stride * height;

    QByteArray bytes(length, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putU32(bytes, 2, quint32(length));
    putU32(bytes, 10, quint32(offset));
    putU32(bytes, 14, infoHeaderSize);
    putU32(bytes, 18, quint32(width));
    putU32(bytes, 22, quint32(height));
    putU16(bytes, 26, 1);
    putU16(bytes, 28, quint16(bitCount));
    putU32(bytes, 34, quint32(stride * height));
    putU32(bytes, 38, quint32(image.dotsPerMeterX()));
    putU32(bytes, 42, quint32(image.dotsPerMeterY()));
    putU32(bytes, 46, quint32(colors));
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < colors; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        const int at = fileHeaderSize + infoHeaderSize + i * 4;
        bytes[at] = char(qBlue(c));
        bytes[at + 1] = char(qGreen(c));
        bytes[at + 2] = char(qRed(c));
    }
    for (qint64 y = 0; y < height; ++y) {
        char* row = bytes.data() + offset + (height - 1 - y) * stride;
        const uchar* line = image.constScanLine(int(y));
        if (bitCount == 24) {
            const auto* pixels = reinterpret_cast<const QRgb*>(line);
            for (qint64 x = 0; x < width; ++x) {
                row[x * 3] = char(qBlue(pixels[x]));
                row[x * 3 + 1] = char(qGreen(pixels[x]));
                row[x * 3 + 2] = char(qRed(pixels[x]));
            }
        } else {
            std::copy_n(line, (width * bitCount + 7) / 8, row);
        }
    }
    return fromBytes(bytes);
}

void BmpImage::decodeRow(int y, int left, int count, QRgb* out) const
{
    const auto* data = reinterpret_cast<const quint8*>(m_bytes.constData()) + m_pixelOffset;
    const quint8* row = data + (m_topDown ? y : m_height - 1 - y) * m_stride;
    if (m_bitCount == 24) {
        row += 3 * left;
        for (int x = 0; x < count; ++x, row += 3)
            out[x] = qRgb(row[2], row[1], row[0]);
        return;
    }
    // Indices past the palette's end are black.
    std::array<QRgb, 256> colours;
    colours.fill(qRgb(0, 0, 0));
    std::copy_n(m_palette.constBegin(), std::min<qsizetype>(m_palette.size(), 256), colours.begin());
    for (int i = 0; i < count; ++i) {
        const int x = left + i;
        switch (m_bitCount) {
        case 1:
            out[i] = colours[(row[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case 4:
            out[i] = colours[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
            break;
        default:
            out[i] = colours[row[x]];
            break;
        }
    }
}

QImage BmpImage::toQImage() const
{
    if (m_decoded)
        return *m_decoded;
    return toQImage(QRect(0, 0, m_width, m_height));
}

void BmpImage::decodeAhead()
{
    if (!m_decoded)
        m_decoded = std::make_shared<const QImage>(toQImage());
}

QImage BmpImage::toQImage(const QRect& area) const
{
    const QRect part = area & QRect(0, 0, m_width, m_height);
    if (isEmpty() || part.isEmpty())
        return {};
    QImage image(part.size(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    uchar* bits = image.bits();
    for (int y = 0; y < part.height(); ++y)
        decodeRow(part.top() + y, part.left(), part.width(), reinterpret_cast<QRgb*>(bits + y * image.bytesPerLine()));
    return image;
}

QByteArray BmpImage::topDown24() const
{
    QByteArray pixels(qint64(m_width) * m_height * 3, Qt::Uninitialized);
    std::vector<QRgb> row(static_cast<size_t>(m_width));
    char* p = pixels.data();
    for (int y = 0; y < m_height; ++y) {
        decodeRow(y, 0, m_width, row.data());
        for (QRgb c : row) {
            *p++ = char(qBlue(c));
            *p++ = char(qGreen(c));
            *p++ = char(qRed(c));
        }
    }
    return pixels;
}

} // namespace platform
