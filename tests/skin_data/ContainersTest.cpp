#include "skin/data/StoredSkinStream.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvSkinData.h"
#include "skin/data/ZlibStreams.h"

#include "platform/ByteStream.h"
#include "platform/IniFile.h"
#include "skin/data/SkinMessages.h"
#include "tests/skin_data/TestSkin.h"

#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace skin;
using platform::BmpImage;
using platform::MemoryStream;
using skintest::MessageLog;

namespace {

const QByteArray minimalText = "[VERSION]\r\nskinname=S\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n"
                               "[SKINCONTROLS]\r\ncount=1\r\n0=edit:edit\r\n[edit]\r\nfontheight=9\r\n";

QByteArray deflated(const QByteArray& bytes)
{
    MemoryStream source(bytes);
    MemoryStream target;
    CompressStream(source, target);
    return target.bytes();
}

QByteArray inflated(const QByteArray& bytes)
{
    MemoryStream source(bytes);
    MemoryStream target;
    DeCompressStream(target, source);
    return target.bytes();
}

// A stored stream built byte by byte: version, flagged records, count,
// active records, text.
QByteArray storedStream(qint32 version, const QList<BmpImage>& flagged, const QList<BmpImage>& active,
    const QByteArray& text, qint32 count = INT32_MIN)
{
    MemoryStream s;
    s.writeInt32(version);
    for (const BmpImage& image : flagged) {
        s.writeUInt8(image.isEmpty() ? 1 : 0);
        if (!image.isEmpty())
            image.writeRecord(s);
    }
    s.writeInt32(count != INT32_MIN ? count : qint32(active.size()));
    for (const BmpImage& image : active)
        image.writeRecord(s);
    s.writeBytes(text);
    return s.bytes();
}

void loadStored(TkvSkinData& data, const QByteArray& compressed)
{
    TkvCompressedStoredSkin stored;
    stored.SetCompressedData(compressed);
    data.LoadCompressedStoredSkin(&stored);
}

QByteArray fileBytes(const QString& path) { return platform::readWholeFile(path); }

} // namespace

TEST(ZlibWrapper, MaxLevelStreamsRoundTripAndIgnoreTrailingBytes)
{
    QByteArray data;
    for (int i = 0; i < 20000; ++i)
        data.append(char(i * 31 % 251));
    const QByteArray packed = deflated(data);
    ASSERT_GE(packed.size(), 2);
    EXPECT_EQ(quint8(packed[0]), 0x78);
    EXPECT_EQ(quint8(packed[1]), 0xDA);
    EXPECT_EQ(inflated(packed), data);
    EXPECT_EQ(inflated(packed + "garbage after the stream"), data);
    EXPECT_EQ(inflated(deflated(QByteArray())), QByteArray());

    // Inflating appends at the target's position.
    MemoryStream target(QByteArray("head"));
    target.setPosition(4);
    MemoryStream source(packed);
    DeCompressStream(target, source);
    EXPECT_EQ(target.bytes(), "head" + data);
}

TEST(ZlibWrapper, DamagedTruncatedAndOversizedStreamsFail)
{
    const QByteArray packed = deflated(QByteArray(10000, 'z'));
    for (const QByteArray& bad : {QByteArray(), QByteArray("not zlib at all"), packed.left(packed.size() / 2),
             packed.left(2) + QByteArray(20, '\xFF')}) {
        try {
            inflated(bad);
            ADD_FAILURE() << "no error for " << bad.toHex().toStdString();
        } catch (const ECompressionError& error) {
            EXPECT_EQ(error.message(), "compression error");
        }
    }
    MemoryStream source(packed);
    MemoryStream target;
    EXPECT_THROW(DeCompressStream(target, source, 4096), ECompressionError);
}

