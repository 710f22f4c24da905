#pragma once

#include "platform/Bitmap.h"
#include "platform/BmpCodec.h"

#include <QByteArray>

#include <memory>
#include <vector>

namespace skin {

// Decoded copies of a skin's stored pictures, so that drawing never decodes
// BMP bytes. A picture is decoded on its first request and kept until
// clear(), or until its slot is asked for with a different picture (then the
// old copy is freed). Pointers handed out stay valid until then.
class SkinPictureCache {
public:
    // The decoded image for slot; nullptr for an empty image.
    const platform::TBitmap* picture(const platform::BmpImage& image, size_t slot);
    void clear() { m_entries.clear(); }

private:
    struct Entry {
        // Shares the stored bytes, so a replaced picture is recognised by
        // their address without comparing them.
        QByteArray source;
        std::unique_ptr<platform::TBitmap> bitmap;
    };
    std::vector<Entry> m_entries;
};

} // namespace skin
