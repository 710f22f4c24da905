#pragma once

#include "skin/controls/TkvSkinCustomSlider.h"

namespace skin {

// The slider as windows place it; all behaviour is in TkvSkinCustomSlider.
class TkvSkinSlider : public TkvSkinCustomSlider {
    Q_OBJECT

public:
    using TkvSkinCustomSlider::TkvSkinCustomSlider;
};

} // namespace skin
