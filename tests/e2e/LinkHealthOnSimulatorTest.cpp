// The window's link health on fcsim's faults: silence shown and cleared,
// one frame type going stale alone, a replugged device connected again,
// and the pilot's "DisConnect" winning over the wait.

#include "SimulatorProcess.h"

#include "app/window/MainWindow.h"
#include "platform/MessageBox.h"
#include "platform/TImage.h"
#include "protocol/TelemetryFrame.h"
#include "recording/FileOutput.h"
#include "recording/RecordingWriter.h"
#include "serial/PortNames.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinEdit.h"
#include "tests/support/TestOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <malloc.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

const QString kName = QStringLiteral("Flight Controller Tool ");

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

uint64_t framesDecoded(const MainWindow& form)
{
    uint64_t frames = 0;
    for (uint64_t count : form.linkCounters().frames)
        frames += count;
    return frames;
}

// Runs the event loop in small steps, calling `step` after each, until it
// returns true or timeoutMs pass.
bool runUntil(const std::function<bool()>& step, int timeoutMs)
{
    const auto start = Clock::now();
    while (msSince(start) < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        if (step())
            return true;
        QTest::qSleep(1);
    }
    return false;
}

// The window on one device, connected.
struct WindowOnDevice {
    QStringList messages;
    platform::ScopedMessageSink sink{[this](const QString& text) { messages << text; }};
    std::unique_ptr<MainWindow> form;

    // Unshown, nothing is painted: the memory a run takes is the link's,
    // without the texts the painting keeps.
    explicit WindowOnDevice(const QString& device, bool shown = true)
    {
        MainWindowOptions options;
        options.link.ports = [device] { return QList<serial::PortEntry>{serial::portEntryForDevice(device)}; };
        form = std::make_unique<MainWindow>(std::move(options));
        if (shown)
            form->show();
        form->refreshClicked();
        form->connectClicked();
    }

    bool dimmed(const char* control) const { return form->edit(control)->dimming().on; }
};

bool exists(const QString& path)
{
    return ::access(path.toLocal8Bit().constData(), F_OK) == 0;
}

} // namespace

TEST(LinkHealthOnSimulator, SilenceShowsWithinASecondAndAFifthAndTheNextFrameClearsIt)
{
    // Silent from 1.5 s for 3.5 s: longer than a type's own bound, so the
    // first frame after must clear the types too.
    SimulatorProcess simulator({"--pause-after", "1.5", "--pause-for", "3.5", "--duration", "7"});
    ASSERT_TRUE(simulator.started());
    WindowOnDevice window(simulator.device());
    MainWindow& form = *window.form;
    ASSERT_TRUE(form.connected());

    uint64_t frames = 0;
    auto lastFrame = Clock::now();
    ASSERT_TRUE(runUntil([&] {
        if (const uint64_t now = framesDecoded(form); now != frames) {
            frames = now;
            lastFrame = Clock::now();
        }
        return form.staleTypesShown().all();
    }, 4000));
    EXPECT_LE(msSince(lastFrame), 1200) << "staleness shown within 1.2 s of the last frame";
    EXPECT_GE(msSince(lastFrame), 900);
    EXPECT_TRUE(form.image("attitudeIndicator")->dimming().on);
    EXPECT_EQ(form.image("attitudeIndicator")->dimming().mark, "NO DATA");
    EXPECT_TRUE(window.dimmed("rollValue"));
    ASSERT_TRUE(runUntil([&] { return form.windowTitle() == "Flight Controller Tool — no data for 2 s"; }, 2500))
        << form.windowTitle().toStdString();

    // The first batch after the silence clears everything at once.
    const uint64_t before = framesDecoded(form);
    ASSERT_TRUE(runUntil([&] { return framesDecoded(form) != before; }, 4000));
    EXPECT_TRUE(form.staleTypesShown().none());
    EXPECT_FALSE(form.image("attitudeIndicator")->dimming().on);
    EXPECT_FALSE(window.dimmed("rollValue"));
    EXPECT_EQ(form.windowTitle(), kName);
    EXPECT_TRUE(window.messages.isEmpty()) << window.messages.join('|').toStdString();
}

