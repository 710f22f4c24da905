#include "skin/data/TkvCompressedStoredSkin.h"

#include "platform/BmpCodec.h"
#include "platform/ByteStream.h"
#include "platform/ClassicErrors.h"
#include "platform/IniFile.h"
#include "skin/data/SkinIniValues.h"
#include "skin/data/StoredSkinStream.h"
#include "skin/data/TkvSkinData.h"
#include "skin/data/ZlibStreams.h"

#include <QDir>
#include <QFileInfo>

namespace skin {

using platform::BmpImage;
using platform::MemoryStream;

namespace {

constexpr qint32 sknVersion = 3;
// The version and the length of the compressed bytes.
constexpr qint64 sknHeaderSize = 8;

// Where reading a ".skn" stopped and why, worded as for recordings; the
// file's reader puts the file's name in front.
[[noreturn]] void stopped(qint64 offset, const QString& why)
{
    throw platform::EReadError(QStringLiteral("reading stopped at byte %1: %2").arg(offset).arg(why));
}

QByteArray compress(MemoryStream& stored)
{
    MemoryStream compressed;
    CompressStream(stored, compressed, TCompressionLevel::clMax);
    return compressed.bytes();
}

} // namespace

TkvCompressedStoredSkin::TkvCompressedStoredSkin(QObject* owner)
    : QObject(owner)
{
}

void TkvCompressedStoredSkin::WriteData(platform::Stream& stream) const { stream.writeBytes(m_compressed); }

void TkvCompressedStoredSkin::ReadData(platform::Stream& stream) { m_compressed = stream.readAll(); }

namespace {

void inflate(const QByteArray& compressed, MemoryStream& target)
{
    MemoryStream source(compressed);
    DeCompressStream(target, source);
}

std::optional<UnpackedSkin> unpackBytes(const QByteArray& compressed)
{
    MemoryStream stream;
    inflate(compressed, stream);
    stream.setPosition(0);
    std::optional<StoredSkin> stored = readStoredSkin(stream);
    if (!stored)
        return std::nullopt;
    platform::MemIniFile text(stored->lines);
    // The sections hold the text now; its lines are let go on this thread.
    stored->lines = QStringList();
    return UnpackedSkin{std::move(*stored), std::move(text)};
}

// The frame and the controls draw from these as soon as the skin is loaded.
std::optional<UnpackedSkin> unpackAndDecode(const QByteArray& compressed)
{
    std::optional<UnpackedSkin> unpacked = unpackBytes(compressed);
    if (unpacked) {
        StoredSkin& stored = unpacked->stored;
        for (platform::BmpImage* picture : {&stored.picture, &stored.inactivePicture, &stored.mask})
            picture->decodeAhead();
        for (platform::BmpImage& picture : stored.activeBitmaps)
            picture.decodeAhead();
    }
    return unpacked;
}

} // namespace

void TkvCompressedStoredSkin::DeCompressToStream(MemoryStream& target) const { inflate(m_compressed, target); }

std::optional<UnpackedSkin> TkvCompressedStoredSkin::Unpack()
{
    if (m_ahead.valid()) {
        std::future<std::optional<UnpackedSkin>> ahead = std::move(m_ahead);
        // Bytes replaced since leave the early result unused.
        if (m_unpackedAhead.isSharedWith(m_compressed))
            return ahead.get();
        ahead.wait();
    }
    return unpackBytes(m_compressed);
}

void TkvCompressedStoredSkin::UnpackAhead()
{
    if (m_ahead.valid())
        m_ahead.wait();
    m_unpackedAhead = m_compressed;
    m_ahead = std::async(std::launch::async, unpackAndDecode, m_unpackedAhead);
}

void TkvCompressedStoredSkin::LoadFromSkinData(TkvSkinData& skinData)
{
    m_compressed.clear();
    platform::MemIniFile ini;
    skinData.SaveToCustomIniFile(ini);
    MemoryStream stored;
    writeStoredSkin(stored, skinData.PictureBitmap, skinData.InactivePictureBitmap, skinData.MaskBitmap,
        skinData.ActiveBitmaps, ini.getStrings());
    m_compressed = compress(stored);
}

void TkvCompressedStoredSkin::LoadFromIniFile(const QString& fileName)
{
    const QStringList lines = platform::MemIniFile::splitLines(platform::readWholeFile(fileName));
    const platform::MemIniFile ini(lines);
    if (!CheckSkinSections(ini))
        return;
    m_compressed.clear();

    const QDir folder = QFileInfo(fileName).absoluteDir();
    const QString pictures = QStringLiteral("PICTURES");
    const auto load = [&](const QString& name) {
        return name.isEmpty() ? BmpImage() : BmpImage::loadFromFile(folder.filePath(name));
    };
    const BmpImage picture = load(ini.readString(pictures, QStringLiteral("picture"), QString()));
    const BmpImage inactivePicture = load(ini.readString(pictures, QStringLiteral("inactivepicture"), QString()));
    const BmpImage mask = load(ini.readString(pictures, QStringLiteral("mask"), QString()));
    QStringList names;
    ReadStrings1(ini, pictures, QStringLiteral("activepictures"), names);
    QList<BmpImage> active;
    for (const QString& name : std::as_const(names))
        active.append(BmpImage::loadFromFile(folder.filePath(name)));

    // The definition goes in as written, comments and blank lines included.
    MemoryStream stored;
    writeStoredSkin(stored, picture, inactivePicture, mask, active, lines);
    m_compressed = compress(stored);
}

void TkvCompressedStoredSkin::LoadFromCompressFile(const QString& fileName)
{
    m_compressed.clear();
    platform::FileStream file(fileName, platform::FileStream::Mode::Read);
    try {
        loadFromCompressStream(file);
    } catch (const platform::EReadError& error) {
        throw platform::EReadError(QStringLiteral("%1: %2").arg(fileName, error.message()));
    }
}

void TkvCompressedStoredSkin::loadFromCompressStream(platform::Stream& stream)
{
    m_compressed.clear();
    const qint64 start = stream.position();
    if (stream.remaining() == 0)
        stopped(start, QStringLiteral("the file is empty, not a skin"));
    if (stream.remaining() < sknHeaderSize) {
        stopped(start, QStringLiteral("the file ends inside the header (cut short after %1 of its %2 bytes)")
                           .arg(stream.remaining())
                           .arg(sknHeaderSize));
    }
    if (stream.readInt32() > sknVersion)
        return;
    const qint32 length = stream.readInt32();
    if (length < 0)
        stopped(start + 4, QStringLiteral("the length %1 is below zero (damaged file)").arg(length));
    if (length > stream.remaining()) {
        stopped(stream.position(),
            QStringLiteral("the file ends inside the compressed skin (cut short after %1 of its %2 bytes)")
                .arg(stream.remaining())
                .arg(length));
    }
    m_compressed = stream.readBytes(length);
}

void TkvCompressedStoredSkin::SaveToCompressFile(const QString& fileName) const
{
    if (GetEmpty())
        return;
    platform::FileStream file(fileName, platform::FileStream::Mode::Create);
    file.writeInt32(sknVersion);
    file.writeInt32(qint32(m_compressed.size()));
    file.writeBytes(m_compressed);
}

} // namespace skin
