#pragma once

#include "skin/controls/ControlTypes.h"

#include "platform/Bitmap.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/SkinClient.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace skin {

// Base of every windowed skinned control: the link to the skin data, the
// lookup of the control's record, and painting that builds the whole face
// off-screen and copies it in one step. The parent's background is never
// erased under the control, so every face must cover all of its pixels.
//
// A window places a control like any widget:
//     auto* save = new TkvSkinButton(panel);
//     save->SetBounds(10, 40, 75, 25);
//     save->SetCaption("Save");
//     save->OnClick = [this](QObject* Sender) { ... };
class TkvSkinControl : public QWidget, public SkinClient {
    Q_OBJECT

public:
    explicit TkvSkinControl(QWidget* parent = nullptr);
    ~TkvSkinControl() override;

    TkvSkinData* SkinData() const override { return m_skinData; }
    virtual void SetSkinData(TkvSkinData* value);
    const QString& SkinDataName() const { return m_skinDataName; }
    // Only stored; the record is looked up again at the next paint or skin change.
    virtual void SetSkinDataName(const QString& value);
    // The record's position in the skin data's control list, -1 when the
    // control has no usable record.
    int RecordIndex() const { return m_recordIndex; }

    // Resolves RecordIndex.
    virtual void GetSkinData();
    // Re-reads the record and brings size and image up to date.
    void ChangeSkinData() override;
    // Forgets the record before the skin data frees it.
    void BeforeChangeSkinData() override;
    void AfterChangeSkinData() override;

    // Position and size in the parent's coordinates.
    virtual void SetBounds(int left, int top, int width, int height);

    // Builds the face as a paint would, for tests and pictures.
    QImage renderFace();

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // Draws the control into bitmap (already of the control's size) without a skin.
    virtual void CreateControlDefaultImage(platform::TBitmap& bitmap);
    // Draws the control into bitmap from its record.
    virtual void CreateControlSkinImage(platform::TBitmap& bitmap);

    bool hasRecord() const { return m_recordIndex != -1; }
    // Whether this control can draw itself from record: the record is of
    // the class it needs and its skin drawing exists. None can yet, so
    // every control keeps its default look whatever the skin holds.
    virtual bool UsesRecord(const TkvDataSkinControl& record) const;

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPointer<TkvSkinData> m_skinData;
    QString m_skinDataName;
    int m_recordIndex = -1;
};

} // namespace skin
