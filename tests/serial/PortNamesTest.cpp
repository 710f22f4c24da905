#include "serial/PortNames.h"

#include <gtest/gtest.h>

using namespace serial;

TEST(PortNames, OnlyCom1ToCom15NameANumber)
{
    EXPECT_EQ(portNumberForName("COM1"), pnCOM1);
    EXPECT_EQ(portNumberForName("COM15"), pnCOM15);
    EXPECT_FALSE(portNumberForName("COM16"));
    EXPECT_FALSE(portNumberForName("com1"));
    EXPECT_FALSE(portNumberForName("COM01"));
    EXPECT_FALSE(portNumberForName("/dev/ttyUSB0"));
    EXPECT_FALSE(portNumberForName(""));
}

TEST(PortNames, NumbersOpenTheMatchingDevice)
{
#ifdef Q_OS_WIN
    EXPECT_EQ(devicePathForPort(pnCOM1), "\\\\.\\COM1");
    EXPECT_EQ(devicePathForPort(pnCOM16), "\\\\.\\COM16");
#else
    EXPECT_EQ(devicePathForPort(pnCOM1), "/dev/ttyS0");
    EXPECT_EQ(devicePathForPort(pnCOM16), "/dev/ttyS15");
#endif
}

TEST(PortNames, AReturnedPortIsFoundByItsUsbIdentityElseByItsPath)
{
    const PortEntry adapter{"ttyUSB0", "/dev/ttyUSB0", "A50285BI", 0x0403, 0x6001};
    const PortEntry other{"ttyUSB0", "/dev/ttyUSB0", "FT9XYZ", 0x0403, 0x6001};
    const PortEntry renamed{"ttyUSB1", "/dev/ttyUSB1", "A50285BI", 0x0403, 0x6001};
    EXPECT_EQ(returnedPort(adapter, {other, renamed}), renamed) << "the same adapter under a new name";
    EXPECT_EQ(returnedPort(adapter, {other}), std::nullopt) << "another adapter at its old path is not it";
    EXPECT_EQ(returnedPort(adapter, {}), std::nullopt);

    const PortEntry plain{"tty", "/tmp/fcsim-1/tty"};
    const PortEntry back{"tty", "/tmp/fcsim-1/tty"};
    EXPECT_EQ(returnedPort(plain, {renamed, back}), back) << "without an identity the path decides";
    EXPECT_EQ(returnedPort(plain, {renamed}), std::nullopt);
}
