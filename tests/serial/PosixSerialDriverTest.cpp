#include "serial/PosixSerialDriver.h"
#include "simulator/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <numeric>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace serial;

namespace {

constexpr int kWaitMs = 5000;

std::vector<uint8_t> counting(size_t size)
{
    std::vector<uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), uint8_t(0));
    return bytes;
}

// Whether an open of the device by a user without the superuser's
// privilege gets through; the exclusive mode only stops those.
bool plainUserCanOpen(const std::string& path)
{
    if (::geteuid() != 0) {
        const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        return fd >= 0;
    }
    ::chmod(path.c_str(), 0666);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        ::_exit(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK) >= 0 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "could not become a plain user";
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The driver on the client end of a pseudo-terminal; the test holds the
// far end.
class PosixDriver : public ::testing::Test {
protected:
    PosixDriver()
        : farEnd(std::make_unique<simulator::PseudoTerminal>())
    {
    }

    void open()
    {
        ASSERT_TRUE(driver.open(farEnd->slavePath()).ok());
        ASSERT_TRUE(driver.setupQueues(256, 256));
    }

    // Sends the bytes from the far end while reading them as the poll
    // tick does; fails on a read past the queue size.
    std::vector<uint8_t> sendAndReceive(const std::vector<uint8_t>& bytes)
    {
        std::vector<uint8_t> received;
        size_t sent = 0;
        uint8_t buffer[4096];
        while (received.size() < bytes.size()) {
            sent += farEnd->write(bytes.data() + sent, bytes.size() - sent);
            CommStatus status;
            EXPECT_TRUE(driver.clearError(status));
            EXPECT_LE(status.bytesWaiting, 256u);
            if (status.bytesWaiting == 0 && !farEnd->waitClientReadable(kWaitMs))
                break;
            uint32_t got = 0;
            EXPECT_TRUE(driver.read(buffer, sizeof buffer, got));
            EXPECT_LE(got, 256u);
            received.insert(received.end(), buffer, buffer + got);
        }
        return received;
    }

    std::unique_ptr<simulator::PseudoTerminal> farEnd;
    PosixSerialDriver driver;
};

} // namespace

TEST_F(PosixDriver, SettingsRoundTripThroughTheDeviceAndUnknownRatesAreRefused)
{
    open();
    LineSettings settings;
    ASSERT_TRUE(driver.getState(settings));
    settings.baudRate = 115200;
    settings.byteSize = 8;
    settings.parity = 0;
    settings.stopBits = 0;
    ASSERT_TRUE(driver.setState(settings));
    LineSettings read;
    ASSERT_TRUE(driver.getState(read));
    EXPECT_EQ(read, settings);

    LineSettings odd = settings;
    odd.baudRate = 115201;
    EXPECT_FALSE(driver.setState(odd));
    odd.baudRate = 9600;
    odd.byteSize = 9;
    EXPECT_FALSE(driver.setState(odd));
    ASSERT_TRUE(driver.getState(read));
    EXPECT_EQ(read, settings) << "a refused state leaves the device as it was";

    driver.close();
    EXPECT_FALSE(driver.getState(read));
    EXPECT_FALSE(driver.setState(settings));
}

TEST_F(PosixDriver, ReadsTheFarEndsBytesInOrderInPiecesOfTheQueueSize)
{
    open();
    CommStatus status;
    ASSERT_TRUE(driver.clearError(status));
    EXPECT_EQ(status.bytesWaiting, 0u);
    EXPECT_EQ(status.errors, 0u) << "a pseudo-terminal counts no line errors";
    uint8_t byte = 0;
    uint32_t got = 1;
    EXPECT_TRUE(driver.read(&byte, 1, got)) << "nothing waiting is not a failure";
    EXPECT_EQ(got, 0u);

    EXPECT_EQ(sendAndReceive({1, 2, 3}), (std::vector<uint8_t>{1, 2, 3}));
    const std::vector<uint8_t> burst = counting(20000);
    EXPECT_EQ(sendAndReceive(burst), burst);
}

TEST_F(PosixDriver, PurgeDropsWhatWaits)
{
    open();
    const std::vector<uint8_t> bytes = counting(100);
    ASSERT_EQ(farEnd->write(bytes.data(), bytes.size()), bytes.size());
    ASSERT_TRUE(farEnd->waitClientReadable(kWaitMs));
    EXPECT_TRUE(driver.purge(PurgeRxAbort | PurgeRxClear));
    CommStatus status;
    ASSERT_TRUE(driver.clearError(status));
    EXPECT_EQ(status.bytesWaiting, 0u);
}

