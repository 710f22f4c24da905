#include "protocol/CommandFrame.h"

#include <gtest/gtest.h>

using namespace protocol;

TEST(CommandFrame, EncodesEveryCommandWithHeaderArgumentAndCode)
{
    struct Case {
        Command command;
        uint16_t argument;
        CommandBytes bytes;
    } cases[] = {
        {Command::GyroGain, 24, {0x55, 0x18, 0x00, 0xAC}},
        {Command::AuxGain, 68, {0x55, 0x44, 0x00, 0xAB}},
        {Command::LowVoltage, 105, {0x55, 0x69, 0x00, 0xAE}},
        {Command::AltGain, 1100, {0x55, 0x4C, 0x04, 0xAD}},
        {Command::Airframe, 6, {0x55, 0x06, 0x00, 0xAF}},
        {Command::Receiver, 1, {0x55, 0x01, 0x00, 0xBB}},
        {Command::StickCalibration, 1, {0x55, 0x01, 0x00, 0xBA}},
        {Command::StickCalibration, 0, {0x55, 0x00, 0x00, 0xBA}},
        {Command::ImuCalibration, 0, {0x55, 0x00, 0x00, 0xAA}},
        {Command::RangeLimit, 5000, {0x66, 0x88, 0x13, 0xAA}},
        {Command::HeightLimit, 500, {0x66, 0xF4, 0x01, 0xAB}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeCommand(c.command, c.argument), c.bytes);
        const auto decoded = decodeCommand(c.bytes);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->command, c.command);
        EXPECT_EQ(decoded->argument, c.argument);
    }
}

TEST(CommandFrame, HeaderTellsTheSharedCodesApart)
{
    EXPECT_EQ(decodeCommand({0x55, 0, 0, 0xAA})->command, Command::ImuCalibration);
    EXPECT_EQ(decodeCommand({0x66, 0, 0, 0xAA})->command, Command::RangeLimit);
    EXPECT_EQ(decodeCommand({0x55, 0, 0, 0xAB})->command, Command::AuxGain);
    EXPECT_EQ(decodeCommand({0x66, 0, 0, 0xAB})->command, Command::HeightLimit);
    EXPECT_FALSE(decodeCommand({0x66, 0, 0, 0xAC}));
    EXPECT_FALSE(decodeCommand({0x77, 0, 0, 0xAA}));
}
