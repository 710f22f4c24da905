#pragma once

#include "skin/controls/TkvSkinCustomListBox.h"

namespace skin {

// The drop-down of a combo box: a list box in a borderless pop-up window
// that never takes the activation or the focus, so the form and its combo
// box keep both while the list is open.
class TkvPopupListBox : public TkvSkinCustomListBox {
    Q_OBJECT

public:
    // owner: the control the list drops down from; the window is its child
    // object and goes with it.
    explicit TkvPopupListBox(QWidget* owner);

    // Shows the window with its top-left corner at screenPoint.
    void Show(const QPoint& screenPoint);
    void Hide();

    // Sees every event of the inner list before it; returns whether the
    // list may process it.
    std::function<bool(QEvent* event)> WindowProcHook;

    void ListBoxWProc(QEvent* event, bool& process) override;
};

} // namespace skin
