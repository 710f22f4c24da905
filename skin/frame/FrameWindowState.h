#pragma once

#include "skin/frame/FrameTypes.h"

#include <initializer_list>

namespace skin {

// Whether the window shows only its caption.
enum class FrameRollUp { Down, Up };

// Where the window was when it last rolled up or down. A maximized window
// rolled up is unrolled, not restored, by its caption and by "Restore";
// only a return to normal through the frame forgets it.
enum class FrameRollOrigin { Normal, Maximized };

// What asks the window to change.
enum class FrameStateEvent { Minimize, Maximize, Restore, RestoredByPlatform, RollUp, RollDown };

// Work on the window a transition asks for. The frame runs the ones asked
// in the order declared here.
enum class FrameStateAction : unsigned {
    // Remember the bounds to restore, unless some are remembered already.
    KeepRestoreBounds = 1u << 0,
    ShowNormal = 1u << 1,
    ShowMinimized = 1u << 2,
    // Cover the work area (or the screen), free of the size limits.
    FillWorkArea = 1u << 3,
    // Back to the remembered bounds, when there are some.
    ReturnToRestoreBounds = 1u << 4,
    // Remember the height and shrink to the caption.
    ShrinkToCaption = 1u << 5,
    // Back to the height remembered before the roll-up.
    GrowBack = 1u << 6,
    Relayout = 1u << 7,
    ForgetRestoreBounds = 1u << 8,
    NotifyRollUp = 1u << 9,
};

struct FrameStateActions {
    unsigned bits = 0;

    constexpr FrameStateActions() = default;
    constexpr FrameStateActions(std::initializer_list<FrameStateAction> actions)
    {
        for (const FrameStateAction action : actions)
            bits |= unsigned(action);
    }
    constexpr bool has(FrameStateAction action) const { return bits & unsigned(action); }
    constexpr bool empty() const { return bits == 0; }
    friend bool operator==(const FrameStateActions&, const FrameStateActions&) = default;
};

struct FrameStateTransition;

// The window state as the frame keeps it: normal, minimized or maximized,
// rolled up or not, and where the roll-up was taken. Every change goes
// through next(), which reads one table; the frame applies the result to
// the window.
struct FrameWindowState {
    TWindowState window = TWindowState::wsNormal;
    FrameRollUp rollUp = FrameRollUp::Down;
    FrameRollOrigin rollOrigin = FrameRollOrigin::Normal;

    friend bool operator==(const FrameWindowState&, const FrameWindowState&) = default;

    bool normal() const { return window == TWindowState::wsNormal; }
    bool minimized() const { return window == TWindowState::wsMinimized; }
    bool maximized() const { return window == TWindowState::wsMaximized; }
    bool rolledUp() const { return rollUp == FrameRollUp::Up; }
    bool rolledUpWhileMaximized() const { return rollOrigin == FrameRollOrigin::Maximized; }
    // Whether the window's size is the user's to change (when the window
    // is sizeable at all).
    bool userSizable() const { return normal() && !rolledUp(); }

    // The state after event and the work it asks for; the state itself
    // when the table has no row for it.
    FrameStateTransition next(FrameStateEvent event) const;
    // The event that asks for window state target.
    static FrameStateEvent eventFor(TWindowState target);

    // What a double click on the caption asks for.
    FrameStateEvent captionDoubleClick(TkvBorderIcons icons, bool sizeable) const;
    // What the system menu's "Restore" asks for.
    FrameStateEvent restoreCommand() const;
};

struct FrameStateTransition {
    FrameWindowState to;
    FrameStateActions actions;
    // False when the event changes nothing in this state.
    bool accepted = false;
};

} // namespace skin
