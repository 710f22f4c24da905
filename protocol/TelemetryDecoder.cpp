#include "protocol/TelemetryDecoder.h"

#include "protocol/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace protocol {
namespace {

// Formulas use 80-bit intermediates so that every text rounds the same on
// every machine; some values are stored in single precision before they are
// formatted, which decides their last digit.
using Real = long double;

std::string fixed2(Real value, char sep) { return formatFixed(value, 2, sep); }
std::string single2(Real value, char sep) { return formatFixed(static_cast<float>(value), 2, sep); }

} // namespace

TelemetryDecoder::TelemetryDecoder(TelemetrySink& sink, char decimalSeparator)
    : m_sink(sink)
    , m_separator(decimalSeparator)
{
}

void TelemetryDecoder::feed(uint8_t byte)
{
    std::copy(m_window.begin() + 1, m_window.end(), m_window.begin());
    m_window[kFrameSize - 1] = byte;
    ++m_counters.bytes;
    if (byte == kFrameTrailer && m_window[0] == kFrameHeader)
        decode();
}

void TelemetryDecoder::feed(std::span<const uint8_t> bytes)
{
    for (uint8_t byte : bytes)
        feed(byte);
}

void TelemetryDecoder::countFrame(uint8_t type)
{
    // A frame found inside the previous one (its payload holding header and
    // trailer) skips nothing.
    const uint64_t start = m_counters.bytes - kFrameSize;
    if (start > m_framedUpTo)
        m_counters.skippedBytes += start - m_framedUpTo;
    m_framedUpTo = m_counters.bytes;
    ++m_counters.frames[type - kFirstFrameType];
}

void TelemetryDecoder::decode()
{
    const uint8_t type = m_window[1];
    if (type < kFirstFrameType || type > kLastFrameType)
        return;
    countFrame(type);

    const auto& w = m_window;
    const Real v1 = w[2] + 256 * w[3];
    const Real v2 = w[4] + 256 * w[5];
    const Real v3 = w[6] + 256 * w[7];
    const char sep = m_separator;
    const auto show = [this](TelemetryField field, const std::string& text) { m_sink.fieldChanged(field, text); };
    using F = TelemetryField;

    m_sink.frameDecoded(m_window);
    m_sink.frameStarted(type);
    switch (static_cast<FrameType>(type)) {
    case FrameType::Attitude: {
        const float roll = static_cast<float>(v1 * 0.01L - 180);
        const float pitch = static_cast<float>(v2 * 0.01L - 180);
        const float yaw = static_cast<float>(v3 * 0.01L - 180);
        m_sink.attitudeChanged(static_cast<double>(static_cast<Real>(roll) * kAngleFactor),
            static_cast<double>(static_cast<Real>(pitch) * kAngleFactor));
        show(F::Roll, formatFixed(roll, 2, sep));
        show(F::Pitch, formatFixed(pitch, 2, sep));
        show(F::Yaw, formatFixed(yaw, 2, sep));
        break;
    }
    case FrameType::Gyro:
        show(F::GyroX, single2(v1 * 0.01L - 300, sep));
        show(F::GyroY, single2(v2 * 0.01L - 300, sep));
        show(F::GyroZ, single2(v3 * 0.01L - 300, sep));
        break;
    case FrameType::Channels123:
        show(F::Ch1, std::to_string(static_cast<int>(v1) / 12));
        show(F::Ch2, std::to_string(static_cast<int>(v2) / 12));
        show(F::Ch3, std::to_string(static_cast<int>(v3) / 12));
        break;
    case FrameType::Channels456: {
        const std::string ch5 = std::to_string(static_cast<int>(v2) / 12);
        const std::string ch6 = std::to_string(static_cast<int>(v3) / 12);
        show(F::Ch4, std::to_string(static_cast<int>(v1) / 12));
        show(F::Ch5, ch5);
        show(F::Ch6, ch6);
        // The lamps follow the texts just shown.
        if (const auto lamp = litLamp(parseNumber(ch5, sep).value_or(0)))
            m_sink.flightModeChanged(ModeSwitch::Ch5, *lamp);
        if (const auto lamp = litLamp(parseNumber(ch6, sep).value_or(0)))
            m_sink.flightModeChanged(ModeSwitch::Ch6, *lamp);
        break;
    }
    case FrameType::Settings: {
        show(F::GyroGain, single2(v1 * 0.01L, sep));
        show(F::AuxGain, single2(v3 * 0.1L, sep));
        show(F::Version, formatFixed(w[5] * 0.1L, 1, sep));
        const int airframe = w[4];
        if (airframe <= 6)
            m_sink.airframeChanged(airframe);
        break;
    }
    case FrameType::Heading: {
        const std::string heading = formatGeneral(v3 * 0.01L, sep);
        show(F::Battery, formatGeneral(v1 * 0.1L, sep));
        show(F::Azimuth, formatGeneral(v2 * 0.01L, sep));
        show(F::Heading, heading);
        const Real degrees = parseNumber(heading, sep).value_or(0);
        m_sink.headingChanged(static_cast<double>(degrees * kAngleFactor));
        break;
    }
    case FrameType::Altitude:
        show(F::Altitude, formatGeneral(v1 - 32768, sep));
        show(F::AltVel, formatGeneral(v2 - 32768, sep));
        show(F::AltGain, formatGeneral(v3 * 0.01L, sep));
        break;
    case FrameType::Position:
        show(F::Lat, formatGeneral(v1 * 0.001L, sep));
        show(F::Lon, formatGeneral(v2 * 0.01L, sep));
        show(F::Hac, formatGeneral(v3, sep));
        break;
    case FrameType::Magnetometer:
        show(F::Mx, fixed2(v1 * 0.01L - 1, sep));
        show(F::My, fixed2(v2 * 0.01L - 1, sep));
        show(F::Mz, fixed2(v3 * 0.01L - 1, sep));
        break;
    case FrameType::Accelerometer:
        show(F::Ax, fixed2(v1 * 0.01L - 10, sep));
        show(F::Ay, fixed2(v2 * 0.01L - 10, sep));
        show(F::Az, fixed2(v3 * 0.01L - 10, sep));
        break;
    case FrameType::Receiver:
        if (w[3] < kReceiverNames.size())
            show(F::Receiver, std::string(kReceiverNames[w[3]]));
        show(F::LowVoltage, formatGeneral(v2 * 0.1L, sep));
        break;
    case FrameType::Limits:
        show(F::RangeLimit, std::to_string(static_cast<int>(v1)));
        show(F::HeightLimit, std::to_string(static_cast<int>(v2)));
        break;
    }
    m_sink.frameFinished(type);
}

} // namespace protocol
