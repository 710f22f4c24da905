#pragma once

#include "skin/data/SkinTypes.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace platform {
class TCanvas;
}

namespace skin {

// A notify event of the component model: one handler, called with the
// control that raised it, after the control's state has changed.
using TNotifyEvent = std::function<void(QObject* Sender)>;

// Raises event for sender and tells whether sender still exists
// afterwards, so that callers stop touching a control that a handler
// destroyed.
inline bool raiseEvent(const TNotifyEvent& event, QObject* sender)
{
    if (!event)
        return true;
    QPointer<QObject> guard(sender);
    event(sender);
    return !guard.isNull();
}

enum class TkvButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

enum class TkvSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

enum class TkvSliderOrientation { soHorizontal, soVertical };

enum class TkvSliderOption { soShowFocus = 1, soShowPoints = 2, soSmooth = 4, soRulerOpaque = 8, soThumbOpaque = 16 };
Q_DECLARE_FLAGS(TkvSliderOptions, TkvSliderOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TkvSliderOptions)

enum class TkvJumpMode { jmNone, jmHome, jmEnd, jmNext, jmPrior };

enum class TkvSkinCustomComboBoxStyle { kvcbFixedStyle, kvcbEditStyle };

enum class TScrollBarKind { sbHorizontal, sbVertical };

// What an item being drawn is: highlighted, the focused one, in a
// disabled control.
enum class TOwnerDrawStateItem { odSelected = 1, odFocused = 2, odDisabled = 4 };
Q_DECLARE_FLAGS(TOwnerDrawState, TOwnerDrawStateItem)
Q_DECLARE_OPERATORS_FOR_FLAGS(TOwnerDrawState)

// Draws an item's content (picture and text) in place of the control: on
// Canvas, whose font and colour are already the item's, inside the text
// rectangle Rect; the background is drawn.
using TkvDrawSkinItemEvent = std::function<void(
    QObject* Sender, platform::TCanvas& Canvas, int Index, const platform::TRect& Rect, TOwnerDrawState State)>;

} // namespace skin
