#include "skin/controls/SkinLink.h"

#include "skin/data/SkinCut.h"
#include "skin/data/SkinFont.h"

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
    // The skin decodes each picture once per load; the copies share its
    // pixels and outlive it.
    const platform::TBitmap* picture = m_skinData->decodedActivePicture(m_record->pictureindex);
    const platform::TBitmap* mask = m_skinData->decodedActivePicture(m_record->maskpictureindex);
    static const platform::TBitmap none;
    m_picture.Assign(picture ? *picture : none);
    m_mask.Assign(mask ? *mask : none);
    // The control takes its size from the skin area and draws its parts
    // within it: an area reaching beyond its picture, or a cut beyond its
    // area, would size the control or its parts past any screen.
    if (!m_picture.Empty())
        m_record->skinrect = rectWithin(m_record->skinrect, QSize(m_picture.Width(), m_picture.Height()));
    if (auto* custom = dynamic_cast<TkvDataSkinCustomControl*>(m_record.get())) {
        const QSize area(custom->skinrect.width(), custom->skinrect.height());
        custom->clientrect = rectWithin(custom->clientrect, area);
        for (TPoint* p :
            {&custom->lefttoppoint, &custom->righttoppoint, &custom->leftbottompoint, &custom->rightbottompoint})
            *p = pointWithin(*p, area);
    }
}

void SkinLink::BeforeChangeSkinData()
{
    m_recordIndex = -1;
    clearRecord();
}

void SkinLink::clearRecord()
{
    static const platform::TBitmap none;
    m_record.reset();
    m_picture.Assign(none);
    m_mask.Assign(none);
}

platform::TFont SkinLink::skinFont(const platform::TFont& fallback, bool useSkinFont) const
{
    const auto* font = dynamic_cast<const SkinFontFields*>(m_record.get());
    if (!font)
        return fallback;
    platform::TFont result = useSkinFont ? recordFont(*font) : fallback;
    result.Color = font->fontcolor;
    return result;
}

} // namespace skin
