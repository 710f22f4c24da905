#include "platform/ClassicErrors.h"

#include <QLocale>

#include <gtest/gtest.h>

using platform::EConvertError;
using platform::StrToFloat;
using platform::StrToInt;

namespace {

QString convertMessage(auto&& call)
{
    try {
        call();
    } catch (const EConvertError& error) {
        return error.message();
    }
    return {};
}

QString separator() { return QLocale::system().decimalPoint(); }

} // namespace

TEST(StrToInt, AcceptsDecimalHexSignAndLeadingBlanks)
{
    EXPECT_EQ(StrToInt("6000"), 6000);
    EXPECT_EQ(StrToInt("  -1"), -1);
    EXPECT_EQ(StrToInt("+70000"), 70000);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("-2147483648"), INT_MIN);
}

TEST(StrToInt, RejectsWithTheLibraryText)
{
    EXPECT_EQ(convertMessage([] { StrToInt("12a"); }), "'12a' is not a valid integer value");
    EXPECT_EQ(convertMessage([] { StrToInt(""); }), "'' is not a valid integer value");
    EXPECT_EQ(convertMessage([] { StrToInt("5 "); }), "'5 ' is not a valid integer value");
    EXPECT_EQ(convertMessage([] { StrToInt("2147483648"); }), "'2147483648' is not a valid integer value");
    EXPECT_EQ(convertMessage([] { StrToInt("-"); }), "'-' is not a valid integer value");
}

TEST(StrToFloat, UsesTheSystemSeparator)
{
    EXPECT_DOUBLE_EQ(static_cast<double>(StrToFloat("6" + separator() + "8")), 6.8);
    EXPECT_DOUBLE_EQ(static_cast<double>(StrToFloat(" -10" + separator() + "5 ")), -10.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(StrToFloat("24")), 24.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(StrToFloat("1E3")), 1000.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(StrToFloat("+2")), 2.0);
}

TEST(StrToFloat, RejectsWithTheLibraryText)
{
    EXPECT_EQ(convertMessage([] { StrToFloat("abc"); }), "'abc' is not a valid floating point value");
    EXPECT_EQ(convertMessage([] { StrToFloat(""); }), "'' is not a valid floating point value");
    EXPECT_EQ(convertMessage([] { StrToFloat("1e"); }), "'1e' is not a valid floating point value");
    const QString foreign = separator() == "." ? "6,8" : "6.8";
    EXPECT_EQ(convertMessage([&] { StrToFloat(foreign); }), "'" + foreign + "' is not a valid floating point value");
}
