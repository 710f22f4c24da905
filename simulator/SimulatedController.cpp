#include "simulator/SimulatedController.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace simulator {
namespace {

using protocol::FrameType;
constexpr double kTwoPi = 2 * std::numbers::pi;

uint16_t raw(double value)
{
    return static_cast<uint16_t>(std::clamp(std::lround(value), 0L, 65535L));
}

// Triangle wave between 0 and 1 with the given period.
double triangle(double t, double period)
{
    const double phase = std::fmod(t / period, 1.0);
    return phase < 0.5 ? 2 * phase : 2 - 2 * phase;
}

} // namespace

SimulatedController::SimulatedController(uint32_t seed)
    : m_random(seed)
{
}

void SimulatedController::advanceTo(double seconds)
{
    m_time = seconds;
}

double SimulatedController::noise(double amplitude)
{
    return std::uniform_real_distribution<double>(-amplitude, amplitude)(m_random);
}

double SimulatedController::batteryVolts() const
{
    // Drains one tenth of a volt a minute from a full 3-cell pack.
    return std::max(10.5, 12.6 - m_time / 600.0);
}

double SimulatedController::channel(int index) const
{
    const double t = m_time;
    const double sweep = m_stickCalibration ? 500 : 350;
    switch (index) {
    case 1: return 1500 + sweep * std::sin(kTwoPi * t / 7);
    case 2: return 1500 + sweep * std::sin(kTwoPi * t / 9 + 1);
    case 3: return 1000 + (m_stickCalibration ? 1000 : 600) * triangle(t, 11);
    case 4: return 1500 + sweep * std::sin(kTwoPi * t / 13 + 2);
    // The two switches sweep slowly through their three positions.
    case 5: return 1000 + 1000 * triangle(t, 24);
    case 6: return 1000 + 1000 * triangle(t + 9, 32);
    }
    return 1500;
}

protocol::FrameBytes SimulatedController::nextFrame()
{
    const auto type = static_cast<FrameType>(protocol::kFirstFrameType + m_nextType);
    m_nextType = (m_nextType + 1) % (protocol::kLastFrameType - protocol::kFirstFrameType + 1);
    return frame(type);
}

protocol::FrameBytes SimulatedController::frame(FrameType type)
{
    const double t = m_time;
    const bool level = t < m_levelUntil;
    const double roll = level ? 0 : 25 * std::sin(kTwoPi * t / 6);
    const double pitch = level ? 0 : 12 * std::sin(kTwoPi * t / 8.5);
    const double heading = std::fmod(12 * t, 360.0);
    const double rollRate = level ? 0 : 25 * kTwoPi / 6 * std::cos(kTwoPi * t / 6);
    const double pitchRate = level ? 0 : 12 * kTwoPi / 8.5 * std::cos(kTwoPi * t / 8.5);
    const double degrees = std::numbers::pi / 180;

    switch (type) {
    case FrameType::Attitude: {
        const double yaw = heading > 180 ? heading - 360 : heading;
        return protocol::makeFrame(type, raw((roll + noise(0.2) + 180) * 100), raw((pitch + noise(0.2) + 180) * 100),
            raw((yaw + 180) * 100));
    }
    case FrameType::Gyro:
        return protocol::makeFrame(type, raw((rollRate + noise(0.5) + 300) * 100),
            raw((pitchRate + noise(0.5) + 300) * 100), raw((12 + noise(0.5) + 300) * 100));
    case FrameType::Channels123:
        return protocol::makeFrame(type, raw(channel(1) * 12 + noise(5)), raw(channel(2) * 12 + noise(5)),
            raw(channel(3) * 12 + noise(5)));
    case FrameType::Channels456:
        return protocol::makeFrame(type, raw(channel(4) * 12 + noise(5)), raw(channel(5) * 12),
            raw(channel(6) * 12));
    case FrameType::Settings: {
        auto bytes = protocol::makeFrame(type, static_cast<uint16_t>(m_settings.gyroGain * 100), 0, m_settings.auxGain);
        bytes[4] = m_settings.airframe;
        bytes[5] = m_settings.version;
        return bytes;
    }
    case FrameType::Heading:
        return protocol::makeFrame(type, raw(batteryVolts() * 10 + noise(0.4)),
            raw(std::fmod(heading + 180, 360.0) * 100), raw(heading * 100));
    case FrameType::Altitude: {
        const double altitude = 1500 + 300 * std::sin(kTwoPi * t / 20);
        const double climb = 300 * kTwoPi / 20 * std::cos(kTwoPi * t / 20);
        return protocol::makeFrame(type, raw(altitude + noise(3) + 32768), raw(climb + noise(2) + 32768),
            m_settings.altGain);
    }
    case FrameType::Position:
        return protocol::makeFrame(type, raw(47.397 * 1000 + 2 * std::sin(kTwoPi * t / 60)),
            raw(85.47 * 100 + 2 * std::cos(kTwoPi * t / 60)), raw(150 + noise(20)));
    case FrameType::Magnetometer:
        return protocol::makeFrame(type, raw((0.6 * std::cos(heading * degrees) + noise(0.02) + 1) * 100),
            raw((-0.6 * std::sin(heading * degrees) + noise(0.02) + 1) * 100), raw((0.4 + noise(0.02) + 1) * 100));
    case FrameType::Accelerometer:
        return protocol::makeFrame(type, raw((-9.81 * std::sin(pitch * degrees) + noise(0.1) + 10) * 100),
            raw((9.81 * std::sin(roll * degrees) + noise(0.1) + 10) * 100),
            raw((9.81 * std::cos(roll * degrees) * std::cos(pitch * degrees) + noise(0.1) + 10) * 100));
    case FrameType::Receiver:
        return protocol::makeFrame(type, static_cast<uint16_t>(m_settings.receiver << 8), m_settings.lowVoltage, 0);
    case FrameType::Limits:
        return protocol::makeFrame(type, m_settings.rangeLimit, m_settings.heightLimit, 0);
    }
    return protocol::makeFrame(type, 0, 0, 0);
}

void SimulatedController::apply(const protocol::CommandFrame& command)
{
    using protocol::Command;
    const uint16_t argument = command.argument;
    switch (command.command) {
    case Command::GyroGain:
        // The gain is reported in hundredths of a 16-bit value.
        m_settings.gyroGain = std::min<uint16_t>(argument, 655);
        break;
    case Command::AuxGain: m_settings.auxGain = argument; break;
    case Command::AltGain: m_settings.altGain = argument; break;
    case Command::LowVoltage: m_settings.lowVoltage = argument; break;
    case Command::Airframe: m_settings.airframe = static_cast<uint8_t>(argument); break;
    case Command::Receiver: m_settings.receiver = static_cast<uint8_t>(argument); break;
    case Command::StickCalibration: m_stickCalibration = argument != 0; break;
    case Command::ImuCalibration: m_levelUntil = m_time + 2; break;
    case Command::RangeLimit: m_settings.rangeLimit = argument; break;
    case Command::HeightLimit: m_settings.heightLimit = argument; break;
    }
}

} // namespace simulator
