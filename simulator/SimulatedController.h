#pragma once

#include "protocol/CommandFrame.h"
#include "protocol/TelemetryFrame.h"

#include <cstdint>
#include <random>

namespace simulator {

// A flight controller that hovers and sways: it produces the twelve
// telemetry frame types in turn, moves plausibly with time and applies
// every command to its settings, so its next telemetry reports them.
class SimulatedController {
public:
    struct Settings {
        uint16_t gyroGain = 20;        // reported as gyroGain × 100 × 0.01
        uint16_t auxGain = 68;         // tenths
        uint16_t altGain = 1100;       // hundredths
        uint16_t lowVoltage = 105;     // tenths of a volt
        uint8_t airframe = 1;          // "X4"
        uint8_t receiver = 0;          // "PWM"
        uint16_t rangeLimit = 500;
        uint16_t heightLimit = 120;
        uint8_t version = 23;          // tenths
    };

    explicit SimulatedController(uint32_t seed = 1);

    // Moves the simulation to `seconds` since start.
    void advanceTo(double seconds);
    // The next frame of the rotation through all twelve types.
    protocol::FrameBytes nextFrame();
    // A frame of the given type for the current moment.
    protocol::FrameBytes frame(protocol::FrameType type);

    void apply(const protocol::CommandFrame& command);

    const Settings& settings() const { return m_settings; }
    bool stickCalibrationRunning() const { return m_stickCalibration; }
    double batteryVolts() const;

private:
    double noise(double amplitude);
    double channel(int index) const;

    Settings m_settings;
    std::mt19937 m_random;
    double m_time = 0;
    double m_levelUntil = -1;  // IMU calibration holds the attitude level
    bool m_stickCalibration = false;
    int m_nextType = 0;
};

} // namespace simulator
