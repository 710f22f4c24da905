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
