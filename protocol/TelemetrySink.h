#pragma once

#include "protocol/FlightModes.h"
#include "protocol/TelemetryField.h"
#include "protocol/TelemetryFrame.h"

#include <cstdint>
#include <string_view>

namespace protocol {

// Receives what one decoded frame shows, in the order the window applies
// it: frameDecoded, frameStarted, then the frame's calls, then
// frameFinished. Every call
// has an empty default so a sink takes only what it needs.
class TelemetrySink {
public:
    virtual ~TelemetrySink() = default;

    // The frame's bytes, before anything it shows.
    virtual void frameDecoded(const FrameBytes& /*frame*/) {}
    virtual void frameStarted(uint8_t /*type*/) {}
    // Attitude frames: the instrument is redrawn before the fields change.
    virtual void attitudeChanged(double /*rollRadians*/, double /*pitchRadians*/) {}
    virtual void fieldChanged(TelemetryField /*field*/, std::string_view /*text*/) {}
    // Heading frames, after the fields: the angle read back from the
    // "Heading " text.
    virtual void headingChanged(double /*headingRadians*/) {}
    // Channel frames, after the fields: CH5 first, then CH6; not called for
    // a group whose value is exactly 1350 or 1700.
    virtual void flightModeChanged(ModeSwitch /*group*/, ModeLamp /*lit*/) {}
    // Settings frames, after the fields: only for airframe types 0..6.
    virtual void airframeChanged(int /*index*/) {}
    virtual void frameFinished(uint8_t /*type*/) {}
};

} // namespace protocol
