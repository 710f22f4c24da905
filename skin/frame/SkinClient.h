#pragma once

class QEvent;
class QWidget;

namespace skin {

class TkvSkinData;

// What the frame needs of a skinned control to hand skin changes on: the
// skin data the control is bound to and the three steps of a change.
// Controls inherit it beside QWidget; the frame finds them by walking the
// window's widgets.
class SkinClient {
public:
    virtual ~SkinClient() = default;

    virtual TkvSkinData* SkinData() const = 0;
    // Drop everything taken from the skin; it is about to be freed.
    virtual void BeforeChangeSkinData() {}
    virtual void ChangeSkinData() = 0;
    virtual void AfterChangeSkinData() {}
};

// Hands one step of a skin change (before change, change, after change) to
// root and every skin client below it that is bound to skinData (to all of
// them when skinData is null). A client may create or delete others while
// it refits, so each is checked before it is called.
void forwardSkinChange(QWidget* root, int message, const TkvSkinData* skinData);

// The same for a skin message event, to the clients of its skin data.
// Returns false for events that are not skin messages.
bool forwardSkinMessage(QWidget* root, QEvent* event);

} // namespace skin
