// The link without a window: an in-memory device, a clock the test moves,
// and the controller's timers fired by the test.

#include "app/link/LinkController.h"
#include "app/link/LinkState.h"
#include "serial/Comm.h"
#include "serial/MemorySerialDriver.h"
#include "tests/support/TestTimers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>

#include <gtest/gtest.h>

namespace {

using Operation = serial::MemorySerialDevice::Operation;

// What the listeners heard, in order.
struct Heard : LinkListener {
    void linkStateChanged(LinkState state) override { states.push_back(state); }
    void linkHealthChanged() override { ++healthChanges; }
    void telemetryHandedOver() override { ++handOvers; }
    void linkProblem(const QString& message) override { problems << message; }

    std::vector<LinkState> states;
    int healthChanges = 0;
    int handOvers = 0;
    QStringList problems;
};

// What the view was handed, in order.
struct Fields : protocol::TelemetrySink {
    void attitudeChanged(double, double) override { calls << "attitude"; }
    void fieldChanged(protocol::TelemetryField field, std::string_view text) override
    {
        if (field == protocol::TelemetryField::Roll)
            roll = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        if (field == protocol::TelemetryField::Roll || field == protocol::TelemetryField::Heading)
            calls << "field";
    }
    void headingChanged(double) override { calls << "heading"; }
    QString roll;
    QStringList calls;
};

// A device path that can be taken away and brought back, as a device node.
struct DeviceNode {
    QTemporaryDir folder;
    QString path = folder.filePath("ttyUSB7");

    void plugIn() { QFile(path).open(QIODevice::WriteOnly); }
    void pull() { QFile::remove(path); }
};

class LinkControllerTest : public ::testing::Test {
protected:
    LinkControllerTest()
    {
        LinkOptions options;
        options.driver = std::make_unique<serial::MemorySerialDriver>(device);
        options.ports = [this] {
            ++listings;
            return ports;
        };
        options.clock = [this] { return nowMs; };
        link = std::make_unique<LinkController>(std::move(options), fields);
        link->addListener(&heard);
        node.plugIn();
        port = {QStringLiteral("ttyUSB7"), node.path, QStringLiteral("A1B2"), 0x0403, 0x6001};
    }

    void receiveAttitude(uint16_t roll = 1000) { receive({protocol::makeFrame(protocol::FrameType::Attitude, roll, 0, 0)}); }
    // One batch of frames, read by one serial tick.
    void receive(const std::vector<protocol::FrameBytes>& frames)
    {
        std::vector<uint8_t> bytes;
        for (const protocol::FrameBytes& frame : frames)
            bytes.insert(bytes.end(), frame.begin(), frame.end());
        device->queue(bytes);
        link->comm().ProcTimer();
    }
    void checkHealth() { testsupport::fireTimer(link.get(), "linkHealth"); }
    void checkForTheDevice() { testsupport::fireTimer(link.get(), "deviceReturn"); }
    // The device stops answering while open.
    void pullTheCable()
    {
        node.pull();
        device->failing.insert(Operation::ClearError);
        link->comm().ProcTimer();
        device->failing.clear();
    }
    // Runs the event loop until done holds; a background listing answers
    // through it.
    static bool waitFor(const std::function<bool()>& done, int timeoutMs = 5000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }

