// Every program answers --help and --version without a display, names a
// wrong argument, and fails with a message instead of waiting for a person.

#include "tests/support/TestOutput.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs a program with no display at all: no X server, no platform plugin
// chosen for it.
ProgramRun run(const QString& program, const QStringList& arguments, bool display = false)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!display) {
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
    }
    process.setProcessEnvironment(environment);
    process.start(testsupport::binDir() + "/" + program, arguments);
    if (!process.waitForFinished(60000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAllStandardOutput()), QString::fromLocal8Bit(process.readAllStandardError())};
}

const QStringList kPrograms = {"fctool", "fcinstruments"};

} // namespace

TEST(ProgramConvention, HelpAndVersionNeedNoDisplay)
{
    for (const QString& program : kPrograms) {
        const ProgramRun help = run(program, {"--help"});
        EXPECT_EQ(help.exitCode, 0) << program.toStdString() << help.err.toStdString();
        EXPECT_TRUE(help.out.contains("usage: " + program)) << help.out.toStdString();
        EXPECT_TRUE(help.out.contains("--version")) << "a line on each option";
        EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();

        const ProgramRun version = run(program, {"--version"});
        EXPECT_EQ(version.exitCode, 0) << program.toStdString();
        EXPECT_TRUE(version.out.startsWith(program + " ")) << version.out.toStdString();
    }
}

TEST(ProgramConvention, AWrongArgumentIsNamedWithTheUsage)
{
    for (const QString& program : kPrograms) {
        const ProgramRun wrong = run(program, {"--no-such-option"});
        EXPECT_EQ(wrong.exitCode, 2) << program.toStdString();
        EXPECT_TRUE(wrong.err.contains("no-such-option")) << wrong.err.toStdString();
        EXPECT_TRUE(wrong.err.contains("usage: " + program)) << wrong.err.toStdString();
        EXPECT_TRUE(wrong.out.isEmpty());
    }
    const ProgramRun after = run("fctool", {"--screenshot", "x.png", "--after", "soon"});
    EXPECT_EQ(after.exitCode, 2);
    EXPECT_TRUE(after.err.contains("soon")) << after.err.toStdString();
}

TEST(ProgramConvention, AScreenshotRunWaitsForNoOne)
{
    const QString picture = testsupport::testOutputDir() + "/fctool_missing_device.png";
    QFile::remove(picture);
    const ProgramRun missing = run("fctool", {"--connect", "/dev/fct-no-such-device", "--screenshot", picture, "--after", "0"},
        true);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("/dev/fct-no-such-device")) << missing.err.toStdString();
    EXPECT_TRUE(QFile::exists(picture)) << "the picture is still written";
}
