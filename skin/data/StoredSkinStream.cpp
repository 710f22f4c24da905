#include "skin/data/StoredSkinStream.h"

#include "platform/ByteStream.h"
#include "platform/IniFile.h"

namespace skin {

using platform::BmpImage;

namespace {

BmpImage readFlaggedBitmap(platform::Stream& stream)
{
    // The flag says whether the bitmap is empty.
    if (stream.readUInt8() != 0)
        return {};
    return BmpImage::readRecord(stream);
}

void writeFlaggedBitmap(platform::Stream& stream, const BmpImage& image)
{
    stream.writeUInt8(image.isEmpty() ? 1 : 0);
    if (!image.isEmpty())
        image.writeRecord(stream);
}

} // namespace

std::optional<StoredSkin> readStoredSkin(platform::Stream& stream)
{
    StoredSkin skin;
    skin.version = stream.readInt32();
    if (skin.version > StoredSkin::currentVersion)
        return std::nullopt;
    skin.picture = readFlaggedBitmap(stream);
    skin.inactivePicture = readFlaggedBitmap(stream);
    skin.mask = readFlaggedBitmap(stream);
    if (skin.version == 2) {
        readFlaggedBitmap(stream);
        readFlaggedBitmap(stream);
    }
    // Every record is checked against the bytes left, so a lying count
    // ends in a read error instead of a large allocation.
    const qint32 count = stream.readInt32();
    for (qint32 i = 0; i < count; ++i)
        skin.activeBitmaps.append(BmpImage::readRecord(stream));
    skin.lines = platform::MemIniFile::splitLines(stream.readAll());
    return skin;
}

void writeStoredSkin(platform::Stream& stream, const BmpImage& picture, const BmpImage& inactivePicture,
    const BmpImage& mask, const QList<BmpImage>& activeBitmaps, const QStringList& lines)
{
    stream.writeInt32(StoredSkin::currentVersion);
    writeFlaggedBitmap(stream, picture);
    writeFlaggedBitmap(stream, inactivePicture);
    writeFlaggedBitmap(stream, mask);
    stream.writeInt32(qint32(activeBitmaps.size()));
    for (const BmpImage& image : activeBitmaps)
        image.writeRecord(stream);
    stream.writeBytes(platform::MemIniFile::joinLines(lines));
}

} // namespace skin
