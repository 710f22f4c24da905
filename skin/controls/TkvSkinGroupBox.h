#pragma once

#include "skin/controls/TkvSkinPanel.h"

namespace skin {

// A panel that shows its caption strip from the start.
class TkvSkinGroupBox : public TkvSkinPanel {
    Q_OBJECT

public:
    explicit TkvSkinGroupBox(QWidget* parent = nullptr);
};

} // namespace skin
