#pragma once

#include "skin/controls/TkvSkinCustomListBox.h"
#include "skin/frame/FrameFade.h"

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

    // Shows the window with its top-left corner at screenPoint, fading it
    // in when translucent with animation.
    void Show(const QPoint& screenPoint);
    void Hide();
    // The owner's translucency: the open list at value (0 .. 255) when
    // alphaBlend, faded in from transparent in steps of 2 with animation.
    void SetTranslucency(bool alphaBlend, int value, bool animation);
    // The opacity last given to the window, 0 .. 255.
    int opacity() const { return m_fade.opacity(); }

    // Sees every event of the inner list before it; returns whether the
    // list may process it.
    std::function<bool(QEvent* event)> WindowProcHook;

    void ListBoxWProc(QEvent* event, bool& process) override;

private:
    bool m_fadeIn = false;
    FrameFade m_fade{this, this, m_fadeIn, 2};
};

} // namespace skin
