#pragma once

#include "platform/BmpCodec.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace platform {
class Stream;
}

namespace skin {

// The uncompressed stored skin: version, three flag-and-bitmap records
// (flag 0: a BMP record follows), two more discarded records in version 2,
// the count of active pictures and their records, then the definition
// text up to the end. All integers are 32-bit little-endian.
struct StoredSkin {
    static constexpr qint32 currentVersion = 3;

    qint32 version = currentVersion;
    platform::BmpImage picture;
    platform::BmpImage inactivePicture;
    platform::BmpImage mask;
    QList<platform::BmpImage> activeBitmaps;
    QStringList lines;
};

// Reads from the stream's position. Versions above 3 give nothing (the
// stream is not read further); damaged data throws.
std::optional<StoredSkin> readStoredSkin(platform::Stream& stream);

// Writes version 3 with the given pictures and the text lines, each ending
// CR LF.
void writeStoredSkin(platform::Stream& stream, const platform::BmpImage& picture,
    const platform::BmpImage& inactivePicture, const platform::BmpImage& mask,
    const QList<platform::BmpImage>& activeBitmaps, const QStringList& lines);

} // namespace skin
