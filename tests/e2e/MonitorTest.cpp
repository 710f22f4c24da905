#include "ProgramRun.h"
#include "SimulatorProcess.h"

#include "tests/support/TestOutput.h"

#include <QLocale>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(static_cast<char>(value));
    return result;
}

QString withSystemSeparator(QString text)
{
    return text.replace('.', QLocale::system().decimalPoint());
}

// The values of the first `wanted` lines of fcmon --stats on the device,
// by name ("bytes/s", "skipped", "A0/s").
std::vector<QMap<QString, double>> statsOf(const QString& device, int wanted)
{
    QProcess monitor;
    monitor.start(testsupport::binDir() + "/fcmon", {"--port", device, "--stats"});
    std::vector<QMap<QString, double>> lines;
    waitFor([&] {
        while (monitor.canReadLine() && int(lines.size()) < wanted) {
            const QStringList fields = QString::fromUtf8(monitor.readLine()).trimmed().split('\t');
            QMap<QString, double> values;
            for (const QString& field : fields.mid(1))
                values.insert(field.section('=', 0, 0), field.section('=', 1).toDouble());
            values.insert("seconds", fields.first().toDouble());
            lines.push_back(values);
        }
        return int(lines.size()) >= wanted;
    });
    monitor.terminate();
    monitor.waitForFinished();
    return lines;
}

} // namespace

TEST(Monitor, PrintsTheWindowsTextsForCaptures)
{
    QByteArray capture;
    capture += bytes({0x55, 0xA0, 0x50, 0x46, 0x50, 0x46, 0x50, 0x46, 0xBB});
    capture += bytes({0x55, 0xA1, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xBB});
    capture += bytes({0x55, 0xA2, 0x50, 0x46, 0x00, 0x00, 0xFF, 0xFF, 0xBB});
    capture += bytes({0x55, 0xA6, 0x00, 0x80, 0x00, 0x00, 0x10, 0x27, 0xBB});
    capture += bytes({0x55, 0xAA, 0x00, 0x03, 0x6C, 0x00, 0x00, 0x00, 0xBB});
    capture += bytes({0x55, 0xAA, 0x00, 0x01, 0x6C, 0x00, 0x00, 0x00, 0xBB});
    capture += bytes({0x55, 0xA4, 0x60, 0x09, 0x07, 0x17, 0x44, 0x00, 0xBB});
    capture += bytes({0x55, 0x9F, 1, 2, 3, 4, 5, 6, 0xBB});
    capture += bytes({0x55, 0xAC, 1, 2, 3, 4, 5, 6, 0xBB});
    capture += bytes({0x55, 0xA3, 0x50, 0x46, 0xB0, 0x4F, 0xBC, 0x4F, 0xBB}); // CH5 1700 (20400), CH6 1701
    capture += bytes({0x55, 0xA3, 0x50, 0x46, 0xBB, 0x4F, 0x48, 0x3F, 0xBB}); // CH5 1700 (20411), CH6 1350
    capture += bytes({0x55, 0xA3, 0x50, 0x46, 0xBC, 0x4F, 0x54, 0x3F, 0xBB}); // CH5 1701, CH6 1351
    capture += bytes({0x55, 0xA5, 0x7B, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xBB});
    capture += bytes({0x55, 0xA4, 0x60, 0x09, 0x06, 0x17, 0x44, 0x00, 0xBB});

    int exitCode = -1;
    const QString output = QString::fromUtf8(runProgram("fcmon", {"--input", "-"}, capture, &exitCode));
    EXPECT_EQ(exitCode, 0);
    const QString expected = withSystemSeparator(
        "A0\tRoll=0.00\tPitch=0.00\tYaw=0.00\n"
        "A1\tGyroX=-300.00\tGyroY=-300.00\tGyroZ=-300.00\n"
        "A2\tCH1 A=1500\tCH2 E=0\tCH3 T=5461\n"
        "A6\tAltitude=0\tAlt Vel=-32768\tAlt Gain=100\n"
        "AA\tLow Voltage=10.8\n"
        "AA\tReceiver=SBUS\tLow Voltage=10.8\n"
        "A4\tGyro Gain=24.00\tAUX Gain=6.80\tVersion=2.3\n"
        "A3\tCH4 R=1500\tCH5=1700\tCH6=1701\tCH6 mode=OFF\n"
        "A3\tCH4 R=1500\tCH5=1700\tCH6=1350\n"
        "A3\tCH4 R=1500\tCH5=1701\tCH6=1351\tCH5 mode=Manual\tCH6 mode=Care Free\n"
        "A5\tBattery=12.3\tAzimuth=655.35\tHeading=655.35\n"
        "A4\tGyro Gain=24.00\tAUX Gain=6.80\tVersion=2.3\tAirframe=X8\n");
    EXPECT_EQ(output, expected);
}

