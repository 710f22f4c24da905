#include "WindowFixture.h"

#include "protocol/TelemetryFrame.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPaintEvent>

#include <atomic>

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A window on an in-memory device with one port, paced by the test's clock.
MainWindowOptions pacedWindow(const int64_t& now,
    std::shared_ptr<serial::MemorySerialDevice> device = std::make_shared<serial::MemorySerialDevice>())
{
    MainWindowOptions options;
    options.link.driver = std::make_unique<serial::MemorySerialDriver>(std::move(device));
    options.link.ports = [] { return QList<serial::PortEntry>{serial::portEntryForDevice("/dev/ttyUSB0")}; };
    options.link.clock = [&now] { return now; };
    return options;
}

} // namespace

// Telemetry comes a dozen frames a read and a hundred reads a second; the
// fields, and what follows them, take the latest texts ten times a second.
TEST(WindowPaintPace, FieldsTakeTheLatestTextsTenTimesASecond)
{
    int64_t now = 1000;
    auto device = std::make_shared<serial::MemorySerialDevice>();
    MainWindow form(pacedWindow(now, device));
    form.refreshClicked();
    form.connectClicked();
    skin::TkvSkinEdit* ch1 = form.edit("ch1Value");
    int changes = 0;
    const auto following = ch1->OnChange;
    ch1->OnChange = [&](QObject* sender) {
        ++changes;
        following(sender);
    };
    const auto channels = [&](uint16_t ch1Raw) {
        const auto bytes = protocol::makeFrame(protocol::FrameType::Channels123, ch1Raw, 18000, 18000);
        device->queue({bytes.begin(), bytes.end()});
        form.comm()->ProcTimer();
    };

    channels(12000);
    EXPECT_EQ(ch1->Text(), "1000") << "the first texts show at once";
    now += 60;
    channels(14400);
    channels(16800);
    EXPECT_EQ(ch1->Text(), "1000") << "60 ms later, a picture later, the texts still wait";
    ASSERT_TRUE(testsupport::timerActive(&form, "textFrame"));
    EXPECT_EQ(testsupport::timerInterval(&form, "textFrame"), 40);
    ASSERT_TRUE(testsupport::timerActive(&form.link(), "viewFrame")) << "the link holds the last batch";

    now += 40;
    testsupport::fireTimer(&form.link(), "viewFrame");
    EXPECT_EQ(ch1->Text(), "1400") << "the latest text, not each one in between";
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(form.gauge("ch1Gauge")->Value(), 3000 - 1400) << "what follows the field follows too";
}

TEST(WindowPaintPace, TelemetryRepaintsNeverReachTheFrame)
{
    int64_t now = 1000;
    MainWindow form(pacedWindow(now));
    form.show();
    QCoreApplication::processEvents();

    PaintCounter frame;
    PaintCounter field;
    form.installEventFilter(&frame);
    form.edit("rollValue")->installEventFilter(&field);
    // Texts unlike the field's first "0", so that each one repaints it.
    for (int i = 1; i <= 20; ++i) {
        now += 100;
        form.edit("rollValue")->SetText(QString::number(i));
        form.gauge("ch1Gauge")->SetValue(1000 + 40 * i);
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(&form, &request);
    }
    EXPECT_EQ(field.paints, 20);
    EXPECT_EQ(frame.paints, 0) << "the frame paints only when its own state changes";
}

using WindowActivation = WindowFixture;

TEST_F(WindowActivation, EachActivationRefillsThePortList)
{
    form->show();
    QApplication::setActiveWindow(form.get());
    auto* list = form->comboBox("portList");
    EXPECT_EQ(list->Items(), (QStringList{"COM3", "ttyUSB0"}));

    ports = {"/dev/ttyACM0"};
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(form.get());
    EXPECT_EQ(list->Items(), QStringList{"ttyACM0"}) << "each present port once, the old ones gone";
    EXPECT_EQ(list->Text(), "ttyACM0");
}

namespace {

// Runs the event loop until the list shows items or five seconds pass:
// the search runs on a thread of its own.
bool waitForItems(skin::TkvSkinComboBox* list)
{
    QDeadlineTimer deadline(5000);
    while (list->Items().isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return !list->Items().isEmpty();
}

} // namespace

TEST(WindowPortsInBackground, TheFirstListFollowsOneSearchInTheBackground)
{
    std::atomic<int> searches = 0;
    MainWindowOptions options;
    options.link.driver = std::make_unique<serial::MemorySerialDriver>(std::make_shared<serial::MemorySerialDevice>());
    options.link.ports = [&searches] {
        const int search = ++searches;
        return QList<serial::PortEntry>{{QStringLiteral("ttyUSB%1").arg(search), QStringLiteral("/dev/x")}};
    };
    options.searchPortsInBackground = true;
    MainWindow form(std::move(options));
    form.show();
    QApplication::setActiveWindow(&form);
    auto* list = form.comboBox("portList");
    EXPECT_TRUE(list->Items().isEmpty()) << "the activation does not wait for the search";
    // Activated again while the search runs: no second search.
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(waitForItems(list));
    EXPECT_EQ(list->Items(), QStringList{"ttyUSB1"});
    EXPECT_EQ(list->Text(), "ttyUSB1");
    EXPECT_EQ(searches, 1);

    form.refreshClicked();
    EXPECT_EQ(list->Items(), QStringList{"ttyUSB2"}) << "\"Refresh \" asks the system again";
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&form);
    EXPECT_EQ(list->Items(), QStringList{"ttyUSB3"}) << "later activations list at once";
}
