#pragma once

#include "protocol/TelemetryField.h"
#include "protocol/TelemetryFrame.h"

#include <optional>

namespace protocol {

// The number a field shows, from a frame of the type that writes it
// (frameOf(field)): what a graph plots. The receiver field gives the
// receiver's number (0 PWM, 1 SBUS, 2 PPM); nothing for a receiver byte it
// does not know, nor for a frame of another type.
std::optional<double> fieldValue(TelemetryField field, const FrameBytes& frame);

} // namespace protocol