TEST(LinkHealthOnSimulator, OneFrameTypeThatStopsGoesStaleAlone)
{
    // A recording of every type a hundred times a second, the position
    // frames stopping after one second.
    const QString file = testsupport::testOutputDir() + "/position-stops.fcrec";
    std::string error;
    {
        auto output = recording::FileOutput::create(file.toStdString(), error);
        ASSERT_TRUE(output) << error;
        recording::RecordingWriter writer(*output, 0, recording::RecordingWriter::Flush::WhenFull);
        writer.connection(0, "recorded");
        for (uint64_t tick = 0; tick < 800; ++tick) {
            std::vector<uint8_t> batch;
            for (uint8_t type = protocol::kFirstFrameType; type <= protocol::kLastFrameType; ++type) {
                if (type == uint8_t(protocol::FrameType::Position) && tick >= 100)
                    continue;
                const auto frame = protocol::makeFrame(protocol::FrameType(type), 18000, 18000, 18000);
                batch.insert(batch.end(), frame.begin(), frame.end());
            }
            writer.received(tick * 10000, batch);
        }
        ASSERT_TRUE(writer.flush()) << writer.error();
    }
    SimulatorProcess simulator({"--replay", file});
    ASSERT_TRUE(simulator.started());
    WindowOnDevice window(simulator.device());
    MainWindow& form = *window.form;
    ASSERT_TRUE(form.connected());

    const auto start = Clock::now();
    ASSERT_TRUE(runUntil([&] { return form.staleTypesShown().any(); }, 6000));
    // Three seconds after the last position frame, at one second.
    EXPECT_NEAR(msSince(start), 4000, 600);
    const size_t position = protocol::frameTypeIndex(protocol::FrameType::Position);
    EXPECT_EQ(form.staleTypesShown().count(), 1u);
    EXPECT_TRUE(form.staleTypesShown().test(position));
    EXPECT_TRUE(window.dimmed("latitudeValue")) << "Lat.";
    EXPECT_TRUE(window.dimmed("accuracyValue")) << "HAC";
    EXPECT_FALSE(window.dimmed("rollValue")) << "Roll";
    EXPECT_FALSE(window.dimmed("magZValue")) << "Mz";
    EXPECT_EQ(form.windowTitle(), kName) << "the link itself is alive";
    EXPECT_FALSE(form.image("attitudeIndicator")->dimming().on);
}

TEST(LinkHealthOnSimulator, AReplugIsConnectedWithinASecondOverThirtyCyclesWithOneDescriptorAndFlatMemory)
{
    SimulatorProcess simulator({"--drop-after", "0.61", "--drop-for", "0.43", "--duration", "60"});
    ASSERT_TRUE(simulator.started());
    const QString path = simulator.device();
    WindowOnDevice window(path, false);
    MainWindow& form = *window.form;
    ASSERT_TRUE(form.connected());

    size_t heapAtFifth = 0;
    double slowest = 0;
    for (int cycle = 1; cycle <= 30; ++cycle) {
        SCOPED_TRACE(cycle);
        ASSERT_TRUE(runUntil([&] { return form.waitingForDevice(); }, 3000)) << "the device goes";
        EXPECT_FALSE(form.connected());
        ASSERT_TRUE(runUntil([&] { return exists(path); }, 3000)) << "and comes back";
        const auto back = Clock::now();
        ASSERT_TRUE(runUntil([&] { return form.connected(); }, 3000));
        slowest = std::max(slowest, msSince(back));
        // Only the window's own descriptor of the device is open.
        const QString device = QFileInfo(path).symLinkTarget();
        int descriptors = 0;
        for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System | QDir::NoDotAndDotDot)) {
            if (fd.symLinkTarget().startsWith("/dev/pts/") && fd.fileName().toInt() > 2)
                descriptors += fd.symLinkTarget() == device ? 1 : 100;
        }
        EXPECT_EQ(descriptors, 1);
        if (cycle == 5)
            heapAtFifth = mallinfo2().uordblks;
    }
    EXPECT_LE(slowest, 1000) << "connected within a second of the device's return";
    const size_t heapAtLast = mallinfo2().uordblks;
    // Half a kilobyte kept per cycle would show.
    EXPECT_LT(heapAtLast, heapAtFifth + 12 * 1024) << "memory flat: " << heapAtFifth << " then " << heapAtLast;
    EXPECT_TRUE(window.messages.isEmpty()) << window.messages.join('|').toStdString();
}

TEST(LinkHealthOnSimulator, ThePilotsDisconnectWinsOverTheWait)
{
    SimulatorProcess simulator({"--drop-after", "0.5", "--drop-for", "0.8", "--duration", "6"});
    ASSERT_TRUE(simulator.started());
    const QString path = simulator.device();
    WindowOnDevice window(path);
    MainWindow& form = *window.form;
    ASSERT_TRUE(runUntil([&] { return form.waitingForDevice(); }, 3000));
    auto* connect = form.button("connectButton");
    QTest::mouseClick(connect, Qt::LeftButton, {}, connect->rect().center());
    EXPECT_FALSE(form.waitingForDevice());
    EXPECT_EQ(connect->Caption(), "Connect");
    ASSERT_TRUE(runUntil([&] { return exists(path); }, 3000));
    // Well past the second a reconnect would take.
    runUntil([] { return false; }, 1500);
    EXPECT_FALSE(form.connected());
    EXPECT_FALSE(form.waitingForDevice());
    EXPECT_EQ(connect->Caption(), "Connect");
    EXPECT_TRUE(form.staleTypesShown().none());
    EXPECT_EQ(form.windowTitle(), kName);
}
