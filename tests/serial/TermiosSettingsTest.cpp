#include "serial/TermiosSettings.h"

#include <gtest/gtest.h>

using namespace serial;

namespace {

LineSettings settingsAt(int32_t baud)
{
    LineSettings settings;
    settings.baudRate = baud;
    return settings;
}

} // namespace

TEST(TermiosSettings, NamedRatesRoundTripAndOthersAreRefused)
{
    for (const int32_t baud : {50, 300, 1200, 9600, 19200, 38400, 57600, 115200, 230400}) {
        termios attributes{};
        ASSERT_TRUE(toTermios(settingsAt(baud), attributes)) << baud;
        EXPECT_EQ(fromTermios(attributes).baudRate, baud);
    }
    for (const int32_t baud : {0, -9600, 115201, 250000, 14400}) {
        termios attributes{};
        ::cfsetospeed(&attributes, B9600);
        EXPECT_FALSE(toTermios(settingsAt(baud), attributes)) << baud;
        EXPECT_EQ(fromTermios(attributes).baudRate, 9600) << "a refused rate changes nothing";
    }
}

TEST(TermiosSettings, FramingAndFlowRoundTrip)
{
    struct Case {
        uint8_t byteSize, parity, stopBits;
        bool hardware, outX, inX, parityCheck;
    };
    const Case cases[] = {
        {8, 0, 0, false, false, false, false},
        {7, 2, 2, false, true, true, true},
        {5, 1, 0, true, false, false, false},
        {6, 3, 2, false, true, false, false},
        {8, 4, 0, false, false, true, false},
    };
    for (const Case& c : cases) {
        LineSettings settings = settingsAt(115200);
        settings.byteSize = c.byteSize;
        settings.parity = c.parity;
        settings.stopBits = c.stopBits;
        settings.rtsControl = c.hardware ? RtsControl::Handshake : RtsControl::Disable;
        settings.outxCtsFlow = c.hardware;
        settings.outX = c.outX;
        settings.inX = c.inX;
        settings.parityCheck = c.parityCheck;
        termios attributes{};
        ASSERT_TRUE(toTermios(settings, attributes)) << int(c.byteSize) << int(c.parity);
        EXPECT_EQ(fromTermios(attributes), settings) << int(c.byteSize) << int(c.parity);
        EXPECT_EQ(attributes.c_lflag & (ICANON | ECHO | ISIG), 0u) << "raw: no line editing, echo or signals";
        EXPECT_EQ(attributes.c_cc[VMIN], 0);
    }
}

TEST(TermiosSettings, OneAndAHalfStopBitsBecomeTwoAndImpossibleFramingIsRefused)
{
    LineSettings settings = settingsAt(9600);
    settings.stopBits = 1;
    termios attributes{};
    ASSERT_TRUE(toTermios(settings, attributes));
    EXPECT_EQ(fromTermios(attributes).stopBits, 2);

    for (const uint8_t size : {0, 4, 9}) {
        settings = settingsAt(9600);
        settings.byteSize = size;
        EXPECT_FALSE(toTermios(settings, attributes)) << int(size);
    }
    settings = settingsAt(9600);
    settings.parity = 5;
    EXPECT_FALSE(toTermios(settings, attributes));
    settings = settingsAt(9600);
    settings.stopBits = 3;
    EXPECT_FALSE(toTermios(settings, attributes));
}

TEST(TermiosSettings, HardwareFlowNeedsBothHandshakeAndCts)
{
    LineSettings settings = settingsAt(9600);
    settings.rtsControl = RtsControl::Handshake;
    termios attributes{};
    ASSERT_TRUE(toTermios(settings, attributes));
    EXPECT_EQ(fromTermios(attributes).rtsControl, RtsControl::Disable);
    settings.outxCtsFlow = true;
    ASSERT_TRUE(toTermios(settings, attributes));
    EXPECT_EQ(fromTermios(attributes).rtsControl, RtsControl::Handshake);
}