    std::shared_ptr<serial::MemorySerialDevice> device = std::make_shared<serial::MemorySerialDevice>();
    QList<serial::PortEntry> ports;
    std::atomic<int> listings = 0;
    int64_t nowMs = 1000;
    Fields fields;
    Heard heard;
    DeviceNode node;
    serial::PortEntry port;
    std::unique_ptr<LinkController> link;
};

using S = LinkState;
using E = LinkEvent;
using A = LinkAction;

TEST(LinkStateTable, EveryEventLeadsWhereTheTableSays)
{
    struct Case {
        S from;
        E event;
        Reconnect reconnect;
        S to;
        bool accepted;
    };
    const Case cases[] = {
        {S::Closed, E::Opened, Reconnect::On, S::Open, true},
        {S::WaitingForDevice, E::Opened, Reconnect::On, S::Open, true},
        {S::Open, E::Disconnect, Reconnect::On, S::Closed, true},
        {S::Stale, E::Disconnect, Reconnect::On, S::Closed, true},
        {S::WaitingForDevice, E::Disconnect, Reconnect::On, S::Closed, true},
        {S::Open, E::DeviceLost, Reconnect::On, S::WaitingForDevice, true},
        {S::Stale, E::DeviceLost, Reconnect::On, S::WaitingForDevice, true},
        {S::Open, E::DeviceLost, Reconnect::Off, S::Closed, true},
        {S::Stale, E::DeviceLost, Reconnect::Off, S::Closed, true},
        {S::Open, E::WentSilent, Reconnect::On, S::Stale, true},
        {S::Stale, E::DataResumed, Reconnect::On, S::Open, true},
        {S::WaitingForDevice, E::ReconnectTurnedOff, Reconnect::Off, S::Closed, true},
        {S::Open, E::CommandFailed, Reconnect::On, S::Closed, true},
        {S::Stale, E::CommandFailed, Reconnect::Off, S::Closed, true},
        // Nothing to do.
        {S::Closed, E::Disconnect, Reconnect::On, S::Closed, false},
        {S::Closed, E::DeviceLost, Reconnect::On, S::Closed, false},
        {S::Closed, E::WentSilent, Reconnect::On, S::Closed, false},
        {S::Open, E::Opened, Reconnect::On, S::Open, false},
        {S::Open, E::ReconnectTurnedOff, Reconnect::Off, S::Open, false},
        {S::WaitingForDevice, E::WentSilent, Reconnect::On, S::WaitingForDevice, false},
        {S::WaitingForDevice, E::CommandFailed, Reconnect::On, S::WaitingForDevice, false},
    };
    for (const Case& c : cases) {
        const LinkTransition transition = nextLinkState(c.from, c.event, c.reconnect);
        EXPECT_EQ(transition.to, c.to) << int(c.from) << " on " << int(c.event);
        EXPECT_EQ(transition.accepted, c.accepted) << int(c.from) << " on " << int(c.event);
        if (!c.accepted)
            EXPECT_TRUE(transition.actions.empty());
    }
    // The port is closed by the link itself only where it still holds it.
    EXPECT_TRUE(nextLinkState(S::Open, E::Disconnect, Reconnect::On).actions.has(A::ClosePort));
    EXPECT_FALSE(nextLinkState(S::WaitingForDevice, E::Disconnect, Reconnect::On).actions.has(A::ClosePort));
    EXPECT_TRUE(nextLinkState(S::Open, E::DeviceLost, Reconnect::Off).actions.has(A::ReportLost));
    EXPECT_FALSE(nextLinkState(S::Open, E::DeviceLost, Reconnect::On).actions.has(A::ReportLost));
}

TEST_F(LinkControllerTest, ConnectsDecodesAndDisconnects)
{
    EXPECT_EQ(link->connectTo(port), std::nullopt);
    EXPECT_EQ(link->state(), S::Open);
    EXPECT_TRUE(link->comm().PortOpen());
    EXPECT_EQ(device->openedDevice, node.path.toStdString());
    EXPECT_TRUE(testsupport::timerActive(link.get(), "linkHealth"));

    receiveAttitude();
    EXPECT_EQ(fields.roll, "-170.00") << "decoded values reach the sink";
    EXPECT_EQ(heard.handOvers, 1);
    EXPECT_EQ(link->history().size(), 1u);

    link->disconnect();
    EXPECT_EQ(link->state(), S::Closed);
    EXPECT_FALSE(device->open);
    EXPECT_FALSE(testsupport::timerActive(link.get(), "linkHealth"));
    EXPECT_EQ(heard.states, (std::vector<S>{S::Open, S::Closed}));
    EXPECT_TRUE(heard.problems.isEmpty());
}

TEST_F(LinkControllerTest, TheViewIsHandedTheNewestValuesAtMostOnceAFrame)
{
    link->connectTo(port);
    receiveAttitude(1000);
    EXPECT_EQ(fields.roll, "-170.00") << "the first batch is handed over at once";
    EXPECT_EQ(heard.handOvers, 1);

    nowMs += 10;
    receiveAttitude(2000);
    receiveAttitude(3000);
    EXPECT_EQ(fields.roll, "-170.00") << "within the frame the view waits";
    EXPECT_EQ(heard.handOvers, 1);
    EXPECT_EQ(link->history().size(), 3u) << "the history takes every frame at once";
    ASSERT_TRUE(testsupport::timerActive(link.get(), "viewFrame"));
    EXPECT_EQ(testsupport::timerInterval(link.get(), "viewFrame"), 40);

    fields.calls.clear();
    nowMs += 40;
    testsupport::fireTimer(link.get(), "viewFrame");
    EXPECT_EQ(fields.roll, "-150.00") << "the newest value, not each one in between";
    EXPECT_EQ(fields.calls, (QStringList{"attitude", "field"})) << "one call per value, none repeated";
    EXPECT_EQ(heard.handOvers, 2);

    // A frame's order holds across a hand-over: the instrument before the
    // fields, the heading after them.
    fields.calls.clear();
    nowMs += 100;
    receive({protocol::makeFrame(protocol::FrameType::Heading, 900, 0, 0),
        protocol::makeFrame(protocol::FrameType::Attitude, 1500, 0, 0)});
    EXPECT_EQ(fields.calls, (QStringList{"attitude", "field", "field", "heading"}));
    EXPECT_FALSE(testsupport::timerActive(link.get(), "viewFrame")) << "nothing is held";
}

TEST_F(LinkControllerTest, APortThatWillNotOpenLeavesTheLinkClosedAndSaysWhy)
{
    device->failing.insert(Operation::Open);
    device->openResult = {serial::OpenError::PermissionDenied, {}};
    const std::optional<QString> problem = link->connectTo(port);
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->contains("dialout")) << problem->toStdString();
    EXPECT_EQ(link->state(), S::Closed);
    EXPECT_TRUE(heard.states.empty());
    EXPECT_FALSE(link->send(protocol::Command::GyroGain, 20)) << "nothing is sent on a closed link";
    EXPECT_TRUE(device->written.empty());
}

