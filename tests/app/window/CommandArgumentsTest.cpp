#include "app/window/CommandArguments.h"

#include "platform/ClassicErrors.h"
#include "protocol/NumberFormat.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace commands;

namespace {

char separator() { return QLocale::system().decimalPoint().at(0).toLatin1(); }

QString general(long double value) { return QString::fromStdString(protocol::formatGeneral(value, separator())); }

QString convertError(auto&& call)
{
    try {
        call();
    } catch (const platform::EConvertError& error) {
        return error.message();
    }
    return {};
}

} // namespace

TEST(CommandArguments, SettingTextsGiveBackTheSliderPosition)
{
    // AUX gain and low voltage show position × 0.1 and send × 10; the
    // altitude gain shows the position and sends × 100.
    for (int position = 48; position <= 96; ++position)
        EXPECT_EQ(scaledArgument(general(position * 0.1L), 10), position) << position;
    for (int position = 30; position <= 250; ++position)
        EXPECT_EQ(scaledArgument(general(position * 0.1L), 10), position) << position;
    for (int position = 4; position <= 20; ++position)
        EXPECT_EQ(scaledArgument(QString::number(position), 100), position * 100);
    EXPECT_EQ(scaledArgument("24", 1), 24);
}

TEST(CommandArguments, TruncatesTowardsZeroAndCutsTo16Bits)
{
    EXPECT_EQ(scaledArgument("-1", 1), 65535);
    EXPECT_EQ(scaledArgument("70000", 1), 4464);
    EXPECT_EQ(scaledArgument(general(2.99L), 1), 2);
    EXPECT_EQ(scaledArgument(general(-2.99L), 1), 65534);
    EXPECT_THROW(scaledArgument("1E30", 1), platform::Exception);
}

TEST(CommandArguments, LimitsHoldTheLimitAndRefuseWhatWouldWrap)
{
    EXPECT_EQ(limitArgument("6000", 5000, "range limit"), 5000);
    EXPECT_EQ(limitArgument("500", 2500, "height limit"), 500);
    EXPECT_EQ(limitArgument("2500", 2500, "height limit"), 2500);
    EXPECT_EQ(limitArgument("0", 2500, "height limit"), 0);
    EXPECT_EQ(limitArgument("65535", 5000, "range limit"), 5000);

    EXPECT_EQ(convertError([] { limitArgument("70000", 5000, "range limit"); }),
        "'70000' is not a valid range limit: enter a whole number from 0 to 5000 "
        "(larger numbers up to 65535 are sent as 5000)");
    EXPECT_EQ(convertError([] { limitArgument("65536", 2500, "height limit"); }),
        "'65536' is not a valid height limit: enter a whole number from 0 to 2500 "
        "(larger numbers up to 65535 are sent as 2500)");
    EXPECT_NE(convertError([] { limitArgument("-1", 5000, "range limit"); }), "");
}

TEST(CommandArguments, TextsThatAreNotNumbersRaiseTheLibraryMessage)
{
    EXPECT_EQ(convertError([] { limitArgument("12a", 5000, "range limit"); }), "'12a' is not a valid integer value");
    EXPECT_EQ(convertError([] { limitArgument("", 5000, "range limit"); }), "'' is not a valid integer value");
    EXPECT_EQ(convertError([] { scaledArgument("abc", 10); }), "'abc' is not a valid floating point value");
}

TEST(CommandArguments, ListTextsMapToTheirPosition)
{
    EXPECT_EQ(listIndex("+4", true), 0);
    EXPECT_EQ(listIndex("X8", true), 6);
    EXPECT_EQ(listIndex("Fh8", true), 5);
    EXPECT_FALSE(listIndex("x8", true));
    EXPECT_FALSE(listIndex("", true));
    EXPECT_EQ(listIndex("PWM", false), 0);
    EXPECT_EQ(listIndex("SBUS", false), 1);
    EXPECT_FALSE(listIndex("PPM", false));
}
