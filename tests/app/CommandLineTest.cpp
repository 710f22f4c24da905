#include "app/CommandLine.h"

#include <gtest/gtest.h>

using commandline::Options;

namespace {

QString problemOf(const QStringList& arguments)
{
    const auto parsed = commandline::parse(QStringList{"fctool"} + arguments);
    const QString* problem = std::get_if<QString>(&parsed);
    return problem ? *problem : QString();
}

Options optionsOf(const QStringList& arguments)
{
    return std::get<Options>(commandline::parse(QStringList{"fctool"} + arguments));
}

} // namespace

TEST(FctoolCommandLine, ReadsEachOption)
{
    const Options plain = optionsOf({});
    EXPECT_FALSE(plain.demo);
    EXPECT_FALSE(plain.connect);
    EXPECT_EQ(plain.afterMs, 1000);

    const Options full = optionsOf({"--demo", "--connect", "/dev/ttyUSB1", "--screenshot", "a.png", "--after", "250",
        "--record", "flight.fcrec", "--replay", "old.fcrec"});
    EXPECT_EQ(full.record, "flight.fcrec");
    EXPECT_EQ(full.replay, "old.fcrec");
    EXPECT_TRUE(full.demo);
    EXPECT_TRUE(full.connect);
    EXPECT_EQ(full.device, "/dev/ttyUSB1");
    EXPECT_EQ(full.screenshot, "a.png");
    EXPECT_EQ(full.afterMs, 250);
}

TEST(FctoolCommandLine, NamesWhatIsWrong)
{
    EXPECT_TRUE(problemOf({"--bogus"}).contains("bogus"));
    EXPECT_TRUE(problemOf({"--screenshot"}).contains("screenshot"));
    EXPECT_TRUE(problemOf({"/dev/ttyUSB0"}).contains("--connect"));
    EXPECT_TRUE(problemOf({"--connect", "a", "b"}).contains("a b"));
    EXPECT_TRUE(problemOf({"--screenshot", "a.png", "--after", "-5"}).contains("-5"));
    EXPECT_TRUE(problemOf({"--after", "5"}).contains("--screenshot"));
}
