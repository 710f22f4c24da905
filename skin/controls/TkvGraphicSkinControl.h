#pragma once

#include "skin/controls/TkvSkinControl.h"

namespace skin {

// The window-less twin of TkvSkinControl: drawn from its record the same
// way, but like any control without a window of its own it never takes
// the keyboard focus. Qt draws every widget into its window's picture, so
// the twin is the windowed control less what needs a window.
class TkvGraphicSkinControl : public TkvSkinControl {
    Q_OBJECT

public:
    explicit TkvGraphicSkinControl(QWidget* parent = nullptr);
};

// What makes a control window-less: no focus, by mouse or by key.
void makeWindowless(QWidget& control);

} // namespace skin
