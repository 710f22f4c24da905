#include "platform/BmpCodec.h"
#include "platform/ByteStream.h"

#include "tests/platform/BmpTestData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace bmptest;
using platform::BmpImage;
using platform::EInvalidGraphic;
using platform::EReadError;
using platform::MemoryStream;

TEST(BmpCodec, RecordsOfEveryDepthRoundTripByteForByte)
{
    for (const quint16 bits : {1, 4, 8, 24}) {
        SCOPED_TRACE(bits);
        QByteArray rows;
        const qint64 stride = ((5 * bits + 31) / 32) * 4;
        for (int i = 0; i < stride * 3; ++i)
            rows.append(char(i * 37 + bits));
        const QByteArray record = makeBmp({5, 3, bits}, rows);
        MemoryStream in(record);
        const BmpImage image = BmpImage::readRecord(in);
        EXPECT_EQ(in.position(), record.size());
        EXPECT_EQ(image.bitCount(), bits);
        EXPECT_EQ(image.width(), 5);
        EXPECT_EQ(image.height(), 3);
        MemoryStream out;
        image.writeRecord(out);
        EXPECT_EQ(out.bytes(), record);
    }
}

TEST(BmpCodec, RecordLengthComesFromTheFileHeader)
{
    const QByteArray first = makeBmp({3, 2, 8});
    const QByteArray second = makeBmp({1, 1, 24});
    MemoryStream in(first + second + "tail");
    EXPECT_EQ(BmpImage::readRecord(in).bytes(), first);
    EXPECT_EQ(in.position(), first.size());
    EXPECT_EQ(BmpImage::readRecord(in).bytes(), second);
    EXPECT_EQ(in.remaining(), 4);
}

TEST(BmpCodec, DecodesBottomUpTopDownAndPaddedRows)
{
    // 8 bits, palette entry i is (red 3i, green 2i, blue i).
    QByteArray rows8;
    rows8 += QByteArray("\x01\x02\x00\x00", 4); // bottom row
    rows8 += QByteArray("\x03\x04\x00\x00", 4); // top row
    const QImage eight = BmpImage::fromBytes(makeBmp({2, 2, 8}, rows8)).toQImage();
    EXPECT_EQ(eight.pixel(0, 0), qRgb(9, 6, 3));
    EXPECT_EQ(eight.pixel(1, 1), qRgb(6, 4, 2));

    const QImage topDown = BmpImage::fromBytes(makeBmp({2, -2, 8}, rows8)).toQImage();
    EXPECT_EQ(topDown.pixel(0, 0), qRgb(3, 2, 1));
    EXPECT_EQ(topDown.height(), 2);

    // 24 bits, width 3: 9 bytes of pixels and 3 of padding per row.
    QByteArray rows24(24, '\0');
    rows24[12 + 6] = char(10); // top row, x 2: blue
    rows24[12 + 8] = char(30); // red
    const BmpImage image24 = BmpImage::fromBytes(makeBmp({3, 2, 24}, rows24));
    EXPECT_EQ(image24.toQImage().pixel(2, 0), qRgb(30, 0, 10));
    const QByteArray flat = image24.topDown24();
    ASSERT_EQ(flat.size(), 3 * 2 * 3);
    EXPECT_EQ(flat[6], char(10));
    EXPECT_EQ(flat[8], char(30));

    // 1 bit, most significant bit first.
    QByteArray rows1(4, '\0');
    rows1[0] = char(0x40);
    const QImage mono = BmpImage::fromBytes(makeBmp({3, 1, 1}, rows1)).toQImage();
    EXPECT_EQ(mono.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(mono.pixel(1, 0), qRgb(3, 2, 1));
}

TEST(BmpCodec, FromQImageKeepsPixelsAndChoosesDepth)
{
    const QImage source = gradientImage(7, 5);
    const BmpImage image = BmpImage::fromQImage(source);
    EXPECT_EQ(image.bitCount(), 24);
    EXPECT_EQ(image.toQImage(), source);

    QImage indexed(9, 4, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0)});
    indexed.fill(2);
    indexed.setPixel(3, 1, 1);
    const BmpImage eight = BmpImage::fromQImage(indexed);
    EXPECT_EQ(eight.bitCount(), 8);
    EXPECT_EQ(eight.toQImage().pixel(3, 1), qRgb(255, 0, 0));
    EXPECT_EQ(eight.toQImage().pixel(0, 0), qRgb(0, 255, 0));

    QImage mono(10, 3, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(1);
    mono.setPixel(9, 2, 0);
    const BmpImage one = BmpImage::fromQImage(mono);
    EXPECT_EQ(one.bitCount(), 1);
    EXPECT_EQ(one.toQImage().pixel(9, 2), qRgb(0, 0, 0));
    EXPECT_EQ(one.toQImage().pixel(8, 2), qRgb(255, 255, 255));
}

