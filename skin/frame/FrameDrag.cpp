// The drag state's transitions.

#include "skin/frame/FrameDrag.h"

#include <optional>

namespace skin {

namespace {

using S = FrameDragState;
constexpr int kStates = 5;
constexpr int kEvents = 7;

// Rows are states, columns events, in the order they are declared; "-"
// keeps the state (the event does not arise there).
//
//                   Press  PressCaption    StayPut  MoveStart       MoveRefused    SizeStart       Release
//  None             None   CaptionPressed  -        -               -              SizingBySystem  None
//  CaptionPressed   None   -               None     MovingBySystem  -              -               None
//  MovingBySystem   None   -               -        -               MovingByFrame  -               None
//  MovingByFrame    None   -               -        -               -              -               None
//  SizingBySystem   None   -               -        -               -              -               None
constexpr std::nullopt_t keep = std::nullopt;
constexpr std::optional<S> kNext[kStates][kEvents] = {
    {S::None, S::CaptionPressed, keep, keep, keep, S::SizingBySystem, S::None},
    {S::None, keep, S::None, S::MovingBySystem, keep, keep, S::None},
    {S::None, keep, keep, keep, S::MovingByFrame, keep, S::None},
    {S::None, keep, keep, keep, keep, keep, S::None},
    {S::None, keep, keep, keep, keep, keep, S::None},
};

static_assert(int(S::SizingBySystem) == kStates - 1 && int(FrameDragEvent::Release) == kEvents - 1);

} // namespace

FrameDragState FrameDrag::next(FrameDragState state, FrameDragEvent event)
{
    return kNext[int(state)][int(event)].value_or(state);
}

bool FrameDrag::inSizeMove() const
{
    return m_state == S::MovingBySystem || m_state == S::MovingByFrame || m_state == S::SizingBySystem;
}

void FrameDrag::pressCaption(QPoint windowPoint)
{
    handle(FrameDragEvent::PressCaption);
    m_grabPoint = windowPoint;
}

bool FrameDrag::pastDragDistance(QPoint windowPoint, int distance) const
{
    return (windowPoint - m_grabPoint).manhattanLength() >= distance;
}

} // namespace skin