TEST(ZlibWrapper, StreamsWorkInPiecesAndRefuseTheOtherDirection)
{
    QByteArray data;
    for (int i = 0; i < 30000; ++i)
        data.append(char((i * i) % 253));
    MemoryStream packed;
    {
        TCompressionStream z(TCompressionLevel::clFastest, packed);
        for (qsizetype at = 0; at < data.size(); at += 777)
            z.write(data.constData() + at, std::min<qsizetype>(777, data.size() - at));
        EXPECT_EQ(z.position(), data.size());
        char c;
        EXPECT_THROW(z.read(&c, 1), ECompressionError);
        EXPECT_THROW(z.setPosition(0), ECompressionError);
        z.finish();
    }
    EXPECT_EQ(quint8(packed.bytes()[1]), 0x01); // fastest level
    packed.setPosition(0);
    TDecompressionStream z(packed);
    QByteArray back;
    char buffer[1000];
    for (qint64 n; (n = z.read(buffer, 999)) > 0;)
        back.append(buffer, n);
    EXPECT_EQ(back, data);
    EXPECT_EQ(z.read(buffer, 10), 0);
    try {
        z.write("x", 1);
        ADD_FAILURE() << "no error";
    } catch (const ECompressionError& error) {
        EXPECT_EQ(error.message(), "Invalid stream operation");
    }
}