TEST(Monitor, CountStopsInTheMiddleOfACapture)
{
    QByteArray capture;
    for (int i = 0; i < 5; ++i)
        capture += bytes({0x55, 0xAB, i, 0, 0, 0, 0, 0, 0xBB});
    const QString output = QString::fromUtf8(runProgram("fcmon", {"--input", "-", "--count", "2"}, capture));
    EXPECT_EQ(output, "AB\tRange Limit=0\tHeigh Limit=0\nAB\tRange Limit=1\tHeigh Limit=0\n");
}

TEST(Monitor, RandomBytesNeverStopIt)
{
    QByteArray noise;
    uint32_t state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245 + 12345;
        noise.append(static_cast<char>(state >> 16));
    }
    int exitCode = -1;
    runProgram("fcmon", {"--input", "-"}, noise, &exitCode);
    EXPECT_EQ(exitCode, 0);
}

TEST(Monitor, FollowsALiveSimulator)
{
    SimulatorProcess simulator;
    ASSERT_TRUE(simulator.started());
    int exitCode = -1;
    const QStringList lines =
        QString::fromUtf8(runProgram("fcmon", {"--port", simulator.device(), "--count", "24"}, {}, &exitCode))
            .split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(exitCode, 0);
    ASSERT_EQ(lines.size(), 24);
    QSet<QString> types;
    for (const QString& line : lines)
        types.insert(line.left(2));
    EXPECT_EQ(types.size(), 12);
}

TEST(Monitor, StatsCountFramesBytesAndTheBytesSkippedOnANoisyLine)
{
    SimulatorProcess clean;
    SimulatorProcess noisy({"--garble", "0.05"});
    ASSERT_TRUE(clean.started());
    ASSERT_TRUE(noisy.started());
    // The first second may start in the middle of a frame.
    const auto cleanLines = statsOf(clean.device(), 3);
    ASSERT_EQ(cleanLines.size(), 3u);
    for (const auto& line : {cleanLines[1], cleanLines[2]}) {
        EXPECT_NEAR(line["bytes/s"], 11520, 1200);
        EXPECT_EQ(line["skipped/s"], 0);
        // The simulator takes the twelve types in turn.
        for (const char* type : {"A0/s", "A5/s", "AB/s"})
            EXPECT_NEAR(line[type], 1280.0 / 12, 12) << type;
    }
    EXPECT_NEAR(cleanLines[2]["seconds"], 3, 0.3);

    const auto noisyLines = statsOf(noisy.device(), 3);
    ASSERT_EQ(noisyLines.size(), 3u);
    for (const auto& line : {noisyLines[1], noisyLines[2]}) {
        EXPECT_NEAR(line["bytes/s"], 11520, 1200);
        // A byte in twenty spoilt breaks about one frame in seven, and its
        // bytes are skipped: some 1600 a second.
        EXPECT_GT(line["skipped/s"], 600);
        EXPECT_LT(line["skipped/s"], 3500);
        EXPECT_NEAR(line["A0/s"], 1280.0 / 12 * 0.86, 15);
    }
    EXPECT_GT(noisyLines[2]["skipped"], noisyLines[1]["skipped"]);
}

TEST(Monitor, RejectsAMissingSource)
{
    int exitCode = -1;
    runProgram("fcmon", {}, {}, &exitCode);
    EXPECT_EQ(exitCode, 2);
    runProgram("fcmon", {"--port", "/dev/fct-no-such-device"}, {}, &exitCode);
    EXPECT_EQ(exitCode, 1);

    // One line, the program's name first, what failed and why.
    const ProgramRun notSerial = runToEnd("fcmon", {"--port", "/dev/null"});
    EXPECT_EQ(notSerial.exitCode, 1);
    EXPECT_EQ(notSerial.err, "fcmon: Error opening serial port: /dev/null is not a serial port.\n");
}
