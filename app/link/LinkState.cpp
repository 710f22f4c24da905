// The link's transitions, in one table.

#include "app/link/LinkState.h"

#include <optional>

namespace {

using A = LinkAction;
using E = LinkEvent;
using S = LinkState;

struct Row {
    E event;
    S from;
    std::optional<Reconnect> reconnect;
    S to;
    LinkActions actions;
};

// A row applies when the event is its event, the state its "from" and the
// reconnect setting matches ("-" matches either). Without a row the event
// changes nothing: a second "DisConnect", silence while closed, a device
// lost that was never open.
//
//  event               from              reconnect  to                actions
//  Opened              Closed            -          Open              StartFreshness, MarkBreak, RecordConnection,
//                                                                     StartHealthWatch
//  Opened              WaitingForDevice  -          Open              StopReturnWatch, StartFreshness, MarkBreak,
//                                                                     RecordConnection
//  Disconnect          Open, Stale       -          Closed            ClosePort, StopHealthWatch
//  Disconnect          WaitingForDevice  -          Closed            StopReturnWatch, StopHealthWatch
//  DeviceLost          Open, Stale       On         WaitingForDevice  StartReturnWatch
//  DeviceLost          Open, Stale       Off        Closed            StopHealthWatch, ReportLost
//  WentSilent          Open              -          Stale             -
//  DataResumed         Stale             -          Open              -
//  ReconnectTurnedOff  WaitingForDevice  -          Closed            StopReturnWatch, StopHealthWatch
//  CommandFailed       Open, Stale       -          Closed            ClosePort, StopHealthWatch, ReportCommandFailed
constexpr std::nullopt_t either = std::nullopt;
const LinkActions kOpenedActions{A::StartFreshness, A::MarkBreak, A::RecordConnection, A::StartHealthWatch};
const LinkActions kReturnedActions{A::StopReturnWatch, A::StartFreshness, A::MarkBreak, A::RecordConnection};
const LinkActions kCloseActions{A::ClosePort, A::StopHealthWatch};
const LinkActions kCommandFailedActions{A::ClosePort, A::StopHealthWatch, A::ReportCommandFailed};
const Row kTransitions[] = {
    {E::Opened, S::Closed, either, S::Open, kOpenedActions},
    {E::Opened, S::WaitingForDevice, either, S::Open, kReturnedActions},
    {E::Disconnect, S::Open, either, S::Closed, kCloseActions},
    {E::Disconnect, S::Stale, either, S::Closed, kCloseActions},
    {E::Disconnect, S::WaitingForDevice, either, S::Closed, {A::StopReturnWatch, A::StopHealthWatch}},
    {E::DeviceLost, S::Open, Reconnect::On, S::WaitingForDevice, {A::StartReturnWatch}},
    {E::DeviceLost, S::Stale, Reconnect::On, S::WaitingForDevice, {A::StartReturnWatch}},
    {E::DeviceLost, S::Open, Reconnect::Off, S::Closed, {A::StopHealthWatch, A::ReportLost}},
    {E::DeviceLost, S::Stale, Reconnect::Off, S::Closed, {A::StopHealthWatch, A::ReportLost}},
    {E::WentSilent, S::Open, either, S::Stale, {}},
    {E::DataResumed, S::Stale, either, S::Open, {}},
    {E::ReconnectTurnedOff, S::WaitingForDevice, either, S::Closed, {A::StopReturnWatch, A::StopHealthWatch}},
    {E::CommandFailed, S::Open, either, S::Closed, kCommandFailedActions},
    {E::CommandFailed, S::Stale, either, S::Closed, kCommandFailedActions},
};

} // namespace

LinkTransition nextLinkState(LinkState from, LinkEvent event, Reconnect reconnect)
{
    for (const Row& row : kTransitions) {
        if (row.event == event && row.from == from && (!row.reconnect || *row.reconnect == reconnect))
            return {row.to, row.actions, true};
    }
    return {from, {}, false};
}