TEST(StoredSkinStream, VersionsFlagsAndCounts)
{
    const BmpImage main = skintest::indexedPicture(6, 5, 1);
    const BmpImage mask = skintest::maskPicture(6, 5);
    const BmpImage extra = skintest::truecolorPicture(2, 2, 7);
    const BmpImage active = skintest::truecolorPicture(3, 4, 3);
    const QByteArray text = "[a]\r\nk=v\r\n";
    struct Case {
        const char* name;
        QByteArray bytes;
        bool readable;
        int activeCount;
    };
    const Case cases[] = {
        {"version 3", storedStream(3, {main, {}, mask}, {active}, text), true, 1},
        {"version 1", storedStream(1, {main, {}, mask}, {active}, text), true, 1},
        {"version 2 skips two records", storedStream(2, {main, {}, mask, extra, {}}, {active}, text), true, 1},
        {"negative version", storedStream(-1, {main, {}, mask}, {active}, text), true, 1},
        {"count 0 then text", storedStream(3, {main, {}, mask}, {}, text), true, 0},
                {"negative count reads as none", storedStream(3, {main, {}, mask}, {}, text, -7), true, 0},
        {"version 4", storedStream(4, {main, {}, mask}, {active}, text), false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryStream stream(c.bytes);
        const auto skin = readStoredSkin(stream);
        ASSERT_EQ(skin.has_value(), c.readable);
        if (!skin)
            continue;
        EXPECT_EQ(skin->picture, main);
        EXPECT_TRUE(skin->inactivePicture.isEmpty());
        EXPECT_EQ(skin->mask, mask);
        EXPECT_EQ(skin->activeBitmaps.size(), c.activeCount);
        EXPECT_EQ(skin->lines, QStringList({"[a]", "k=v"}));
    }
}

TEST(StoredSkinStream, LyingCountsAndTruncationAreReadErrors)
{
    const BmpImage main = skintest::indexedPicture(6, 5, 1);
    const QByteArray millionPictures = storedStream(3, {main, {}, {}}, {}, "", 1000000);
    MemoryStream stream(millionPictures);
    EXPECT_THROW(readStoredSkin(stream), platform::EReadError);
    const QByteArray good = storedStream(3, {main, {}, {}}, {}, "");
    for (int cut : {2, 5, 40, int(good.size()) - 5}) {
        MemoryStream truncated(good.left(cut));
        EXPECT_ANY_THROW(readStoredSkin(truncated)) << cut;
    }
}

TEST(StoredSkinStream, PackingAnEmptyMaskWritesFlagOneAndNoBitmap)
{
    TkvSkinData data;
    data.PictureBitmap = skintest::indexedPicture(4, 4, 1);
    TkvCompressedStoredSkin stored;
    stored.LoadFromSkinData(data);
    const QByteArray bytes = inflated(stored.CompressedData());
    const qsizetype pictureSize = data.PictureBitmap.bytes().size();
    ASSERT_GT(bytes.size(), 4 + 1 + pictureSize + 2 + 4);
    EXPECT_EQ(bytes.left(4), QByteArray("\x03\x00\x00\x00", 4));
    EXPECT_EQ(bytes[4], '\0');
    EXPECT_EQ(bytes.mid(5, pictureSize), data.PictureBitmap.bytes());
    EXPECT_EQ(bytes.mid(5 + pictureSize, 2 + 4), QByteArray("\x01\x01\x00\x00\x00\x00", 6));
    EXPECT_TRUE(bytes.mid(5 + pictureSize + 6).startsWith("[VERSION]\r\nver=1\r\n"));
}

TEST(StoredSkinLoad, MessagesAndStateOnEveryPath)
{
    QList<MessageLog::Entry> log;
    MessageLog owner(&log, "owner");
    TkvSkinData data(&owner);
    const QList<int> full {SKINMSG_BEFORECHANGE, SKINMSG_CHANGE, SKINMSG_AFTERCHANGE};

    loadStored(data, deflated(storedStream(3, {{}, {}, {}}, {}, minimalText)));
    EXPECT_FALSE(data.IsEmpty());
    EXPECT_EQ(data.skinname, "S");
    ASSERT_EQ(data.SkinControls.size(), 1u);
    EXPECT_EQ(skintest::messagesOf(log, "owner"), full);

    log.clear();
    loadStored(data, QByteArray());
    EXPECT_FALSE(data.IsEmpty()) << "an empty component changes nothing";
    EXPECT_TRUE(log.isEmpty());

    log.clear();
    loadStored(data, deflated(storedStream(4, {{}, {}, {}}, {}, minimalText)));
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_TRUE(data.SkinControls.empty());
    EXPECT_EQ(skintest::messagesOf(log, "owner"), QList<int>({SKINMSG_BEFORECHANGE}));

    // Bytes that do not inflate: the caller hears why, the skin stays empty,
    // and the change is still announced so that no one keeps a half skin.
    loadStored(data, deflated(storedStream(3, {{}, {}, {}}, {}, minimalText)));
    log.clear();
    try {
        loadStored(data, QByteArray("\x78\xDA garbage"));
        ADD_FAILURE() << "no error";
    } catch (const ECompressionError& error) {
        EXPECT_EQ(error.message(), "compression error");
    }
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_TRUE(data.SkinControls.empty());
    EXPECT_EQ(skintest::messagesOf(log, "owner"), full);

    log.clear();
    EXPECT_THROW(loadStored(data, deflated(storedStream(3, {{}, {}, {}}, {}, minimalText + "[edit]\r\nskinrect=1,2\r\n"))),
        platform::EConvertError);
    EXPECT_TRUE(data.IsEmpty());

    log.clear();
    TkvCompressedStoredSkin stored;
    stored.SetCompressedData(deflated(storedStream(1, {{}, {}, {}}, {}, minimalText)) + "trailing");
    data.SetCompressedStoredSkin(&stored);
    EXPECT_FALSE(data.IsEmpty());
    EXPECT_EQ(skintest::messagesOf(log, "owner"), full);
}

// A skin unpacked ahead on a worker thread loads as one unpacked on the
// spot: the same skin, the same refusal of damaged bytes, and never the
// early result of bytes replaced since.
TEST(StoredSkinLoad, UnpackedAheadLoadsAsUnpackedOnTheSpot)
{
    const QByteArray first = minimalText;
    const QByteArray second = QByteArray(minimalText).replace("skinname=S", "skinname=Second");
    TkvSkinData data;
    TkvCompressedStoredSkin stored;

    stored.SetCompressedData(deflated(storedStream(3, {{}, {}, {}}, {}, first)));
    stored.UnpackAhead();
    data.LoadCompressedStoredSkin(&stored);
    EXPECT_EQ(data.skinname, "S");
    ASSERT_EQ(data.SkinControls.size(), 1u);

    stored.UnpackAhead();
    stored.SetCompressedData(deflated(storedStream(3, {{}, {}, {}}, {}, second)));
    data.LoadCompressedStoredSkin(&stored);
    EXPECT_EQ(data.skinname, "Second");

    stored.SetCompressedData(QByteArray("\x78\xDA garbage"));
    stored.UnpackAhead();
    EXPECT_THROW(data.LoadCompressedStoredSkin(&stored), ECompressionError);
    EXPECT_TRUE(data.IsEmpty());

    // The early result is used once; the next load unpacks again.
    stored.SetCompressedData(deflated(storedStream(3, {{}, {}, {}}, {}, first)));
    stored.UnpackAhead();
    data.LoadCompressedStoredSkin(&stored);
    data.LoadCompressedStoredSkin(&stored);
    EXPECT_EQ(data.skinname, "S");
    EXPECT_FALSE(data.IsEmpty());

    // Pictures decoded on the worker are the pictures decoded on the spot.
    const BmpImage main = skintest::indexedPicture(6, 5, 1);
    const BmpImage mask = skintest::maskPicture(6, 5);
    const BmpImage active = skintest::truecolorPicture(3, 4, 3);
    stored.SetCompressedData(deflated(storedStream(3, {main, {}, mask}, {active}, first)));
    stored.UnpackAhead();
    data.LoadCompressedStoredSkin(&stored);
    ASSERT_TRUE(data.decodedPicture() && data.decodedMask() && data.decodedActivePicture(0));
    EXPECT_EQ(data.decodedPicture()->image(), main.toQImage());
    EXPECT_EQ(data.decodedMask()->image(), mask.toQImage());
    EXPECT_EQ(data.decodedActivePicture(0)->image(), active.toQImage());
}

TEST(CompressedStoredSkin, LayoutPropertyCarriesTheBytesExactly)
{
    const QByteArray bytes = deflated(storedStream(3, {{}, {}, {}}, {}, minimalText)) + "x";
    TkvCompressedStoredSkin written;
    written.setProperty("CompressedData", bytes);
    EXPECT_EQ(written.CompressedData(), bytes);
    MemoryStream layout;
    written.WriteData(layout);
    EXPECT_EQ(layout.bytes(), bytes);

    TkvCompressedStoredSkin read;
    layout.setPosition(0);
    read.ReadData(layout);
    EXPECT_EQ(read.property("CompressedData").toByteArray(), bytes);
    EXPECT_FALSE(read.GetEmpty());
    MemoryStream none;
    read.ReadData(none);
    EXPECT_TRUE(read.GetEmpty());
}

TEST(SknFile, LayoutAndFailures)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    TkvCompressedStoredSkin stored;
    stored.SaveToCompressFile(folder.filePath("empty.skn"));
    EXPECT_FALSE(QFile::exists(folder.filePath("empty.skn")));

    stored.SetCompressedData(deflated(storedStream(3, {{}, {}, {}}, {}, minimalText)));
    const QString path = folder.filePath("good.skn");
    stored.SaveToCompressFile(path);
    const QByteArray bytes = fileBytes(path);
    EXPECT_EQ(bytes.left(4), QByteArray("\x03\x00\x00\x00", 4));
    MemoryStream header(bytes.mid(4, 4));
    EXPECT_EQ(header.readInt32(), stored.CompressedData().size());
    EXPECT_EQ(bytes.mid(8), stored.CompressedData());

    TkvCompressedStoredSkin loaded;
    loaded.LoadFromCompressFile(path);
    EXPECT_EQ(loaded.CompressedData(), stored.CompressedData());

    const auto writeFile = [&](const char* name, const QByteArray& content) {
        platform::writeWholeFile(folder.filePath(name), content);
        return folder.filePath(name);
    };
    // Shorter than its length field: a read error naming the file and the
    // byte where the cut part begins, nothing kept.
    const QString shortFile = writeFile("short.skn", bytes.left(bytes.size() - 3));
    try {
        loaded.LoadFromCompressFile(shortFile);
        ADD_FAILURE() << "a cut file loaded";
    } catch (const platform::EReadError& error) {
        EXPECT_EQ(error.message().toStdString(),
            QStringLiteral("%1: reading stopped at byte 8: the file ends inside the compressed skin (cut short after "
                           "%2 of its %3 bytes)")
                .arg(shortFile)
                .arg(bytes.size() - 11)
                .arg(bytes.size() - 8)
                .toStdString());
    }
    EXPECT_TRUE(loaded.GetEmpty());
    const QString negative = writeFile("negative.skn", QByteArray("\x03\x00\x00\x00\xFF\xFF\xFF\xFF", 8));
    EXPECT_THROW(loaded.LoadFromCompressFile(negative), platform::EReadError);
    EXPECT_THROW(loaded.LoadFromCompressFile(writeFile("tiny.skn", "\x03")), platform::EReadError);

    // A newer version leaves the component empty and the skin data as it was.
    QByteArray newer = bytes;
    newer[0] = 4;
    const QString newerFile = writeFile("newer.skn", newer);
    loaded.LoadFromCompressFile(newerFile);
    EXPECT_TRUE(loaded.GetEmpty());

    QList<MessageLog::Entry> log;
    MessageLog owner(&log, "owner");
    TkvSkinData data(&owner);
    data.LoadFromCompressedFile(path);
    EXPECT_FALSE(data.IsEmpty());
    log.clear();
    data.LoadFromCompressedFile(newerFile);
    EXPECT_FALSE(data.IsEmpty());
    EXPECT_TRUE(log.isEmpty());
    try {
        data.LoadFromCompressedFile(shortFile);
        ADD_FAILURE() << "the skin data loaded a cut file";
    } catch (const platform::EReadError& error) {
        EXPECT_TRUE(error.message().startsWith(shortFile + QStringLiteral(": reading stopped at byte 8: ")))
            << error.message().toStdString();
    }
}

