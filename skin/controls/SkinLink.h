#pragma once

#include "platform/Bitmap.h"
#include "platform/CanvasTools.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/SkinClient.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

namespace skin {

// The link of a control to its skin: the skin data, the name of the
// control's record, the record's index and a copy of the record taken at
// the last lookup, with the record's pictures. Every skinned control, the
// edit and the standard label carry exactly one, so they find, copy and
// drop records alike, and the skinned form reaches all of them through
// this type when the skin changes.
//
// A control takes a record only when it is of the control's record class
// and the control has a skin drawing for it (acceptRecords); otherwise
// RecordIndex stays -1 and the control keeps its default look.
class SkinLink : public SkinClient {
public:
    explicit SkinLink(QString defaultName);
    ~SkinLink() override;
    SkinLink(const SkinLink&) = delete;
    SkinLink& operator=(const SkinLink&) = delete;

    TkvSkinData* SkinData() const override { return m_skinData; }
    // Stores the reference; a loaded skin is applied at once.
    virtual void SetSkinData(TkvSkinData* value);
    const QString& SkinDataName() const { return m_name; }
    // Only stored; the record is looked up again at the next paint or skin change.
    virtual void SetSkinDataName(const QString& value) { m_name = value; }
    // The record's position in the skin data's control list, -1 when the
    // control has no usable record.
    int RecordIndex() const { return m_recordIndex; }

    // Looks the record up again and copies it.
    virtual void GetSkinData();
    // Re-reads the record and brings size and face up to date.
    void ChangeSkinData() override = 0;
    // Forgets the record and its pictures before the skin data frees them,
    // so that faces drawn until the change use the default look.
    void BeforeChangeSkinData() override;
    void AfterChangeSkinData() override {}

protected:
    bool hasRecord() const { return m_recordIndex != -1; }

    // Records of class Record (or derived from it) become usable. Called by
    // a control's constructor once its skin drawing exists.
    template<typename Record>
    void acceptRecords()
    {
        m_copyRecord = [](const TkvDataSkinControl& source) -> std::unique_ptr<TkvDataSkinControl> {
            if (const auto* typed = dynamic_cast<const Record*>(&source))
                return std::make_unique<Record>(*typed);
            return nullptr;
        };
    }
    // The copy of the record as Record, or nullptr without one.
    template<typename Record>
    const Record* record() const
    {
        return dynamic_cast<const Record*>(m_record.get());
    }
    // The record's picture and mask, shared with the skin's decoded copies
    // but kept alive by the link; empty when the record has none.
    const platform::TBitmap& skinPicture() const { return m_picture; }
    const platform::TBitmap& skinMask() const { return m_mask; }

    // The font rule of skinned controls: with a record and useSkinFont the
    // record's face, height and style, otherwise fallback; with a record the
    // colour is the record's font colour.
    platform::TFont skinFont(const platform::TFont& fallback, bool useSkinFont) const;

private:
    void clearRecord();

    QPointer<TkvSkinData> m_skinData;
    QString m_name;
    int m_recordIndex = -1;
    std::function<std::unique_ptr<TkvDataSkinControl>(const TkvDataSkinControl&)> m_copyRecord;
    std::unique_ptr<TkvDataSkinControl> m_record;
    platform::TBitmap m_picture;
    platform::TBitmap m_mask;
};

} // namespace skin
