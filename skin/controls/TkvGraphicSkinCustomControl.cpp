#include "skin/controls/TkvGraphicSkinCustomControl.h"

#include "skin/controls/TkvGraphicSkinControl.h"

namespace skin {

TkvGraphicSkinCustomControl::TkvGraphicSkinCustomControl(QWidget* parent) : TkvSkinCustomControl(parent)
{
    makeWindowless(*this);
}

void TkvGraphicSkinCustomControl::SetControlRegion()
{
    // A window-less control has no region to cut.
    if (!mask().isEmpty())
        clearMask();
}

} // namespace skin
