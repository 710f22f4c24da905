// fcsim's faults, read straight from its device: silence with the device
// open, and a noisy line.

#include "SimulatorProcess.h"

#include "protocol/TelemetryFrame.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Arrival {
    double seconds;
    size_t bytes;
};

// Everything the device delivers until it hangs up or limitMs pass, with
// the arrival times.
std::vector<uint8_t> readDevice(const QString& device, int limitMs, std::vector<Arrival>* arrivals = nullptr,
    bool* hungUp = nullptr)
{
    std::vector<uint8_t> received;
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return received;
    termios settings{};
    if (::tcgetattr(fd, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::tcsetattr(fd, TCSANOW, &settings);
    }
    const auto start = Clock::now();
    for (;;) {
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        if (elapsed * 1000 >= limitMs)
            break;
        pollfd wait{fd, POLLIN, 0};
        if (::poll(&wait, 1, 50) <= 0)
            continue;
        if (wait.revents & (POLLHUP | POLLERR)) {
            if (hungUp)
                *hungUp = true;
            break;
        }
        uint8_t buffer[4096];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
            continue;
        received.insert(received.end(), buffer, buffer + got);
        if (arrivals)
            arrivals->push_back({std::chrono::duration<double>(Clock::now() - start).count(), size_t(got)});
    }
    ::close(fd);
    return received;
}

// Share of the stream that stands in whole frames: header, a known type,
// trailer nine bytes on.
double wholeFrameShare(const std::vector<uint8_t>& bytes)
{
    size_t whole = 0;
    for (size_t i = 0; i + protocol::kFrameSize <= bytes.size(); ++i) {
        if (bytes[i] == protocol::kFrameHeader && bytes[i + 8] == protocol::kFrameTrailer
            && bytes[i + 1] >= protocol::kFirstFrameType && bytes[i + 1] <= protocol::kLastFrameType) {
            ++whole;
            i += protocol::kFrameSize - 1;
        }
    }
    return bytes.empty() ? 0 : double(whole * protocol::kFrameSize) / double(bytes.size());
}

TEST(SimulatorFaults, APauseKeepsTheDeviceOpenAndSilentThenTheStreamGoesOn)
{
    // Silent from 0.8 s to 1.8 s, sending again until the end at 2.6 s,
    // when the next pause would start.
    SimulatorProcess simulator({"--pause-after", "0.8", "--pause-for", "1.0", "--duration", "2.6"});
    ASSERT_TRUE(simulator.started());
    std::vector<Arrival> arrivals;
    const std::vector<uint8_t> received = readDevice(simulator.device(), 3000, &arrivals);
    ASSERT_GE(arrivals.size(), 2u);
    double longestGap = 0;
    double gapEnd = 0;
    for (size_t i = 1; i < arrivals.size(); ++i) {
        const double gap = arrivals[i].seconds - arrivals[i - 1].seconds;
        if (gap > longestGap) {
            longestGap = gap;
            gapEnd = arrivals[i].seconds;
        }
    }
    EXPECT_GT(longestGap, 0.8) << "a silence of about 1 s";
    EXPECT_LT(longestGap, 1.3);
    size_t after = 0;
    for (const Arrival& a : arrivals)
        after += a.seconds >= gapEnd ? a.bytes : 0;
    EXPECT_GT(after, 7000u) << "the stream goes on after the pause, at its rate (0.8 s of 11520 bytes a second)";
    EXPECT_GT(wholeFrameShare(received), 0.99) << "a pause garbles nothing";
}

bool exists(const QString& path)
{
    return ::access(path.toLocal8Bit().constData(), F_OK) == 0;
}

TEST(SimulatorFaults, ADropHangsUpTheDeviceWhichComesBackAtTheSamePath)
{
    // There 0.6 s, gone 0.6 s, twice over, then there until the end.
    SimulatorProcess simulator({"--drop-after", "0.6", "--drop-for", "0.6", "--duration", "3"});
    ASSERT_TRUE(simulator.started());
    const QString path = simulator.device();
    for (int cycle = 0; cycle < 2; ++cycle) {
        SCOPED_TRACE(cycle);
        ASSERT_TRUE(waitFor([&] { return exists(path); }, 2000)) << "the device is back at the same path";
        bool hungUp = false;
        const std::vector<uint8_t> received = readDevice(path, 2000, nullptr, &hungUp);
        EXPECT_TRUE(hungUp) << "a pulled cable ends the client's reading";
        EXPECT_FALSE(exists(path)) << "the path is gone while the device is";
        // Up to 0.6 s of 11520 bytes a second, less the moment the client
        // took to open it.
        EXPECT_GT(received.size(), 3000u);
        EXPECT_GT(wholeFrameShare(received), 0.99);
    }
    EXPECT_TRUE(waitFor([&] { return exists(path); }, 2000));
}

TEST(SimulatorFaults, GarbleSpoilsTheGivenShareOfBytes)
{
    // One after the other: each serves for a second from its start.
    SimulatorProcess clean({"--duration", "1"});
    ASSERT_TRUE(clean.started());
    const std::vector<uint8_t> cleanBytes = readDevice(clean.device(), 2000);
    SimulatorProcess noisy({"--garble", "0.05", "--duration", "1"});
    ASSERT_TRUE(noisy.started());
    const std::vector<uint8_t> noisyBytes = readDevice(noisy.device(), 2000);
    ASSERT_GT(cleanBytes.size(), 5000u);
    ASSERT_GT(noisyBytes.size(), 5000u);
    EXPECT_GT(wholeFrameShare(cleanBytes), 0.99);
    // Each byte is spoiled one time in twenty; a frame keeps its header,
    // type and trailer 0.95^3 = 86 % of the time.
    const double share = wholeFrameShare(noisyBytes);
    EXPECT_GT(share, 0.78);
    EXPECT_LT(share, 0.93);
}

} // namespace