TEST(SkinRoundTrip, FolderPackUnpackSaveGivesTheSameTextAndPictures)
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    root.mkpath("original");
    root.mkpath("unpacked");
    const QString definition = skintest::writeFolderSkin(QDir(root.filePath("original")));

    // The definition in the form this program writes it.
    TkvSkinData original;
    original.LoadFromFile(definition);
    const QString canonical = root.filePath("canonical.ini");
    original.SaveToFile(canonical);

    TkvCompressedStoredSkin stored;
    stored.LoadFromIniFile(definition);
    ASSERT_FALSE(stored.GetEmpty());
    const QString skn = root.filePath("skin.skn");
    stored.SaveToCompressFile(skn);

    TkvSkinData unpacked;
    unpacked.LoadFromCompressedFile(skn);
    ASSERT_FALSE(unpacked.IsEmpty());
    const QString unpackedDefinition = root.filePath("unpacked/skin.ini");
    unpacked.StoreToDisk(unpackedDefinition);

    EXPECT_EQ(fileBytes(unpackedDefinition), fileBytes(canonical));
    for (const char* picture : {"main.bmp", "mask.bmp", "a0.bmp", "a1.bmp", "sub/a2.bmp"}) {
        EXPECT_EQ(fileBytes(root.filePath(QStringLiteral("unpacked/") + picture)),
            fileBytes(root.filePath(QStringLiteral("original/") + picture)))
            << picture;
    }
    int files = 0;
    for (QDirIterator it(root.filePath("unpacked"), QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next())
        ++files;
    EXPECT_EQ(files, 6);

    // Packing the held skin and loading it again gives the same skin too.
    TkvCompressedStoredSkin repacked;
    repacked.LoadFromSkinData(unpacked);
    TkvSkinData again;
    again.LoadCompressedStoredSkin(&repacked);
    const QString againDefinition = root.filePath("again.ini");
    again.SaveToFile(againDefinition);
    EXPECT_EQ(fileBytes(againDefinition), fileBytes(canonical));
}

