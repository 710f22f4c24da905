#pragma once

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

} // namespace skin