TEST_F(LinkControllerTest, SilenceMakesTheLinkStaleAndTheNextFrameFreshAtOnce)
{
    link->connectTo(port);
    receiveAttitude();
    nowMs += 1100;
    checkHealth();
    EXPECT_EQ(link->state(), S::Stale);
    EXPECT_TRUE(link->staleTypes().all());
    EXPECT_EQ(link->silentMs(), 1100);
    const int changes = heard.healthChanges;
    nowMs += 50;
    checkHealth();
    EXPECT_EQ(heard.healthChanges, changes) << "the same second of silence is not told again";
    nowMs += 1000;
    checkHealth();
    EXPECT_EQ(heard.healthChanges, changes + 1);

    receiveAttitude();
    EXPECT_EQ(link->state(), S::Open) << "not at the next check";
    EXPECT_FALSE(link->staleTypes().all());
    EXPECT_EQ(heard.states, (std::vector<S>{S::Open, S::Stale, S::Open}));
}

TEST_F(LinkControllerTest, ALostDeviceIsWaitedForAndConnectedAgainAtItsPath)
{
    link->connectTo(port);
    pullTheCable();
    EXPECT_EQ(link->state(), S::WaitingForDevice);
    EXPECT_TRUE(link->staleTypes().all());
    EXPECT_TRUE(heard.problems.isEmpty()) << "a wait shows no message";

    checkForTheDevice();
    EXPECT_EQ(link->state(), S::WaitingForDevice) << "the path is not there yet";
    node.plugIn();
    device->failing.insert(Operation::Open);
    device->openResult = {serial::OpenError::InUse, {}};
    checkForTheDevice();
    EXPECT_EQ(link->returnProblem(), node.path + " is in use by another program.");
    device->failing.clear();
    checkForTheDevice();
    EXPECT_EQ(link->state(), S::Open);
    EXPECT_FALSE(testsupport::timerActive(link.get(), "deviceReturn"));
    EXPECT_TRUE(heard.problems.isEmpty());
}

