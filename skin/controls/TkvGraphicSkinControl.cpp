#include "skin/controls/TkvGraphicSkinControl.h"

namespace skin {

void makeWindowless(QWidget& control) { control.setFocusPolicy(Qt::NoFocus); }

TkvGraphicSkinControl::TkvGraphicSkinControl(QWidget* parent) : TkvSkinControl(parent) { makeWindowless(*this); }

} // namespace skin
