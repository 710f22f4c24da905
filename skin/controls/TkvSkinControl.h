#pragma once

#include "skin/controls/ControlTypes.h"
#include "skin/controls/SkinnedWidget.h"

#include "platform/Bitmap.h"

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
class TkvSkinControl : public SkinnedWidget {
    Q_OBJECT

public:
    explicit TkvSkinControl(QWidget* parent = nullptr);
    ~TkvSkinControl() override;

    void ChangeSkinData() override;

    // Builds the face as a paint would, for tests and pictures.
    QImage renderFace();

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // Draws the control into bitmap (already of the control's size) without a skin.
    virtual void CreateControlDefaultImage(platform::TBitmap& bitmap);
    // Draws the control into bitmap from its record.
    virtual void CreateControlSkinImage(platform::TBitmap& bitmap);

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace skin
