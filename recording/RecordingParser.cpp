#include "recording/RecordingParser.h"

#include "recording/Crc32.h"

#include <algorithm>

namespace recording {
namespace {

uint64_t get(std::span<const uint8_t> bytes, size_t at, int size)
{
    uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<size_t>(i)];
    return value;
}

} // namespace

std::string ReadProblem::describe() const
{
    return "reading stopped at byte " + std::to_string(offset) + ": " + message;
}

bool startsLikeRecording(std::span<const uint8_t> start)
{
    const size_t size = std::min(start.size(), kMagic.size());
    return size > 0 && std::equal(start.begin(), start.begin() + static_cast<std::ptrdiff_t>(size), kMagic.begin());
}

RecordingParser::RecordingParser(Handler& handler)
    : m_handler(handler)
{
}

bool RecordingParser::feed(std::span<const uint8_t> bytes)
{
    if (m_problem)
        return false;
    // Whole chunks straight from the caller's bytes; only a piece cut at
    // the end of this feed is kept for the next.
    std::span<const uint8_t> input = bytes;
    if (!m_pending.empty()) {
        m_pending.insert(m_pending.end(), bytes.begin(), bytes.end());
        input = m_pending;
    }
    size_t used = 0;
    while (used < input.size()) {
        const auto rest = input.subspan(used);
        const size_t taken = m_headerRead ? parseChunk(rest) : parseHeader(rest);
        if (m_problem)
            return false;
        if (taken == 0)
            break;
        used += taken;
        m_offset += taken;
    }
    if (input.data() == m_pending.data()) {
        m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(used));
    } else {
        m_pending.assign(input.begin() + static_cast<std::ptrdiff_t>(used), input.end());
    }
    return true;
}

bool RecordingParser::finish()
{
    if (m_problem)
        return false;
    if (!m_headerRead)
        return stop(0, m_pending.empty() ? "the file is empty, not a recording"
                                         : "the file ends inside the recording's header");
    if (!m_pending.empty())
        return stop(m_offset, "the file ends inside a chunk (cut short after " + std::to_string(m_pending.size())
                + " of its bytes)");
    return true;
}

size_t RecordingParser::parseHeader(std::span<const uint8_t> bytes)
{
    if (!startsLikeRecording(bytes))
        return stop(0, "not a recording (it does not start with the recording mark)");
    if (bytes.size() < kHeaderSize)
        return 0;
    const auto version = static_cast<uint16_t>(get(bytes, 8, 2));
    if (version == 0)
        return stop(8, "unknown recording version 0 (damaged file)");
    if (version > kVersion)
        return stop(8, "recording version " + std::to_string(version) + " is newer than this program reads (up to "
                + std::to_string(kVersion) + ")");
    m_headerRead = true;
    m_handler.started(version, get(bytes, 10, 8));
    return kHeaderSize;
}

size_t RecordingParser::parseChunk(std::span<const uint8_t> bytes)
{
    const uint8_t kind = bytes[0];
    if (kind != static_cast<uint8_t>(ChunkKind::Received) && kind != static_cast<uint8_t>(ChunkKind::Connection))
        return stop(m_offset, "unknown chunk kind " + std::to_string(kind) + " (damaged file)");
    if (bytes.size() < kChunkHeadSize)
        return 0;
    const uint64_t length = get(bytes, 9, 4);
    if (length > kMaxPayload)
        return stop(m_offset, "a chunk of " + std::to_string(length) + " bytes is longer than any recorder writes (damaged file)");
    const size_t total = kChunkHeadSize + static_cast<size_t>(length) + kChunkTailSize;
    if (bytes.size() < total)
        return 0;
    const auto body = bytes.first(total - kChunkTailSize);
    if (crc32(body) != get(bytes, body.size(), 4))
        return stop(m_offset, "chunk checksum does not match (damaged file)");
    const uint64_t time = get(bytes, 1, 8);
    if (time < m_lastTimeUs)
        return stop(m_offset, "chunk time goes back (damaged file)");
    m_lastTimeUs = time;
    const auto payload = body.subspan(kChunkHeadSize);
    if (kind == static_cast<uint8_t>(ChunkKind::Connection))
        m_handler.connection(time, std::string_view(reinterpret_cast<const char*>(payload.data()), payload.size()));
    else
        m_handler.received(time, payload);
    return total;
}

bool RecordingParser::stop(uint64_t offset, std::string message)
{
    m_problem = ReadProblem{offset, std::move(message)};
    return false;
}

} // namespace recording
