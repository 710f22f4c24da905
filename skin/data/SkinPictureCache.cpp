#include "skin/data/SkinPictureCache.h"

namespace skin {

const platform::TBitmap* SkinPictureCache::picture(const platform::BmpImage& image, size_t slot)
{
    if (image.isEmpty())
        return nullptr;
    if (slot >= m_entries.size())
        m_entries.resize(slot + 1);
    Entry& entry = m_entries[slot];
    const QByteArray& bytes = image.bytes();
    if (!entry.bitmap || entry.source.constData() != bytes.constData() || entry.source.size() != bytes.size()) {
        auto bitmap = std::make_unique<platform::TBitmap>();
        bitmap->setImage(image.toQImage());
        entry.source = bytes;
        entry.bitmap = std::move(bitmap);
    }
    return entry.bitmap->Empty() ? nullptr : entry.bitmap.get();
}

} // namespace skin
