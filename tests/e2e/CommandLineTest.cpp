// The command-line convention every program follows: --help on stdout with
// a line per option and exit 0, --version, usage errors that name the
// problem with the usage on stderr and exit 2, run-time failures that name
// the file or device and exit 1.

#include "ProgramRun.h"

#include "tests/support/TestOutput.h"

#include <QFile>

#include <iterator>
#include <vector>

#include <gtest/gtest.h>

namespace {

// No display at all: help and version must not need one.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    return environment;
}

struct ProgramOptions {
    const char* program;
    QStringList options;
};

const ProgramOptions kPrograms[] = {
    {"fcsim", {"--rate", "--seed", "--duration", "--replay", "--speed", "--loop", "--record", "--help", "--version"}},
    {"fcmon", {"--port", "--input", "--count", "--record", "--csv", "--every", "--help", "--version"}},
    {"fctool", {"--demo", "--replay", "--connect", "--record", "--skin", "--screenshot", "--after", "--help", "--version"}},
    {"fcinstruments", {"--roll", "--pitch", "--heading", "--out", "--help", "--version"}},
    {"fcskingen", {"--palette", "--features", "--help", "--version"}},
    {"fcairframes", {"--help", "--version"}},
    {"skntool", {"pack", "unpack", "info", "render", "--state", "--frame", "--restore", "--text-frame", "--scale", "--out",
                    "--help", "--version"}},
};

} // namespace

TEST(CommandLine, HelpListsEveryOptionOnStandardOutput)
{
    for (const auto& [program, options] : kPrograms) {
        const ProgramRun run = runToEnd(program, {"--help"}, withoutDisplay());
        EXPECT_EQ(run.exitCode, 0) << program;
        EXPECT_TRUE(run.err.isEmpty()) << program << ": " << run.err.constData();
        const QStringList help = lines(run.out);
        for (const QString& option : options) {
            const bool described = std::any_of(help.begin(), help.end(),
                [&](const QString& line) { return line.trimmed().startsWith(option) || line.contains(", " + option); });
            EXPECT_TRUE(described) << program << " " << qPrintable(option);
        }
    }
}

// The manual pages are made from --help by help2man, whose synopsis is the
// "Usage:" line and the "or:" lines after it: each names the program and is
// a whole way of calling it, not the wrapped end of the line before.
TEST(CommandLine, HelpGivesEachWayOfCallingOnALineOfItsOwn)
{
    for (const auto& [program, options] : kPrograms) {
        const QStringList help = QString::fromUtf8(runToEnd(program, {"--help"}, withoutDisplay()).out).split('\n');
        const QString usage = QStringLiteral("Usage: %1 ").arg(program);
        const QString alternative = QStringLiteral("   or: %1 ").arg(program);
        const auto first = std::find_if(help.begin(), help.end(), [](const QString& line) { return line.startsWith("Usage: "); });
        ASSERT_NE(first, help.end()) << program;
        EXPECT_TRUE(first->startsWith(usage)) << qPrintable(*first);
        for (auto line = first + 1; line != help.end() && !line->isEmpty(); ++line)
            EXPECT_TRUE(line->startsWith(alternative)) << program << ": " << qPrintable(*line);
    }
}

TEST(CommandLine, VersionNamesTheProgram)
{
    for (const auto& [program, options] : kPrograms) {
        const ProgramRun run = runToEnd(program, {"--version"}, withoutDisplay());
        EXPECT_EQ(run.exitCode, 0) << program;
        EXPECT_TRUE(run.out.startsWith(QByteArray(program) + " 0.")) << run.out.constData();
    }
}

