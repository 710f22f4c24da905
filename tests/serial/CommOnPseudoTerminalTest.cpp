#include "platform/MessageBox.h"
#include "serial/Comm.h"
#include "simulator/PseudoTerminal.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

using namespace serial;

namespace {

// The component with the system's driver on a pseudo-terminal whose far
// end the test holds, ticked by hand.
class CommOnPseudoTerminal : public ::testing::Test {
protected:
    CommOnPseudoTerminal()
        : farEnd(std::make_unique<simulator::PseudoTerminal>())
        , sink([this](const QString& text) { messages << text; })
    {
        comm.SetBaudRate(115200);
        comm.SetRThreshold(1);
        comm.OnReceiveData = [this](TComm* sender) { received += sender->ReadInputByte(); };
        comm.OnDeviceLost = [this](TComm*) { ++lost; };
        comm.SetDevicePath(QString::fromStdString(farEnd->slavePath()));
    }

    std::unique_ptr<simulator::PseudoTerminal> farEnd;
    QStringList messages;
    platform::ScopedMessageSink sink;
    TComm comm;
    QByteArray received;
    int lost = 0;
};

} // namespace

TEST_F(CommOnPseudoTerminal, BurstsBeyondTheReadBufferArriveWholeAndInOrder)
{
    comm.SetPortOpen(true);
    ASSERT_TRUE(comm.PortOpen()) << messages.join('|').toStdString();
    QByteArray burst(5 * kReadBufferSize + 123, 0);
    std::iota(burst.begin(), burst.end(), char(0));

    qsizetype sent = 0;
    while (received.size() < burst.size()) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(burst.constData());
        sent += static_cast<qsizetype>(farEnd->write(bytes + sent, static_cast<size_t>(burst.size() - sent)));
        const qsizetype before = received.size();
        comm.ProcTimer();
        if (received.size() == before && !farEnd->waitClientReadable(5000))
            break;
    }
    EXPECT_EQ(received, burst);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(lost, 0);
}

TEST_F(CommOnPseudoTerminal, AClosedFarEndIsADeviceLost)
{
    comm.SetPortOpen(true);
    ASSERT_TRUE(comm.PortOpen());
    comm.ProcTimer();
    comm.ProcTimer();
    EXPECT_EQ(lost, 0) << "an idle far end is still there";
    EXPECT_TRUE(comm.OutputString("ping"));

    farEnd.reset();
    comm.ProcTimer();
    EXPECT_EQ(lost, 1);
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_FALSE(comm.pollTimerActive());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}
