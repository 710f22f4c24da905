#include "simulator/SimulatedController.h"

#include "protocol/TelemetryDecoder.h"
#include "tests/support/RecordingSink.h"

#include <gtest/gtest.h>

#include <set>

using namespace protocol;
using simulator::SimulatedController;
using F = TelemetryField;

namespace {

// Decodes what the controller sends over a stretch of simulated time.
struct Flight {
    SimulatedController controller{7};
    RecordingSink sink;
    TelemetryDecoder decoder{sink};

    // One frame every 10 ms, as many as fit in [from, to).
    void fly(double from, double to)
    {
        const int frames = static_cast<int>((to - from) * 100 + 0.5);
        for (int i = 0; i < frames; ++i) {
            controller.advanceTo(from + i * 0.01);
            decoder.feed(controller.nextFrame());
        }
    }
};

} // namespace

TEST(SimulatedController, RotatesThroughAllTwelveTypes)
{
    Flight flight;
    flight.fly(0, 0.12);
    const std::set<uint8_t> types(flight.sink.types.begin(), flight.sink.types.end());
    EXPECT_EQ(types.size(), 12u);
    EXPECT_EQ(flight.sink.types.size(), 12u);
}

TEST(SimulatedController, SwitchesSweepThroughEveryFlightMode)
{
    Flight flight;
    std::set<std::pair<ModeSwitch, ModeLamp>> seen;
    for (double t = 0; t < 40; t += 0.12) {
        flight.fly(t, t + 0.12);
        for (const auto& [group, lamp] : flight.sink.lamps)
            seen.insert({group, lamp});
    }
    EXPECT_EQ(seen.size(), 6u);
}

TEST(SimulatedController, ReadingsStayPlausible)
{
    Flight flight;
    for (double t = 0; t < 30; t += 0.5) {
        flight.fly(t, t + 0.12);
        const double roll = std::stod(flight.sink.text(F::Roll));
        const double heading = std::stod(flight.sink.text(F::Heading));
        const int throttle = std::stoi(flight.sink.text(F::Ch3));
        EXPECT_LE(std::abs(roll), 30);
        EXPECT_GE(heading, 0);
        EXPECT_LT(heading, 360);
        EXPECT_GE(throttle, 990);
        EXPECT_LE(throttle, 2010);
    }
    const double early = flight.controller.batteryVolts();
    flight.controller.advanceTo(600);
    EXPECT_LT(flight.controller.batteryVolts(), early);
    EXPECT_GT(flight.controller.batteryVolts(), 10);
}

TEST(SimulatedController, CommandsShowInTheNextTelemetry)
{
    Flight flight;
    const struct {
        Command command;
        uint16_t argument;
    } commands[] = {
        {Command::GyroGain, 40}, {Command::AuxGain, 90}, {Command::AltGain, 400}, {Command::LowVoltage, 250},
        {Command::Airframe, 4}, {Command::Receiver, 1}, {Command::RangeLimit, 5000}, {Command::HeightLimit, 2500},
    };
    for (const auto& c : commands)
        flight.controller.apply({c.command, c.argument});
    flight.fly(1, 1.12);
    EXPECT_EQ(flight.sink.text(F::GyroGain), "40.00");
    EXPECT_EQ(flight.sink.text(F::AuxGain), "9.00");
    EXPECT_EQ(flight.sink.text(F::AltGain), "4");
    EXPECT_EQ(flight.sink.text(F::LowVoltage), "25");
    EXPECT_EQ(flight.sink.airframes.back(), 4);
    EXPECT_EQ(flight.sink.text(F::Receiver), "SBUS");
    EXPECT_EQ(flight.sink.text(F::RangeLimit), "5000");
    EXPECT_EQ(flight.sink.text(F::HeightLimit), "2500");
}

TEST(SimulatedController, CalibrationsChangeWhatItReports)
{
    Flight flight;
    flight.controller.apply({Command::StickCalibration, 1});
    EXPECT_TRUE(flight.controller.stickCalibrationRunning());
    flight.controller.apply({Command::StickCalibration, 0});
    EXPECT_FALSE(flight.controller.stickCalibrationRunning());

    flight.controller.advanceTo(1.5);
    flight.controller.apply({Command::ImuCalibration, 0});
    flight.fly(2, 2.12);
    EXPECT_LE(std::abs(std::stod(flight.sink.text(F::Roll))), 0.25) << "held level while calibrating";
    flight.fly(3.7, 3.82);
    EXPECT_GT(std::abs(std::stod(flight.sink.text(F::Roll))), 1) << "sways again afterwards";
}
