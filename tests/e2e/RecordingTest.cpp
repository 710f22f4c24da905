// Recording a live link, replaying it, reading it back and converting it,
// with the programs as a user runs them.

#include "ProgramRun.h"
#include "SimulatorProcess.h"

#include "recording/RecordingWriter.h"
#include "tests/support/TestOutput.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

QString outputPath(const QString& name)
{
    const QString folder = testsupport::testOutputDir() + "/recording";
    QDir().mkpath(folder);
    return folder + "/" + name;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Frame lines of a recording read back, with their times taken off.
QStringList withoutTimes(const QStringList& timed)
{
    QStringList result;
    for (const QString& line : timed)
        if (!line.contains("\tConnected\t"))
            result << line.section('\t', 1);
    return result;
}

class MemoryFile : public recording::RecordingOutput {
public:
    bool write(std::span<const uint8_t> bytes) override
    {
        data.append(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
        return true;
    }
    bool sync() override { return true; }
    std::string error() const override { return {}; }
    QByteArray data;
};

QByteArray frame(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(static_cast<char>(value));
    return result;
}

// Where each chunk of a recording starts, and its payload length.
QList<std::pair<int, int>> chunks(const QByteArray& recording)
{
    QList<std::pair<int, int>> result;
    for (int at = 18; at + 13 <= recording.size();) {
        const int length = static_cast<uint8_t>(recording[at + 9]) | static_cast<uint8_t>(recording[at + 10]) << 8;
        result.append({at, length});
        at += 13 + length + 4;
    }
    return result;
}

std::span<const uint8_t> bytesOf(const QByteArray& bytes)
{
    return {reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
}

} // namespace

TEST(Recording, AReplayShowsTheSameFramesAsTheLiveRun)
{
    const QString file = outputPath("live.fcrec");
    const QString frames = QString::number(3 * 1280);  // about three seconds
    QStringList live;
    QString simulatorDevice;
    {
        SimulatorProcess simulator;
        ASSERT_TRUE(simulator.started());
        simulatorDevice = simulator.device();
        const ProgramRun run = runToEnd("fcmon", {"--port", simulator.device(), "--record", file, "--count", frames});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        live = lines(run.out);
    }
    ASSERT_EQ(live.size(), 3 * 1280);

    // Read back, every frame carries its time and the lines are the live ones.
    const ProgramRun input = runToEnd("fcmon", {"--input", file});
    EXPECT_EQ(input.exitCode, 0) << input.err.constData();
    const QStringList timed = lines(input.out);
    ASSERT_FALSE(timed.isEmpty());
    EXPECT_EQ(timed[0].section('\t', 1), "Connected\tDevice=" + simulatorDevice) << qPrintable(timed[0]);
    EXPECT_EQ(withoutTimes(timed).mid(0, live.size()), live);
    double previous = 0;
    for (const QString& line : timed) {
        const double time = line.section('\t', 0, 0).toDouble();
        ASSERT_GE(time, previous) << qPrintable(line);
        previous = time;
    }
    EXPECT_GT(previous, 2.0);

    SimulatorProcess replay({"--replay", file});
    ASSERT_TRUE(replay.started());
    const ProgramRun replayed = runToEnd("fcmon", {"--port", replay.device(), "--count", frames});
    EXPECT_EQ(replayed.exitCode, 0) << replayed.err.constData();
    EXPECT_EQ(lines(replayed.out), live);
}

TEST(Recording, AReplayLogsCommandsAndLoops)
{
    const QString file = outputPath("half-second.fcrec");
    ASSERT_EQ(runToEnd("fcsim", {"--record", file, "--duration", "0.5"}).exitCode, 0);
    const QStringList pass = withoutTimes(lines(runToEnd("fcmon", {"--input", file}).out));
    ASSERT_EQ(pass.size(), 640);

    SimulatorProcess replay({"--replay", file, "--loop", "--speed", "2"});
    ASSERT_TRUE(replay.started());
    const int client = ::open(replay.device().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(client, 0);
    const char command[] = {0x55, 0x18, 0x00, static_cast<char>(0xAC)};
    ASSERT_EQ(::write(client, command, sizeof command), 4);
    EXPECT_TRUE(waitFor([&] { return replay.commandLines().contains("55 18 00 AC"); }));
    ::close(client);

    const ProgramRun run = runToEnd("fcmon", {"--port", replay.device(), "--count", "1600"});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    const QStringList served = lines(run.out);
    ASSERT_EQ(served.size(), 1600);
    EXPECT_EQ(served.mid(0, 640), pass);
    EXPECT_EQ(served.mid(640, 640), pass);
}

TEST(Recording, CsvHasAHeaderTimesAndTheLatestValues)
{
    MemoryFile memory;
    {
        recording::RecordingWriter writer(memory, 0);
        writer.connection(0, "dev");
        writer.received(10000, bytesOf(frame({0x55, 0xA0, 0x50, 0x46, 0x50, 0x46, 0x50, 0x46, 0xBB})));
        writer.received(15000, bytesOf(frame({0x55, 0xAA, 0x00, 0x01, 0x6C, 0x00, 0x00, 0x00, 0xBB})));
        writer.received(1250000, bytesOf(frame({0x55, 0xA3, 0x50, 0x46, 0xBC, 0x4F, 0x54, 0x3F, 0xBB})));
        writer.received(1260000, bytesOf(frame({0x55, 0xA4, 0x60, 0x09, 0x06, 0x17, 0x44, 0x00, 0xBB})));
        writer.received(3500000, bytesOf(frame({0x55, 0xA0, 0x50, 0x46, 0x60, 0x46, 0x50, 0x46, 0xBB})));
        writer.flush();
    }
    const QString file = outputPath("small.fcrec");
    writeFile(file, memory.data);

    const QString header = "Time,Roll,Pitch,Yaw,GyroX,GyroY,GyroZ,CH1 A,CH2 E,CH3 T,CH4 R,CH5,CH6,CH5 mode,CH6 mode,"
                           "Gyro Gain,AUX Gain,Version,Airframe,Battery,Azimuth,Heading,Altitude,Alt Vel,Alt Gain,"
                           "Lat.,Lon.,HAC,Mx,My,Mz,Ax,Ay,Az,Receiver,Low Voltage,Range Limit,Heigh Limit";
    // Cells by column, after the time.
    using Cells = QList<std::pair<int, QString>>;
    const Cells level = {{0, "0.00"}, {1, "0.00"}, {2, "0.00"}};
    const Cells pitched = {{0, "0.00"}, {1, "0.16"}, {2, "0.00"}};
    const Cells receiver = {{33, "SBUS"}, {34, "10.8"}};
    const Cells channels = {{9, "1500"}, {10, "1701"}, {11, "1351"}, {12, "Manual"}, {13, "Care Free"}};
    const Cells settings = {{14, "24.00"}, {15, "6.80"}, {16, "2.3"}, {17, "X8"}};
    const auto row = [](const QString& time, const QList<Cells>& parts) {
        QStringList cells(37);
        for (const Cells& part : parts)
            for (const auto& [column, text] : part)
                cells[column] = text;
        return time + "," + cells.join(',');
    };
    ProgramRun run = runToEnd("fcmon", {"--input", file, "--csv"});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    const QStringList expected = {
        header,
        row("0.010000", {level}),
        row("0.015000", {level, receiver}),
        row("1.250000", {level, receiver, channels}),
        row("1.260000", {level, receiver, channels, settings}),
        row("3.500000", {pitched, receiver, channels, settings}),
    };
    EXPECT_EQ(lines(run.out), expected);

    // One row per second that saw a frame, stamped with the second's start.
    run = runToEnd("fcmon", {"--input", file, "--csv", "--every", "1000"});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(lines(run.out), (QStringList{header, row("0.000000", {level, receiver}),
                                  row("1.000000", {level, receiver, channels, settings}),
                                  row("3.000000", {pitched, receiver, channels, settings})}));

    // A raw capture has no times: rows without them, and no intervals.
    const QString capture = outputPath("small.raw");
    writeFile(capture, frame({0x55, 0xA0, 0x50, 0x46, 0x50, 0x46, 0x50, 0x46, 0xBB}));
    run = runToEnd("fcmon", {"--input", capture, "--csv"});
    EXPECT_EQ(lines(run.out), (QStringList{header, row("", {level})}));
    run = runToEnd("fcmon", {"--input", capture, "--csv", "--every", "100"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(lines(run.err).value(0), "fcmon: " + capture + " is a raw capture without times; --every needs a recording");
}

TEST(Recording, BadRecordingsStopWithTheByteAfterPrintingWhatCameBefore)
{
    const QString file = outputPath("bad-source.fcrec");
    ASSERT_EQ(runToEnd("fcsim", {"--record", file, "--duration", "0.05"}).exitCode, 0);
    const QByteArray good = readFile(file);
    const QStringList all = lines(runToEnd("fcmon", {"--input", file}).out);
    ASSERT_EQ(all.size(), 1 + 64);  // the connection, then 64 frames in 5 chunks

    // Cut inside the third chunk of frames: the two before it are printed.
    const auto chunkList = chunks(good);
    ASSERT_EQ(chunkList.size(), 6);
    const int chunkStart = chunkList[3].first;
    const int framesBefore = (chunkList[1].second + chunkList[2].second) / 9;
    const QString cut = outputPath("cut.fcrec");
    writeFile(cut, good.left(chunkStart + 20));
    ProgramRun run = runToEnd("fcmon", {"--input", cut});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(lines(run.out), all.mid(0, 1 + framesBefore)) << "frames of the first two chunks";
    EXPECT_EQ(lines(run.err), QStringList{"fcmon: " + cut + ": reading stopped at byte " + QString::number(chunkStart)
                                  + ": the file ends inside a chunk (cut short after 20 of its bytes)"});

    QByteArray damaged = good;
    damaged[chunkStart + 40] = static_cast<char>(damaged[chunkStart + 40] ^ 0x10);
    const QString corrupt = outputPath("corrupt.fcrec");
    writeFile(corrupt, damaged);
    run = runToEnd("fcmon", {"--input", corrupt, "--csv"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(lines(run.out).size(), 1 + framesBefore) << "the header and a row per frame before the damage";
    EXPECT_EQ(lines(run.err).value(0), "fcmon: " + corrupt + ": reading stopped at byte " + QString::number(chunkStart)
            + ": chunk checksum does not match (damaged file)");

    QByteArray newer = good;
    newer[8] = 7;
    const QString future = outputPath("future.fcrec");
    writeFile(future, newer);
    run = runToEnd("fcmon", {"--input", future});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(lines(run.err).value(0),
        "fcmon: " + future + ": reading stopped at byte 8: recording version 7 is newer than this program reads (up to 1)");

    // The replay refuses what is no recording before serving anything.
    const QString foreign = outputPath("foreign.txt");
    writeFile(foreign, "not telemetry at all\n");
    run = runToEnd("fcsim", {"--replay", foreign});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(lines(run.err).value(0), "fcsim: " + foreign
            + ": reading stopped at byte 0: not a recording (it does not start with the recording mark)");
}

TEST(Recording, ARemovedFileStopsTheRecordingButNotTheMonitor)
{
    const QString file = outputPath("removed.fcrec");
    SimulatorProcess simulator;
    ASSERT_TRUE(simulator.started());
    QProcess monitor;
    monitor.start(testsupport::binDir() + "/fcmon", {"--port", simulator.device(), "--record", file});
    ASSERT_TRUE(monitor.waitForStarted(10000));
    QByteArray out;
    QByteArray err;
    const auto collect = [&] {
        out += monitor.readAllStandardOutput();
        err += monitor.readAllStandardError();
    };
    ASSERT_TRUE(waitFor([&] { collect(); return out.count('\n') > 100; }));
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(waitFor([&] { collect(); return err.contains('\n'); }));
    EXPECT_EQ(lines(err), QStringList{"fcmon: recording stopped: " + file + " was removed or replaced"});
    const qsizetype linesAtStop = out.count('\n');
    EXPECT_TRUE(waitFor([&] { collect(); return out.count('\n') > linesAtStop + 1000; })) << "the monitor goes on";
    EXPECT_EQ(monitor.state(), QProcess::Running);
    monitor.kill();
    monitor.waitForFinished(5000);
}

TEST(Recording, StoppingTheMonitorKeepsEverythingItPrinted)
{
    const QString file = outputPath("stopped.fcrec");
    SimulatorProcess simulator;
    ASSERT_TRUE(simulator.started());
    QProcess monitor;
    monitor.start(testsupport::binDir() + "/fcmon", {"--port", simulator.device(), "--record", file});
    ASSERT_TRUE(monitor.waitForStarted(10000));
    QByteArray out;
    ASSERT_TRUE(waitFor([&] {
        out += monitor.readAllStandardOutput();
        return out.count('\n') > 500;
    }));
    monitor.terminate();
    ASSERT_TRUE(monitor.waitForFinished(10000));
    EXPECT_EQ(monitor.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(monitor.exitCode(), 0);
    out += monitor.readAllStandardOutput();

    // Each batch is recorded before it is printed, and the last second is
    // written out on the way down.
    const ProgramRun input = runToEnd("fcmon", {"--input", file});
    EXPECT_EQ(input.exitCode, 0) << input.err.constData();
    EXPECT_EQ(withoutTimes(lines(input.out)), lines(out));
}

TEST(Recording, ADamagedRecordingIsServedUpToTheDamage)
{
    const QString file = outputPath("damaged-replay.fcrec");
    ASSERT_EQ(runToEnd("fcsim", {"--record", file, "--duration", "0.05"}).exitCode, 0);
    QByteArray bytes = readFile(file);
    const auto chunkList = chunks(bytes);
    ASSERT_EQ(chunkList.size(), 6);
    const int damagedAt = chunkList[3].first;
    bytes[damagedAt + 20] = static_cast<char>(bytes[damagedAt + 20] ^ 0x01);
    writeFile(file, bytes);
    const int framesBefore = (chunkList[1].second + chunkList[2].second) / 9;

    QProcess replay;
    replay.start(testsupport::binDir() + "/fcsim", {"--replay", file});
    ASSERT_TRUE(replay.waitForStarted(10000));
    ASSERT_TRUE(waitFor([&] { return replay.canReadLine(); }));
    const QString device = QString::fromLocal8Bit(replay.readLine()).trimmed();
    const ProgramRun run = runToEnd("fcmon", {"--port", device});
    EXPECT_EQ(lines(run.out).size(), framesBefore);
    ASSERT_TRUE(replay.waitForFinished(10000));
    EXPECT_EQ(replay.exitCode(), 1);
    EXPECT_EQ(lines(replay.readAllStandardError()),
        QStringList{"fcsim: " + file + ": reading stopped at byte " + QString::number(damagedAt)
            + ": chunk checksum does not match (damaged file)"});
}
