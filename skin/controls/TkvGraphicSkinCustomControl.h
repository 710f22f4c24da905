#pragma once

#include "skin/controls/TkvSkinCustomControl.h"

namespace skin {

// The window-less twin of TkvSkinCustomControl: the same record, size
// fitting, fonts and faces, but no window region (its record's mask is not
// applied, the control stays rectangular) and never the keyboard focus.
class TkvGraphicSkinCustomControl : public TkvSkinCustomControl {
    Q_OBJECT

public:
    explicit TkvGraphicSkinCustomControl(QWidget* parent = nullptr);

    void SetControlRegion() override;
};

} // namespace skin
