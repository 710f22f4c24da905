#pragma once

#include "skin/controls/TkvSkinCustomEdit.h"

namespace skin {

// The edit as windows place it; all behaviour is in TkvSkinCustomEdit.
class TkvSkinEdit : public TkvSkinCustomEdit {
    Q_OBJECT

public:
    using TkvSkinCustomEdit::TkvSkinCustomEdit;
};

} // namespace skin
