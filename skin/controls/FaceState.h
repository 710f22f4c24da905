#pragma once

#include "platform/Geometry.h"

namespace skin {

// How one part of a control looks (a button face, an arrow button, a
// thumb). The control's behaviour code decides it from its state; the
// painters, default or skinned, only turn it into pixels, so the state
// machine is checked without looking at pixels and a new look is a new
// painter.
enum class PartLook { Normal, Hot, Pressed };

struct PartFace {
    PartLook look = PartLook::Normal;
    bool disabled = false;
    bool focused = false;

    friend bool operator==(const PartFace&, const PartFace&) = default;
};

// The picture rectangle of an embedded button's face in a skin record: the
// disabled, pressed or active source, or null where the record's own image
// already shows the button (at rest, or a state the record has no picture
// for).
inline platform::TRect embeddedButtonSource(
    const PartFace& face, const platform::TRect& active, const platform::TRect& down, const platform::TRect& disabled)
{
    if (face.disabled && !platform::isNullRect(disabled))
        return disabled;
    if (face.look == PartLook::Pressed)
        return down;
    if (face.look == PartLook::Hot)
        return active;
    return {};
}

} // namespace skin
