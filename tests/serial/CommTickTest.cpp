#include "CommFixture.h"

using namespace serial;

using CommTick = CommFixture;

TEST_F(CommTick, ReceiveEventNeedsAPositiveThreshold)
{
    int received = 0;
    comm->OnReceiveData = [&](TComm* sender) {
        EXPECT_EQ(sender, comm.get());
        ++received;
    };
    comm->SetPortOpen(true);
    device->queue({1, 2, 3});
    comm->ProcTimer();
    EXPECT_EQ(received, 0) << "threshold 0 never fires";
    EXPECT_EQ(device->incoming.size(), 3u);

    comm->SetRThreshold(4);
    comm->ProcTimer();
    EXPECT_EQ(received, 0);
    device->queue({4});
    comm->ProcTimer();
    EXPECT_EQ(received, 1);
}

TEST_F(CommTick, HandlerReadsTheWaitingBytes)
{
    openAt115200();
    QByteArray got;
    comm->OnReceiveData = [&](TComm* sender) { got += sender->ReadInputByte(); };
    device->queue({0x55, 0xA0, 0x50});
    comm->ProcTimer();
    EXPECT_EQ(got, QByteArray("\x55\xA0\x50", 3));
    comm->ProcTimer();
    EXPECT_EQ(got.size(), 3) << "nothing waiting, no event";
}

TEST_F(CommTick, ModemEventsFireOnEveryTickWhileALineIsOn)
{
    openAt115200();
    std::vector<uint32_t> masks;
    comm->OnModemStateChange = [&](TComm*, uint32_t mask) { masks.push_back(mask); };

    device->modemLines = ModemRingOn;
    comm->ProcTimer();
    comm->ProcTimer();
    EXPECT_EQ(masks, (std::vector<uint32_t>{0x100, 0x100}));
    EXPECT_TRUE(comm->RIHolding());

    masks.clear();
    device->modemLines = ModemCarrierOn | ModemCtsOn;
    comm->ProcTimer();
    EXPECT_EQ(masks, std::vector<uint32_t>{0x28});
    EXPECT_TRUE(comm->CDHolding());
    EXPECT_TRUE(comm->CTSHolding());
    EXPECT_FALSE(comm->RIHolding());

    masks.clear();
    device->modemLines = ModemDsrOn;
    comm->ProcTimer();
    EXPECT_EQ(masks, std::vector<uint32_t>{0x10});

    masks.clear();
    device->modemLines = 0;
    comm->ProcTimer();
    EXPECT_TRUE(masks.empty());
    EXPECT_EQ(comm->CommEvent(), 0u);
}

TEST_F(CommTick, FailedModemQueryChangesNothing)
{
    openAt115200();
    device->modemLines = ModemCtsOn;
    comm->ProcTimer();
    device->failing.insert(Op::ModemStatus);
    device->modemLines = 0;
    comm->ProcTimer();
    EXPECT_EQ(comm->CommEvent(), static_cast<uint32_t>(EV_CTS));
    EXPECT_TRUE(comm->CTSHolding());
}

TEST_F(CommTick, LineErrorsAreReportedWithTheLatestMask)
{
    openAt115200();
    std::vector<uint32_t> errors;
    comm->OnReceiveError = [&](TComm*, uint32_t mask) { errors.push_back(mask); };
    device->errorMask = ErrorFraming | ErrorParity;
    comm->ProcTimer();
    EXPECT_EQ(errors, std::vector<uint32_t>{0x0C});
    EXPECT_EQ(comm->CommError(), 0x0Cu);

    // A read inside the receive handler queries again and replaces the mask.
    errors.clear();
    comm->OnReceiveData = [&](TComm* sender) {
        device->errorMask = ErrorOverrun;
        sender->ReadInputByte();
    };
    device->queue({1});
    device->errorMask = ErrorBreak;
    comm->ProcTimer();
    EXPECT_EQ(errors, std::vector<uint32_t>{ErrorOverrun});
}

TEST_F(CommTick, ClosedComponentPollsNothing)
{
    int events = 0;
    comm->OnReceiveData = [&](TComm*) { ++events; };
    comm->SetRThreshold(1);
    device->queue({1});
    comm->ProcTimer();
    EXPECT_EQ(events, 0);
    EXPECT_TRUE(messages.isEmpty());
}

// Closing the port is a normal action wherever it happens during a tick:
// the steps after it end quietly instead of reporting a closed port.
TEST_F(CommTick, PortClosedDuringTheTickEndsItWithoutAMessage)
{
    openAt115200();
    comm->OnReceiveData = [&](TComm* sender) { sender->SetPortOpen(false); };
    device->queue({1});
    device->modemLines = ModemRingOn;
    comm->ProcTimer();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_FALSE(comm->pollTimerActive());

    // A click on "DisConnect" waiting in the queue is handled in the tick's
    // message processing, after the receive step.
    openAt115200();
    int modemEvents = 0;
    comm->OnModemStateChange = [&](TComm*, uint32_t) { ++modemEvents; };
    comm->OnReceiveData = [&](TComm* sender) {
        sender->ReadInputByte();
        QMetaObject::invokeMethod(
            sender, [sender] { sender->SetPortOpen(false); }, Qt::QueuedConnection);
    };
    device->queue({2});
    device->modemLines = 0;
    comm->ProcTimer();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(modemEvents, 0);
    EXPECT_FALSE(comm->PortOpen());

    // Misuse still gets its message.
    comm->SetPortOpen(false);
    comm->OutputByte(QByteArray("x"));
    EXPECT_FALSE(messages.isEmpty());
}

TEST_F(CommTick, HandlerThatDestroysTheComponentEndsTheTick)
{
    openAt115200();
    comm->OnReceiveData = [&](TComm*) { comm.reset(); };
    device->queue({1});
    device->modemLines = ModemRingOn;
    serial::TComm* raw = comm.get();
    raw->ProcTimer();
    EXPECT_EQ(comm, nullptr);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CommTick, VanishedDeviceIsClosedAndReportedOnce)
{
    openAt115200();
    int lost = 0;
    int received = 0;
    comm->OnDeviceLost = [&](TComm* sender) {
        EXPECT_FALSE(sender->PortOpen());
        ++lost;
    };
    comm->OnReceiveData = [&](TComm*) { ++received; };
    device->queue({1, 2});
    device->failing.insert(Op::ClearError);
    comm->ProcTimer();
    comm->ProcTimer();
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(received, 0) << "no event from a count the query did not give";
    EXPECT_FALSE(comm->PortOpen());
    EXPECT_FALSE(comm->pollTimerActive());
    EXPECT_FALSE(device->open);
    EXPECT_TRUE(messages.isEmpty());

    // The device is back: the next open works as usual.
    device->failing.clear();
    comm->SetPortOpen(true);
    EXPECT_TRUE(comm->PortOpen());
    device->queue({3});
    comm->ProcTimer();
    EXPECT_EQ(received, 1);
    EXPECT_EQ(lost, 1);
}

TEST_F(CommTick, DeviceVanishingDuringTheHandlersReadEndsTheTickQuietly)
{
    openAt115200();
    int lost = 0;
    QByteArray got = "previous";
    comm->OnDeviceLost = [&](TComm*) { ++lost; };
    comm->OnReceiveData = [&](TComm* sender) {
        device->failing.insert(Op::ClearError);
        got = sender->ReadInputByte();
    };
    device->queue({1});
    comm->ProcTimer();
    EXPECT_EQ(lost, 1);
    EXPECT_TRUE(got.isEmpty()) << "the previous input, empty here, not the waiting byte";
    EXPECT_TRUE(messages.isEmpty());
}
