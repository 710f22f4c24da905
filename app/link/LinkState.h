#pragma once

#include <initializer_list>

// The link to the flight controller as the tool keeps it. Open and Stale
// both hold the port: Stale says nothing came for a while.
enum class LinkState { Closed, Open, Stale, WaitingForDevice };

// What happens to the link.
enum class LinkEvent {
    // The port opened: the pilot connected, or the device came back.
    Opened,
    // The pilot pressed "DisConnect".
    Disconnect,
    // The device went away while the port was open; the port is closed.
    DeviceLost,
    // Nothing came for a second, or frames came again after that.
    WentSilent,
    DataResumed,
    // The pilot turned "Reconnect automatically" off.
    ReconnectTurnedOff,
    // A command could not be written to the device.
    CommandFailed,
};

// Whether a lost device is waited for.
enum class Reconnect { Off, On };

// Work a transition asks for, run in the order declared here.
enum class LinkAction : unsigned {
    ClosePort = 1u << 0,
    StopReturnWatch = 1u << 1,
    // The link's silence and each frame type's freshness count from now.
    StartFreshness = 1u << 2,
    // The history does not join what came before to what comes now.
    MarkBreak = 1u << 3,
    // A recording under way marks the new connection.
    RecordConnection = 1u << 4,
    StartReturnWatch = 1u << 5,
    StartHealthWatch = 1u << 6,
    StopHealthWatch = 1u << 7,
    ReportLost = 1u << 8,
    ReportCommandFailed = 1u << 9,
};

struct LinkActions {
    unsigned bits = 0;

    constexpr LinkActions() = default;
    constexpr LinkActions(std::initializer_list<LinkAction> actions)
    {
        for (const LinkAction action : actions)
            bits |= unsigned(action);
    }
    constexpr bool has(LinkAction action) const { return bits & unsigned(action); }
    constexpr bool empty() const { return bits == 0; }
    friend bool operator==(const LinkActions&, const LinkActions&) = default;
};

struct LinkTransition {
    LinkState to;
    LinkActions actions;
    // False when the event changes nothing in this state.
    bool accepted = false;
};

// The state after event and the work it asks for, from one table.
LinkTransition nextLinkState(LinkState from, LinkEvent event, Reconnect reconnect);

// Whether the port is held open in state.
constexpr bool portHeld(LinkState state)
{
    return state == LinkState::Open || state == LinkState::Stale;
}
