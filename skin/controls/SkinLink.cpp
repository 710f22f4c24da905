#include "skin/controls/SkinLink.h"

namespace skin {

SkinLink::SkinLink(QString defaultName) : m_name(std::move(defaultName)) {}

SkinLink::~SkinLink() = default;

void SkinLink::SetSkinData(TkvSkinData* value)
{
    m_skinData = value;
    if (value && !value->IsEmpty())
        ChangeSkinData();
}

void SkinLink::GetSkinData()
{
    m_recordIndex = -1;
    if (!m_skinData || m_skinData->IsEmpty() || !m_copyRecord) {
        clearRecord();
        return;
    }
    const int index = m_skinData->GetControlIndex(m_name);
    std::unique_ptr<TkvDataSkinControl> copy;
    if (index != -1)
        copy = m_copyRecord(*m_skinData->SkinControls[size_t(index)]);
    if (!copy) {
        clearRecord();
        return;
    }
    m_recordIndex = index;
    m_record = std::move(copy);
    copyPicture(m_picture, m_skinData->activeBitmap(m_record->pictureindex));
    copyPicture(m_mask, m_skinData->activeBitmap(m_record->maskpictureindex));
}

void SkinLink::BeforeChangeSkinData()
{
    m_recordIndex = -1;
    clearRecord();
}

void SkinLink::clearRecord()
{
    m_record.reset();
    m_picture = {};
    m_mask = {};
}

void SkinLink::copyPicture(Picture& picture, const platform::BmpImage* source)
{
    if (!source) {
        picture = {};
        return;
    }
    // The copy shares the skin's bytes, so equal data pointers mean the
    // same picture even after the skin freed its own reference.
    if (picture.source.bytes().constData() == source->bytes().constData() && !picture.image.isNull())
        return;
    picture.source = *source;
    picture.image = source->toQImage();
}

platform::TFont SkinLink::skinFont(const platform::TFont& fallback, bool useSkinFont) const
{
    const auto* font = dynamic_cast<const SkinFontFields*>(m_record.get());
    if (!font)
        return fallback;
    platform::TFont result = fallback;
    if (useSkinFont) {
        result.Name = font->fontname;
        result.Height = font->fontheight;
        result.Style = platform::TFontStyles::fromInt(font->fontstyle.bits);
    }
    result.Color = font->fontcolor;
    return result;
}

} // namespace skin
