// The window state's transitions, in one table.

#include "skin/frame/FrameWindowState.h"

#include <optional>

namespace skin {

namespace {

using A = FrameStateAction;
using E = FrameStateEvent;
using W = TWindowState;
using Roll = FrameRollUp;
using Origin = FrameRollOrigin;

struct Row {
    E event;
    W from;
    std::optional<Roll> fromRollUp;
    std::optional<Origin> fromOrigin;
    std::optional<W> to;
    std::optional<Roll> toRollUp;
    std::optional<Origin> toOrigin;
    FrameStateActions actions;
};

// A row applies when the event is its event and the state matches its
// "from" columns ("-" matches anything); the "to" columns name what
// changes ("-" keeps the field). Without a row the event changes nothing:
// a state asked for that the window has already, rolling a minimized
// window, rolling down a maximized window rolled up before it was
// maximized. Whether roll-up is offered at all is the frame's to check.
//
//  event               from: window  roll  origin     to: window  roll  origin     actions
//  Minimize            normal        -     -          minimized   -     -          ShowMinimized
//  Minimize            maximized     -     -          minimized   -     -          ShowMinimized
//  Maximize            normal        -     -          maximized   -     -          KeepRestoreBounds, FillWorkArea
//  Maximize            minimized     -     -          maximized   -     -          KeepRestoreBounds, ShowNormal,
//                                                                                  FillWorkArea
//  Restore             maximized     -     -          normal      -     Normal     ReturnToRestoreBounds, Relayout,
//                                                                                  ForgetRestoreBounds
//  Restore             minimized     -     -          normal      -     Normal     ShowNormal, Relayout,
//                                                                                  ForgetRestoreBounds
//  RestoredByPlatform  minimized     -     -          normal      -     -          (the platform did it all)
//  RollUp              normal        Down  -          -           Up    -          ShrinkToCaption, Relayout,
//                                                                                  NotifyRollUp
//  RollUp              maximized     Down  -          -           Up    Maximized  ShrinkToCaption, Relayout,
//                                                                                  NotifyRollUp
//  RollDown            normal        Up    -          -           Down  -          GrowBack, Relayout, NotifyRollUp
//  RollDown            maximized     Up    Maximized  -           Down  Normal     GrowBack, Relayout, NotifyRollUp
constexpr std::nullopt_t any = std::nullopt;
constexpr std::nullopt_t kept = std::nullopt;
const Row kTransitions[] = {
    {E::Minimize, W::wsNormal, any, any, W::wsMinimized, kept, kept, {A::ShowMinimized}},
    {E::Minimize, W::wsMaximized, any, any, W::wsMinimized, kept, kept, {A::ShowMinimized}},
    {E::Maximize, W::wsNormal, any, any, W::wsMaximized, kept, kept, {A::KeepRestoreBounds, A::FillWorkArea}},
    {E::Maximize, W::wsMinimized, any, any, W::wsMaximized, kept, kept,
        {A::KeepRestoreBounds, A::ShowNormal, A::FillWorkArea}},
    {E::Restore, W::wsMaximized, any, any, W::wsNormal, kept, Origin::Normal,
        {A::ReturnToRestoreBounds, A::Relayout, A::ForgetRestoreBounds}},
    {E::Restore, W::wsMinimized, any, any, W::wsNormal, kept, Origin::Normal,
        {A::ShowNormal, A::Relayout, A::ForgetRestoreBounds}},
    {E::RestoredByPlatform, W::wsMinimized, any, any, W::wsNormal, kept, kept, {}},
    {E::RollUp, W::wsNormal, Roll::Down, any, kept, Roll::Up, kept,
        {A::ShrinkToCaption, A::Relayout, A::NotifyRollUp}},
    {E::RollUp, W::wsMaximized, Roll::Down, any, kept, Roll::Up, Origin::Maximized,
        {A::ShrinkToCaption, A::Relayout, A::NotifyRollUp}},
    {E::RollDown, W::wsNormal, Roll::Up, any, kept, Roll::Down, kept, {A::GrowBack, A::Relayout, A::NotifyRollUp}},
    {E::RollDown, W::wsMaximized, Roll::Up, Origin::Maximized, kept, Roll::Down, Origin::Normal,
        {A::GrowBack, A::Relayout, A::NotifyRollUp}},
};

bool matches(const Row& row, E event, const FrameWindowState& s)
{
    return row.event == event && row.from == s.window && (!row.fromRollUp || *row.fromRollUp == s.rollUp)
        && (!row.fromOrigin || *row.fromOrigin == s.rollOrigin);
}

} // namespace

FrameStateTransition FrameWindowState::next(FrameStateEvent event) const
{
    for (const Row& row : kTransitions) {
        if (!matches(row, event, *this))
            continue;
        FrameWindowState to = *this;
        to.window = row.to.value_or(window);
        to.rollUp = row.toRollUp.value_or(rollUp);
        to.rollOrigin = row.toOrigin.value_or(rollOrigin);
        return {to, row.actions, true};
    }
    return {*this, {}, false};
}

FrameStateEvent FrameWindowState::eventFor(TWindowState target)
{
    switch (target) {
    case W::wsMinimized:
        return E::Minimize;
    case W::wsMaximized:
        return E::Maximize;
    case W::wsNormal:
        break;
    }
    return E::Restore;
}

FrameStateEvent FrameWindowState::captionDoubleClick(TkvBorderIcons icons, bool sizeable) const
{
    if (sizeable && minimized())
        return E::Restore;
    if (sizeable && !maximized() && !rolledUp() && icons.has(TkvBorderIcon::biMaximize))
        return E::Maximize;
    if (sizeable && maximized() && !rolledUpWhileMaximized())
        return E::Restore;
    return rolledUp() ? E::RollDown : E::RollUp;
}

FrameStateEvent FrameWindowState::restoreCommand() const
{
    // A roll-up of the window as it is now comes undone first.
    if (rolledUp() && (rolledUpWhileMaximized() || normal()))
        return E::RollDown;
    return E::Restore;
}

} // namespace skin
