#include "protocol/FieldValue.h"

#include "protocol/FlightModes.h"

namespace protocol {

std::optional<double> fieldValue(TelemetryField field, const FrameBytes& frame)
{
    if (frame[1] != static_cast<uint8_t>(frameOf(field)))
        return std::nullopt;
    const double v1 = frame[2] + 256 * frame[3];
    const double v2 = frame[4] + 256 * frame[5];
    const double v3 = frame[6] + 256 * frame[7];
    // The three values of a frame in field order, by the decoder's formulas.
    const auto third = [&](double a, double b, double c) {
        switch (static_cast<int>(field) % 3) {
        case 0: return a;
        case 1: return b;
        default: return c;
        }
    };
    using F = TelemetryField;
    switch (frameOf(field)) {
    case FrameType::Attitude:
        return third(v1 * 0.01 - 180, v2 * 0.01 - 180, v3 * 0.01 - 180);
    case FrameType::Gyro:
        return third(v1 * 0.01 - 300, v2 * 0.01 - 300, v3 * 0.01 - 300);
    case FrameType::Channels123:
    case FrameType::Channels456:
        return third(double(int(v1) / 12), double(int(v2) / 12), double(int(v3) / 12));
    case FrameType::Settings:
        return third(v1 * 0.01, v3 * 0.1, frame[5] * 0.1);
    case FrameType::Heading:
        return third(v1 * 0.1, v2 * 0.01, v3 * 0.01);
    case FrameType::Altitude:
        return third(v1 - 32768, v2 - 32768, v3 * 0.01);
    case FrameType::Position:
        return third(v1 * 0.001, v2 * 0.01, v3);
    case FrameType::Magnetometer:
        return third(v1 * 0.01 - 1, v2 * 0.01 - 1, v3 * 0.01 - 1);
    case FrameType::Accelerometer:
        return third(v1 * 0.01 - 10, v2 * 0.01 - 10, v3 * 0.01 - 10);
    case FrameType::Receiver:
        if (field == F::LowVoltage)
            return v2 * 0.1;
        if (frame[3] < kReceiverNames.size())
            return double(frame[3]);
        return std::nullopt;
    case FrameType::Limits:
        return field == F::RangeLimit ? v1 : v2;
    }
    return std::nullopt;
}

} // namespace protocol
