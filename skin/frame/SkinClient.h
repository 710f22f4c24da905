#pragma once

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

} // namespace skin
