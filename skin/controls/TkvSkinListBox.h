#pragma once

#include "skin/controls/TkvSkinCustomListBox.h"

namespace skin {

// The list box as windows place it; all behaviour is in TkvSkinCustomListBox.
class TkvSkinListBox : public TkvSkinCustomListBox {
    Q_OBJECT

public:
    using TkvSkinCustomListBox::TkvSkinCustomListBox;
};

} // namespace skin