TEST_F(LinkControllerTest, AUsbAdapterIsFoundAgainByItsIdentityUnderAnotherName)
{
    link->connectTo(port);
    pullTheCable();
    DeviceNode other;
    other.plugIn();
    ports = {{QStringLiteral("ttyUSB8"), other.path, QStringLiteral("A1B2"), 0x0403, 0x6001}};
    // The system's list is asked every third check, on a thread of its own.
    checkForTheDevice();
    checkForTheDevice();
    EXPECT_EQ(link->state(), S::WaitingForDevice);
    checkForTheDevice();
    ASSERT_TRUE(waitFor([&] { return link->state() == S::Open; }));
    EXPECT_EQ(device->openedDevice, other.path.toStdString());
}

TEST_F(LinkControllerTest, DisconnectWinsOverTheWaitAndALateAnswer)
{
    link->connectTo(port);
    pullTheCable();
    DeviceNode other;
    other.plugIn();
    ports = {{QStringLiteral("ttyUSB8"), other.path, QStringLiteral("A1B2"), 0x0403, 0x6001}};
    checkForTheDevice();
    checkForTheDevice();
    checkForTheDevice();
    link->disconnect();
    EXPECT_EQ(link->state(), S::Closed);
    EXPECT_FALSE(testsupport::timerActive(link.get(), "deviceReturn"));
    // The listing under way answers after the pilot stopped the wait; the
    // answer must not open the port again.
    ASSERT_TRUE(waitFor([&] { return listings == 1; }));
    EXPECT_FALSE(waitFor([&] { return link->state() != S::Closed; }, 300));
    EXPECT_FALSE(device->open);
    EXPECT_TRUE(link->staleTypes().none()) << "a closed link shows no staleness";
}

TEST_F(LinkControllerTest, WithoutReconnectingALostDeviceClosesTheLinkAndSaysSo)
{
    link->setReconnectAutomatically(false);
    link->connectTo(port);
    pullTheCable();
    EXPECT_EQ(link->state(), S::Closed);
    ASSERT_EQ(heard.problems.size(), 1);
    EXPECT_TRUE(heard.problems[0].startsWith("Connection lost\n" + node.path)) << heard.problems[0].toStdString();

    // Turned off during a wait: the pilot takes over.
    link->setReconnectAutomatically(true);
    node.plugIn();
    link->connectTo(port);
    pullTheCable();
    ASSERT_EQ(link->state(), S::WaitingForDevice);
    link->setReconnectAutomatically(false);
    EXPECT_EQ(link->state(), S::Closed);
    EXPECT_EQ(heard.problems.size(), 1);
}

TEST_F(LinkControllerTest, ACommandTheDeviceDoesNotTakeClosesTheLink)
{
    link->connectTo(port);
    EXPECT_TRUE(link->send(protocol::Command::GyroGain, 24));
    EXPECT_EQ(device->written, (std::vector<uint8_t>{0x55, 0x18, 0x00, 0xAC}));
    device->failing.insert(Operation::Write);
    EXPECT_FALSE(link->send(protocol::Command::GyroGain, 25));
    EXPECT_EQ(link->state(), S::Closed);
    ASSERT_EQ(heard.problems.size(), 1);
    EXPECT_TRUE(heard.problems[0].startsWith("Command not sent\n")) << heard.problems[0].toStdString();
}

} // namespace
