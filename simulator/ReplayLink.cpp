#include "simulator/ReplayLink.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

namespace simulator {
namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kBlockSize = 1 << 16;
// Keep this much of the file read ahead.
constexpr size_t kReadAhead = 64;
// A client that does not read loses what does not fit, as on a wire.
constexpr size_t kMaxPending = 1 << 16;
constexpr int kTickMs = 5;
// The client purges its input right after opening; serving starts after.
constexpr auto kSettle = std::chrono::milliseconds(250);
// At the end, the client gets at least the first and at most the second to
// read what is still queued: the terminal hands written bytes on a moment
// later, so an empty queue alone does not prove they were read.
constexpr auto kDrainLeast = std::chrono::milliseconds(200);
constexpr auto kDrainTime = std::chrono::seconds(2);

} // namespace

void ReplayLink::Queue::received(uint64_t timeUs, std::span<const uint8_t> bytes)
{
    chunks.push_back({timeUs, std::vector<uint8_t>(bytes.begin(), bytes.end())});
}

ReplayLink::ReplayLink(Options options)
    : m_options(std::move(options))
    , m_parser(std::make_unique<recording::RecordingParser>(m_queue))
{
    m_file = std::fopen(m_options.path.c_str(), "rb");
    if (!m_file)
        throw std::runtime_error("cannot open " + m_options.path + ": " + std::strerror(errno));
    // A foreign file, or one with nothing to serve, is refused before
    // anyone connects; one damaged further on is served up to the damage.
    readBlock();
    if (m_problem && m_queue.chunks.empty())
        throw std::runtime_error(*m_problem);
    m_terminal.watchForClients();
}

ReplayLink::~ReplayLink()
{
    if (m_file)
        std::fclose(m_file);
}

void ReplayLink::run()
{
    if (!waitForClient())
        return;
    const auto start = Clock::now();
    while (!m_stopping) {
        const double elapsedUs = std::chrono::duration<double, std::micro>(Clock::now() - start).count() * m_options.speed;
        const Chunk* next = nextChunk();
        while (next && static_cast<double>(m_passStartUs + next->timeUs) <= elapsedUs) {
            if (m_pending.size() + next->bytes.size() <= kMaxPending)
                m_pending.insert(m_pending.end(), next->bytes.begin(), next->bytes.end());
            m_lastTimeUs = next->timeUs;
            m_servedThisPass = true;
            m_queue.chunks.pop_front();
            next = nextChunk();
        }
        writePending();
        if (!next)
            break;
        const double waitUs = (static_cast<double>(m_passStartUs + next->timeUs) - elapsedUs) / m_options.speed;
        const int waitMs = std::clamp(static_cast<int>(waitUs / 1000), 0, kTickMs);
        if (m_terminal.waitReadable(waitMs))
            receiveCommands();
    }
    drain();
}

bool ReplayLink::waitForClient()
{
    while (!m_stopping && !m_terminal.waitForClient(100)) {
    }
    const auto settled = Clock::now() + kSettle;
    while (!m_stopping && Clock::now() < settled) {
        if (m_terminal.waitReadable(kTickMs))
            receiveCommands();
    }
    return !m_stopping;
}

const ReplayLink::Chunk* ReplayLink::nextChunk()
{
    while (m_queue.chunks.size() < kReadAhead) {
        if (!readBlock() && !rewind())
            break;
    }
    return m_queue.chunks.empty() ? nullptr : &m_queue.chunks.front();
}

bool ReplayLink::readBlock()
{
    if (m_problem)
        return false;
    uint8_t block[kBlockSize];
    const size_t got = std::fread(block, 1, sizeof block, m_file);
    if (got > 0) {
        if (m_parser->feed(std::span<const uint8_t>(block, got)))
            return true;
    } else if (std::ferror(m_file)) {
        m_problem = "cannot read " + m_options.path + ": " + std::strerror(errno);
        return false;
    } else if (m_parser->finish()) {
        return false;
    }
    m_problem = m_options.path + ": " + m_parser->problem()->describe();
    return false;
}

bool ReplayLink::rewind()
{
    // Only a whole pass that served something starts again.
    if (!m_options.loop || m_problem || !m_servedThisPass || !m_queue.chunks.empty())
        return false;
    std::rewind(m_file);
    m_parser = std::make_unique<recording::RecordingParser>(m_queue);
    m_passStartUs += m_lastTimeUs;
    m_lastTimeUs = 0;
    m_servedThisPass = false;
    return true;
}

void ReplayLink::writePending()
{
    if (m_pending.empty())
        return;
    const size_t written = m_terminal.write(m_pending.data(), m_pending.size());
    m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(written));
}

void ReplayLink::receiveCommands()
{
    uint8_t buffer[256];
    const size_t got = m_terminal.read(buffer, sizeof buffer);
    m_commands.feed(buffer, got, [this](const protocol::CommandBytes& bytes) {
        if (onCommand)
            onCommand(bytes);
    });
}

void ReplayLink::drain()
{
    const auto start = Clock::now();
    const auto waiting = [&] {
        const auto now = Clock::now();
        return now < start + kDrainLeast
            || (now < start + kDrainTime && (!m_pending.empty() || m_terminal.unreadBytes() > 0));
    };
    while (!m_stopping && waiting()) {
        writePending();
        if (m_terminal.waitReadable(kTickMs))
            receiveCommands();
    }
}

} // namespace simulator