TEST_F(PosixDriver, WritesArriveAtTheFarEndAndAFullQueueReportsWhatWentOut)
{
    open();
    const std::vector<uint8_t> bytes = counting(1000);
    uint32_t written = 0;
    ASSERT_TRUE(driver.write(bytes.data(), static_cast<uint32_t>(bytes.size()), written));
    EXPECT_EQ(written, bytes.size());
    std::vector<uint8_t> arrived;
    uint8_t buffer[4096];
    while (arrived.size() < bytes.size() && farEnd->waitReadable(kWaitMs)) {
        const size_t got = farEnd->read(buffer, sizeof buffer);
        arrived.insert(arrived.end(), buffer, buffer + got);
    }
    EXPECT_EQ(arrived, bytes);

    // More than the queues hold, to a far end that keeps reading: the
    // write waits for room and delivers all of it.
    const std::vector<uint8_t> flood = counting(1 << 18);
    std::vector<uint8_t> drained;
    std::thread reader([&] {
        while (drained.size() < flood.size() && farEnd->waitReadable(kWaitMs)) {
            const size_t got = farEnd->read(buffer, sizeof buffer);
            drained.insert(drained.end(), buffer, buffer + got);
        }
    });
    const bool flooded = driver.write(flood.data(), static_cast<uint32_t>(flood.size()), written);
    reader.join();
    EXPECT_TRUE(flooded);
    EXPECT_EQ(written, flood.size());
    EXPECT_EQ(drained, flood);

    // The far end stops reading: the write gives up after a short wait and
    // says how much went out, rather than hold up its caller.
    ASSERT_TRUE(driver.write(flood.data(), static_cast<uint32_t>(flood.size()), written));
    EXPECT_GT(written, 0u);
    EXPECT_LT(written, flood.size());
}

TEST_F(PosixDriver, ClosingTheFarEndLosesTheDeviceButAnIdleFarEndDoesNot)
{
    open();
    CommStatus status;
    for (int tick = 0; tick < 3; ++tick)
        EXPECT_TRUE(driver.clearError(status)) << "idle is not gone";

    farEnd.reset();
    EXPECT_FALSE(driver.clearError(status));
    EXPECT_FALSE(driver.clearError(status)) << "stays lost";
    uint8_t byte = 0x55;
    uint32_t count = 0;
    EXPECT_FALSE(driver.read(&byte, 1, count));
    EXPECT_FALSE(driver.write(&byte, 1, count));
    uint32_t lines = 0;
    EXPECT_FALSE(driver.modemStatus(lines));
}

TEST_F(PosixDriver, OpenRefusalsSayWhy)
{
    EXPECT_EQ(driver.open("/dev/fct-no-such-device").error, OpenError::NotFound);

    char file[] = "/tmp/fct-posix-driver-XXXXXX";
    const int fd = ::mkstemp(file);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const OpenResult notATerminal = driver.open(file);
    ::unlink(file);
    EXPECT_EQ(notATerminal.error, OpenError::NotSerialPort);
    EXPECT_FALSE(notATerminal.detail.empty());
    CommStatus status;
    EXPECT_FALSE(driver.clearError(status)) << "a refused open leaves the driver closed";
}

TEST_F(PosixDriver, TheDeviceIsNotSharedWhileOpen)
{
    ASSERT_TRUE(plainUserCanOpen(farEnd->slavePath()));
    open();
    PosixSerialDriver second;
    EXPECT_EQ(second.open(farEnd->slavePath()).error, OpenError::InUse);
    EXPECT_FALSE(plainUserCanOpen(farEnd->slavePath()));

    driver.close();
    EXPECT_TRUE(plainUserCanOpen(farEnd->slavePath())) << "closing leaves the device open to all again";
    EXPECT_TRUE(second.open(farEnd->slavePath()).ok());
}

TEST_F(PosixDriver, ModemLinesAPseudoTerminalLacksAreAskedForOnce)
{
    open();
    uint32_t lines = 0;
    errno = 0;
    EXPECT_FALSE(driver.modemStatus(lines));
    EXPECT_NE(errno, 0) << "the first query asks the device";
    errno = 0;
    EXPECT_FALSE(driver.modemStatus(lines));
    EXPECT_EQ(errno, 0) << "a refused query is not asked again";
    EXPECT_FALSE(driver.escape(EscapeFunction::SetDtr));
    CommStatus status;
    EXPECT_TRUE(driver.clearError(status)) << "a device without modem lines is not gone";

    driver.close();
    open();
    errno = 0;
    EXPECT_FALSE(driver.modemStatus(lines));
    EXPECT_NE(errno, 0) << "another device, or the same opened again, is asked afresh";
}
