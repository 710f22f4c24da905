#include "SimulatorProcess.h"

#include "platform/MessageBox.h"
#include "protocol/CommandFrame.h"
#include "protocol/TelemetryDecoder.h"
#include "serial/Comm.h"
#include "tests/support/RecordingSink.h"

#include <gtest/gtest.h>

#include <set>

using namespace protocol;
using F = TelemetryField;

namespace {

// TComm on fcsim's pseudo-terminal, decoding as the window does.
class CommOnSimulator : public ::testing::Test {
protected:
    CommOnSimulator()
        : sink([this](const QString& text) { messages << text; })
    {
        comm.SetBaudRate(115200);
        comm.SetRThreshold(1);
        comm.OnReceiveData = [this](serial::TComm* sender) { decoder.feed(asBytes(sender->ReadInputByte())); };
        comm.OnDeviceLost = [this](serial::TComm*) { ++lost; };
    }

    static std::vector<uint8_t> asBytes(const QByteArray& bytes) { return {bytes.begin(), bytes.end()}; }

    bool connectTo(const SimulatorProcess& simulator)
    {
        comm.SetDevicePath(simulator.device());
        comm.SetPortOpen(true);
        return comm.PortOpen();
    }

    void send(Command command, uint16_t argument)
    {
        const CommandBytes bytes = encodeCommand(command, argument);
        comm.OutputByte(QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }

    QStringList messages;
    platform::ScopedMessageSink sink;
    RecordingSink recorded;
    TelemetryDecoder decoder{recorded};
    serial::TComm comm;
    int lost = 0;
};

} // namespace

TEST_F(CommOnSimulator, DecodesLiveTelemetryAndTheSimulatorAppliesCommands)
{
    SimulatorProcess simulator;
    ASSERT_TRUE(simulator.started());
    ASSERT_TRUE(connectTo(simulator));

    ASSERT_TRUE(waitFor([&] { return std::set<uint8_t>(recorded.types.begin(), recorded.types.end()).size() == 12; }));
    EXPECT_EQ(recorded.text(F::GyroGain), "20.00");
    EXPECT_EQ(recorded.text(F::Receiver), "PWM");
    EXPECT_EQ(recorded.text(F::RangeLimit), "500");
    EXPECT_EQ(recorded.airframes.back(), 1);
    EXPECT_FALSE(recorded.attitudes.empty());
    EXPECT_FALSE(recorded.headings.empty());

    send(Command::GyroGain, 30);
    send(Command::RangeLimit, 5000);
    send(Command::Airframe, 6);
    send(Command::Receiver, 1);
    send(Command::AltGain, 1100);
    const QStringList expected = {"55 1E 00 AC", "66 88 13 AA", "55 06 00 AF", "55 01 00 BB", "55 4C 04 AD"};
    ASSERT_TRUE(waitFor([&] { return simulator.commandLines().size() >= expected.size(); }));
    EXPECT_EQ(simulator.commandLines(), expected);

    ASSERT_TRUE(waitFor([&] {
        return recorded.text(F::GyroGain) == "30.00" && recorded.text(F::RangeLimit) == "5000"
            && recorded.text(F::Receiver) == "SBUS" && recorded.airframes.back() == 6;
    }));
    EXPECT_EQ(recorded.text(F::AltGain), "11");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(lost, 0);
}

TEST_F(CommOnSimulator, PulledCableClosesThePortAndReportsOnce)
{
    auto simulator = std::make_unique<SimulatorProcess>();
    ASSERT_TRUE(simulator->started());
    ASSERT_TRUE(connectTo(*simulator));
    ASSERT_TRUE(waitFor([&] { return !recorded.types.empty(); }));

    simulator->kill();
    ASSERT_TRUE(waitFor([&] { return lost > 0; }));
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_FALSE(comm.pollTimerActive());
    // Let further timer events run: the loss is reported once, silently.
    waitFor([] { return false; }, 200);
    EXPECT_EQ(lost, 1);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();

    // A new device: connecting again works.
    simulator = std::make_unique<SimulatorProcess>();
    ASSERT_TRUE(simulator->started());
    const size_t before = recorded.types.size();
    ASSERT_TRUE(connectTo(*simulator));
    EXPECT_TRUE(waitFor([&] { return recorded.types.size() > before + 12; }));
}

TEST_F(CommOnSimulator, MissingDeviceFailsToOpenWithItsReason)
{
    comm.SetDevicePath("/dev/fct-no-such-device");
    comm.SetPortOpen(true);
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_EQ(messages, QStringList{"Error opening serial port\n/dev/fct-no-such-device does not exist."});
}

TEST_F(CommOnSimulator, DeviceThatIsNoSerialPortIsNamedAsSuch)
{
    comm.SetDevicePath("/dev/null");
    comm.SetPortOpen(true);
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_EQ(messages, QStringList{"Error opening serial port\n/dev/null is not a serial port."});
}
