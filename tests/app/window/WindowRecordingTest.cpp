#include "WindowFixture.h"

#include "app/link/TelemetryRecorder.h"
#include "app/window/MainWindow.h"
#include "platform/ClassicErrors.h"
#include "platform/MessageBox.h"
#include "recording/RecordingParser.h"
#include "serial/MemorySerialDriver.h"
#include "skin/controls/TkvSkinEdit.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestOutput.h"
#include "tests/support/TestTimers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class Events : public recording::RecordingParser::Handler {
public:
    void connection(uint64_t timeUs, std::string_view device) override
    {
        lines << QString("%1 connection %2").arg(timeUs).arg(QString::fromStdString(std::string(device)));
    }
    void received(uint64_t timeUs, std::span<const uint8_t> bytes) override
    {
        lines << QString("%1 received %2").arg(timeUs).arg(bytes.size());
    }
    QStringList lines;
};

QStringList readRecording(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    Events events;
    recording::RecordingParser parser(events);
    parser.feed(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())));
    if (!parser.finish())
        events.lines << QString::fromStdString(parser.problem()->describe());
    return events.lines;
}

const std::vector<uint8_t> kLevel = {0x55, 0xA0, 0x50, 0x46, 0x50, 0x46, 0x50, 0x46, 0xBB};
const std::vector<uint8_t> kPitched = {0x55, 0xA0, 0x50, 0x46, 0x60, 0x46, 0x50, 0x46, 0xBB};

// The window on an in-memory device, recording with a clock the test moves.
class WindowRecording : public ::testing::Test {
protected:
    WindowRecording()
        : device(std::make_shared<serial::MemorySerialDevice>())
        , messageSink([this](const QString& text) { messages << text; })
    {
        QDir().mkpath(testsupport::testOutputDir() + "/recording");
        // One file per test: tests may run at the same time.
        path = testsupport::testOutputDir() + "/recording/window-"
            + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".fcrec";
        MainWindowOptions options;
        options.link.recorder = std::make_unique<TelemetryRecorder>(path, nullptr, [this] { return clock; });
        recorder = options.link.recorder.get();
        options.link.driver = std::make_unique<serial::MemorySerialDriver>(device);
        options.link.ports = [] { return QList<serial::PortEntry>{serial::portEntryForDevice("/dev/ttyUSB0")}; };
        form = std::make_unique<MainWindow>(std::move(options));
    }

    void receive(const std::vector<uint8_t>& bytes)
    {
        device->queue(bytes);
        form->comm()->ProcTimer();
        showNextPicture(*form);
    }
    void toggleConnection()
    {
        form->refreshClicked();
        form->connectClicked();
    }

    std::shared_ptr<serial::MemorySerialDevice> device;
    QStringList messages;
    platform::ScopedMessageSink messageSink;
    QString path;
    uint64_t clock = 0;
    // Owned by the window.
    TelemetryRecorder* recorder = nullptr;
    std::unique_ptr<MainWindow> form;
};

} // namespace

TEST_F(WindowRecording, RecordsEveryConnectionWithAMarker)
{
    toggleConnection();
    clock = 10000;
    receive(kLevel);
    toggleConnection();  // disconnect: nothing received is recorded
    clock = 5000000;
    toggleConnection();
    clock = 5010000;
    receive(kPitched);
    EXPECT_EQ(form->edit("pitchValue")->Text(), "0.16");
    form.reset();
    EXPECT_EQ(readRecording(path), (QStringList{"0 connection /dev/ttyUSB0", "10000 received 9",
                                       "5000000 connection /dev/ttyUSB0", "5010000 received 9"}));
    EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join(QChar(10)));
}

TEST_F(WindowRecording, ARemovedFileStopsTheRecordingWithAMessageAndTheDisplayGoesOn)
{
    toggleConnection();
    receive(kLevel);
    ASSERT_TRUE(QFile::remove(path));
    clock = 1000000;
    receive(kLevel);
    EXPECT_FALSE(recorder->recording());
    // The message comes after the receive handler has returned (the serial
    // tick lets pending events run).
    QCoreApplication::processEvents();
    EXPECT_EQ(messages, QStringList{"Recording stopped\n" + path + " was removed or replaced"});
    clock = 2000000;
    receive(kPitched);
    EXPECT_EQ(form->edit("pitchValue")->Text(), "0.16");
    EXPECT_EQ(messages.size(), 1);
}

TEST(WindowRecorderFile, AFileThatCannotBeWrittenIsRefusedWithItsName)
{
    try {
        TelemetryRecorder recorder("/dev/full");
        FAIL() << "no exception";
    } catch (const platform::Exception& error) {
        EXPECT_EQ(error.message(), "cannot write /dev/full: No space left on device");
    }
}