TEST(CommandLine, UsageErrorsNameTheProblemAndExit2)
{
    const struct {
        const char* program;
        QStringList arguments;
        const char* problem;
    } cases[] = {
        {"fcsim", {"--rate", "abc"}, "fcsim: --rate takes a positive number, not 'abc'"},
        {"fcsim", {"--rate", "0"}, "fcsim: --rate takes a positive number, not '0'"},
        {"fcsim", {"--seed"}, "fcsim: --seed needs a value"},
        {"fcsim", {"extra"}, "fcsim: unexpected argument extra"},
        {"fcsim", {"--loop"}, "fcsim: --loop works with --replay only"},
        {"fcsim", {"--replay", "x", "--rate", "5"}, "fcsim: --rate works with the simulation, not with --replay"},
        {"fcsim", {"--record", "x"}, "fcsim: --record needs --duration S"},
        {"fcmon", {}, "fcmon: give either --port DEVICE or --input FILE"},
        {"fcmon", {"--port", "a", "--input", "b"}, "fcmon: give either --port DEVICE or --input FILE"},
        {"fcmon", {"--input", "-", "--count", "many"}, "fcmon: --count takes a number of frames, not 'many'"},
        {"fcmon", {"--input", "-", "--record", "x"}, "fcmon: --record works with --port only"},
        {"fcmon", {"--port", "a", "--csv"}, "fcmon: --csv works with --input only"},
        {"fcmon", {"--input", "-", "--every", "10"}, "fcmon: --every works with --csv only"},
        {"fcmon", {"--input", "-", "--csv", "--every", "0"}, "fcmon: --every takes a positive number of milliseconds, not '0'"},
        {"fcmon", {"--input", "-", "stray"}, "fcmon: unexpected argument stray"},
        {"fctool", {"--screenshot", "x.png", "--after", "soon"}, "fctool: --after takes a number of milliseconds: soon"},
        {"fctool", {"/dev/ttyUSB0"}, "fctool: a device is given only with --connect: /dev/ttyUSB0"},
        {"fcinstruments", {"compass"}, "fcinstruments: unknown instrument compass: it is attitude or heading"},
        {"fcskingen", {"--palette", "Neon", "x"}, "fcskingen: unknown palette Neon (Graphite or Daylight)"},
        {"fcskingen", {}, "fcskingen: no output folder given"},
        {"fcairframes", {}, "fcairframes: no output file given"},
        {"fcinstruments", {"heading", "--heading", "north", "--out", "x.png"},
            "fcinstruments: the heading is a number of degrees"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runToEnd(c.program, c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.problem;
        EXPECT_TRUE(run.out.isEmpty()) << c.problem;
        const QStringList errors = lines(run.err);
        ASSERT_GE(errors.size(), 2) << c.problem;
        EXPECT_EQ(errors[0], c.problem);
        EXPECT_TRUE(run.err.contains("--help")) << "the usage follows: " << run.err.constData();
    }
}

// An option a program does not have is named as it was given, in the same
// words by every program, wherever it stands; the usage follows.
TEST(CommandLine, EveryProgramWordsAnUnknownOptionAlike)
{
    struct Case {
        const char* program;
        QStringList arguments;
        const char* option;
    };
    std::vector<Case> cases;
    for (const auto& [program, options] : kPrograms)
        cases.push_back({program, {"--bogus"}, "--bogus"});
    const Case placed[] = {
        {"fctool", {"--demo", "--bogus=3"}, "--bogus"},
        {"fctool", {"-bogus"}, "-bogus"},
        {"fcmon", {"--input", "-", "--bogus"}, "--bogus"},
        {"fcmon", {"-bogus"}, "-bogus"},
        {"fcsim", {"--seed", "3", "--bogus", "1"}, "--bogus"},
        {"fcinstruments", {"attitude", "--bogus", "1", "--out", "x.png"}, "--bogus"},
        {"fcskingen", {"out", "--bogus"}, "--bogus"},
        {"fcairframes", {"out.bmp", "--bogus"}, "--bogus"},
        {"skntool", {"render", "skin", "button", "10x10", "--out", "x.png", "--bogus"}, "--bogus"},
        {"skntool", {"preview", "skin", "--bogus", "1"}, "--bogus"},
        {"skntool", {"info", "--bogus"}, "--bogus"},
    };
    cases.insert(cases.end(), std::begin(placed), std::end(placed));
    for (const Case& c : cases) {
        const QString call = QString::fromLatin1(c.program) + ' ' + c.arguments.join(' ');
        const ProgramRun run = runToEnd(c.program, c.arguments, withoutDisplay());
        EXPECT_EQ(run.exitCode, 2) << qPrintable(call);
        EXPECT_TRUE(run.out.isEmpty()) << qPrintable(call);
        const QStringList errors = lines(run.err);
        ASSERT_GE(errors.size(), 2) << qPrintable(call);
        EXPECT_EQ(errors[0].toStdString(), QStringLiteral("%1: unknown option '%2'").arg(c.program, c.option).toStdString());
        // The usage is the one --help prints.
        const QByteArray help = runToEnd(c.program, {"--help"}, withoutDisplay()).out;
        EXPECT_TRUE(help.contains(errors[1].toUtf8())) << qPrintable(call) << ": " << run.err.constData();
    }
}

TEST(CommandLine, RunTimeFailuresNameTheFileOrDeviceAndExit1)
{
    const struct {
        const char* program;
        QStringList arguments;
        const char* message;
    } cases[] = {
        {"fcsim", {"--replay", "/nonexistent/flight.fcrec"}, "fcsim: cannot open /nonexistent/flight.fcrec: No such file or directory"},
        {"fcsim", {"--record", "/nonexistent/flight.fcrec", "--duration", "1"},
            "fcsim: cannot create /nonexistent/flight.fcrec: No such file or directory"},
        {"fcsim", {"--record", "/dev/full", "--duration", "100"}, "fcsim: cannot write /dev/full: No space left on device"},
        {"fcmon", {"--input", "/nonexistent/flight.fcrec"}, "fcmon: cannot open /nonexistent/flight.fcrec: No such file or directory"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runToEnd(c.program, c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_EQ(lines(run.err).value(0), c.message);
    }
    const ProgramRun port = runToEnd("fcmon", {"--port", "/dev/fct-no-such-device"});
    EXPECT_EQ(port.exitCode, 1);
    EXPECT_TRUE(port.err.contains("/dev/fct-no-such-device")) << port.err.constData();
}

// A screenshot run is for scripts: what a message box would say goes to
// stderr, the picture is still written, and the exit status tells.
TEST(CommandLine, AScreenshotRunWaitsForNoOne)
{
    const QString picture = testsupport::testOutputDir() + "/fctool_missing_device.png";
    QFile::remove(picture);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    const ProgramRun missing = runToEnd("fctool",
        {"--connect", "/dev/fct-no-such-device", "--screenshot", picture, "--after", "0"}, environment);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("fctool: Error opening serial port: /dev/fct-no-such-device does not exist.\n"))
        << missing.err.constData();
    EXPECT_TRUE(QFile::exists(picture)) << "the picture is still written";
}

// The picture's format follows the file name, and a picture that cannot be
// written is said, not passed over.
TEST(CommandLine, AScreenshotIsWrittenAsTheNameSaysOrTheFailureIsSaid)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    const QString bmp = testsupport::testOutputDir() + "/fctool_screenshot.bmp";
    QFile::remove(bmp);
    const ProgramRun saved = runToEnd("fctool", {"--screenshot", bmp, "--after", "0"}, environment);
    EXPECT_EQ(saved.exitCode, 0) << saved.err.constData();
    QFile file(bmp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), QByteArray("BM"));

    const QString unwritable = "/proc/fct-no-such-folder/shot.png";
    const ProgramRun failed = runToEnd("fctool", {"--screenshot", unwritable, "--after", "0"}, environment);
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains("Could not save the screenshot to " + unwritable.toUtf8())) << failed.err.constData();
}
