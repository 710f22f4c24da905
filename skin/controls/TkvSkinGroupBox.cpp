#include "skin/controls/TkvSkinGroupBox.h"

namespace skin {

TkvSkinGroupBox::TkvSkinGroupBox(QWidget* parent) : TkvSkinPanel(parent)
{
    SetSkinDataName(QStringLiteral("groupbox"));
    SetCaptionMode(true);
}

} // namespace skin