TEST(BmpCodec, DecodesAPartAsTheWholePictureShowsIt)
{
    const QImage source = gradientImage(13, 6);
    QImage mono(13, 6, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 13; ++x)
            mono.setPixel(x, y, (x * 3 + y) % 2);
    QImage indexed(13, 6, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(9, 9, 9)});
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 13; ++x)
            indexed.setPixel(x, y, (x + 2 * y) % 5);
    for (const QImage& picture : {source, mono, indexed}) {
        const BmpImage image = BmpImage::fromQImage(picture);
        const QImage whole = image.toQImage();
        // Column 3 starts inside a byte at 1 bit.
        EXPECT_EQ(image.toQImage(QRect(3, 1, 7, 4)), whole.copy(3, 1, 7, 4)) << image.bitCount();
        EXPECT_EQ(image.toQImage(QRect(10, 4, 9, 9)), whole.copy(10, 4, 3, 2)) << "clipped to the picture";
        EXPECT_TRUE(image.toQImage(QRect(13, 0, 5, 5)).isNull()) << "outside the picture";
    }
}

TEST(BmpCodec, RejectsDamagedRecords)
{
    auto withU32 = [](QByteArray b, int at, quint32 v) {
        qToLittleEndian(v, b.data() + at);
        return b;
    };
    const QByteArray good = makeBmp({4, 4, 8});
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"truncated header", good.left(30)},
        {"wrong signature", QByteArray("XM") + good.mid(2)},
        {"size field beyond data", withU32(good, 2, quint32(good.size() + 1))},
        {"size field below headers", withU32(good, 2, 20)},
        {"size field huge", withU32(good, 2, 0xFFFFFFFF)},
        {"info header too small", withU32(good, 14, 12)},
        {"info header beyond record", withU32(good, 14, 100000)},
        {"16 bits", makeBmp({4, 4, 16})},
        {"run-length compressed", makeBmp({4, 4, 8, 1})},
        {"zero width", makeBmp({0, 4, 24})},
        {"negative width", withU32(good, 18, quint32(-4))},
        {"zero height", makeBmp({4, 0, 24})},
        {"palette larger than depth", makeBmp({4, 4, 1, 0, 3})},
        {"pixel offset beyond record", withU32(good, 10, quint32(good.size() + 10))},
        {"palette overlaps pixels", withU32(good, 10, 60)},
        {"pixel data truncated", withU32(good.left(good.size() - 1), 2, quint32(good.size() - 1))},
        {"dimensions lie", withU32(withU32(makeBmp({4, 4, 24}), 18, 100000), 22, 100000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(BmpImage::fromBytes(c.bytes), EInvalidGraphic);
    }
}

TEST(BmpCodec, RecordLongerThanTheStreamIsAReadError)
{
    const QByteArray good = makeBmp({4, 4, 24});
    MemoryStream in(good.left(good.size() - 5));
    EXPECT_THROW(BmpImage::readRecord(in), EReadError);
    MemoryStream tiny(QByteArray("BM"));
    EXPECT_THROW(BmpImage::readRecord(tiny), EReadError);
}

TEST(BmpCodec, FilesLoadAndSaveTheSameBytes)
{
    const QString path = QDir::temp().filePath(QStringLiteral("fct_bmpcodec_%1.bmp").arg(QCoreApplication::applicationPid()));
    const BmpImage image = BmpImage::fromBytes(makeBmp({6, 2, 4}));
    image.saveToFile(path);
    EXPECT_EQ(BmpImage::loadFromFile(path), image);
    QFile::remove(path);
    EXPECT_THROW(BmpImage::loadFromFile(path), platform::EFOpenError);
}

TEST(BmpCodec, EightBitFilesKeepTheLengthOfTheColourTable)
{
    // 162 x 140 with 255 colours: rows of 164 bytes, 255 table entries.
    QImage indexed(162, 140, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 255; ++i)
        table.append(qRgb(i, 255 - i, i / 2));
    indexed.setColorTable(table);
    for (int y = 0; y < 140; ++y)
        for (int x = 0; x < 162; ++x)
            indexed.setPixel(x, y, uint((x + y) % 255));
    const BmpImage image = BmpImage::fromQImage(indexed);
    EXPECT_EQ(image.bytes().size(), 54 + 255 * 4 + 164 * 140);
    EXPECT_EQ(image.palette().size(), 255);
    EXPECT_EQ(image.toQImage().pixel(10, 20), table[30]);
    EXPECT_EQ(BmpImage::fromBytes(image.bytes()), image);
}
