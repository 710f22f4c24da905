#include "protocol/NumberFormat.h"

#include <gtest/gtest.h>

using protocol::formatFixed;
using protocol::formatGeneral;
using protocol::parseNumber;

TEST(FormatFixed, RoundsHalfAwayFromZeroWithOneIntegerDigit)
{
    struct Case {
        long double value;
        int decimals;
        const char* text;
    } cases[] = {
        {0, 2, "0.00"},
        {-300, 2, "-300.00"},
        {0.125L, 2, "0.13"},
        {-0.125L, 2, "-0.13"},
        {0.5L, 0, "1"},
        {9.995L, 2, "10.00"},
        {99.96L, 1, "100.0"},
        {0.04L, 1, "0.0"},
        {12.3L, 1, "12.3"},
        {-0.001L, 2, "0.00"},
        {655.35L, 2, "655.35"},
        {1e-30L, 2, "0.00"},
        {123456789.0L, 2, "123456789.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatFixed(c.value, c.decimals, '.'), c.text) << static_cast<double>(c.value);
}

TEST(FormatFixed, SingleStoredAnglesReadAsTheirTwoDecimals)
{
    // Single precision brings errors of about 1e-5; they never reach the
    // second decimal.
    for (int raw = 0; raw <= 65535; raw += 7) {
        const float value = static_cast<float>(raw * 0.01L - 180);
        const long double exact = raw * 0.01L - 180;
        EXPECT_EQ(formatFixed(value, 2, '.'), formatFixed(exact, 2, '.')) << raw;
    }
}

TEST(FormatGeneral, ShortestFormUpToFifteenDigits)
{
    struct Case {
        long double value;
        const char* text;
    } cases[] = {
        {12.3L, "12.3"},
        {11, "11"},
        {-12, "-12"},
        {12.345L, "12.345"},
        {0, "0"},
        {-32768, "-32768"},
        {0.001L, "0.001"},
        {0.0001L, "0.0001"},
        {0.00001L, "1E-5"},
        {655.35L, "655.35"},
        {123 * 0.1L, "12.3"},
        {1e14L, "100000000000000"},
        {1e15L, "1E15"},
        {1e16L, "1E16"},
        {1.0L / 3, "0.333333333333333"},
        {6553.5L, "6553.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatGeneral(c.value, '.'), c.text) << static_cast<double>(c.value);
}

TEST(NumberTexts, UseTheGivenSeparatorBothWays)
{
    EXPECT_EQ(formatFixed(10.8L, 2, ','), "10,80");
    EXPECT_EQ(formatGeneral(10.8L, ','), "10,8");
    EXPECT_EQ(formatGeneral(0.001L, ','), "0,001");
    EXPECT_EQ(parseNumber("10,8", ','), 10.8L);
    EXPECT_FALSE(parseNumber("10.8", ','));
    EXPECT_EQ(parseNumber("-5", '.'), -5.0L);
    EXPECT_EQ(parseNumber("1E-5", '.'), 1e-5L);
    EXPECT_FALSE(parseNumber("", '.'));
    EXPECT_FALSE(parseNumber("abc", '.'));
    EXPECT_FALSE(parseNumber("1 ", '.'));
    EXPECT_FALSE(parseNumber("1E", '.'));
}
