#pragma once

#include "skin/controls/TkvSkinCustomComboBox.h"

namespace skin {

// The combo box as windows place it; all behaviour is in TkvSkinCustomComboBox.
class TkvSkinComboBox : public TkvSkinCustomComboBox {
    Q_OBJECT

public:
    using TkvSkinCustomComboBox::TkvSkinCustomComboBox;
};

} // namespace skin