TEST(SkinRoundTrip, PackingKeepsTheDefinitionTextAsWritten)
{
    QTemporaryDir dir;
    const QString definition = skintest::writeFolderSkin(QDir(dir.path()));
    TkvCompressedStoredSkin stored;
    stored.LoadFromIniFile(definition);
    MemoryStream stream;
    stored.DeCompressToStream(stream);
    stream.setPosition(0);
    const auto skin = readStoredSkin(stream);
    ASSERT_TRUE(skin);
    EXPECT_EQ(skin->version, 3);
    EXPECT_EQ(platform::MemIniFile::joinLines(skin->lines), skintest::definitionText());
    EXPECT_EQ(skin->picture, BmpImage::loadFromFile(QDir(dir.path()).filePath("main.bmp")));
    EXPECT_TRUE(skin->inactivePicture.isEmpty());
    EXPECT_EQ(skin->activeBitmaps.size(), 3);

    // Text without the required sections leaves the former data in place.
    const QByteArray before = stored.CompressedData();
    stored.LoadFromIniFile(skintest::writeDefinition(QDir(dir.path()), "[VERSION]\r\n"));
    EXPECT_EQ(stored.CompressedData(), before);
}

TEST(SkinRoundTrip, StoreToDiskRefusesNamesOutsideTheFolder)
{
    QTemporaryDir dir;
    TkvSkinData data;
    data.PictureBitmap = skintest::indexedPicture(2, 2, 1);
    data.picture = "../escape.bmp";
    EXPECT_THROW(data.StoreToDisk(QDir(dir.path()).filePath("skin.ini")), platform::EFOpenError);
    EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath("../escape.bmp")));
}
