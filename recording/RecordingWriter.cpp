#include "recording/RecordingWriter.h"

#include "recording/Crc32.h"

#include <algorithm>

namespace recording {
namespace {

// More than this collected is written at once, whatever the time.
constexpr size_t kFlushBytes = 256 * 1024;

void put(std::vector<uint8_t>& buffer, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        buffer.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

} // namespace

RecordingWriter::RecordingWriter(RecordingOutput& output, uint64_t startUnixUs, Flush policy)
    : m_output(output)
    , m_flush(policy)
{
    m_buffer.reserve(kFlushBytes + kMaxPayload + kChunkHeadSize + kChunkTailSize);
    m_buffer.insert(m_buffer.end(), kMagic.begin(), kMagic.end());
    put(m_buffer, kVersion, 2);
    put(m_buffer, startUnixUs, 8);
    flush();
}

bool RecordingWriter::connection(uint64_t timeUs, std::string_view device)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(device.data());
    return append(ChunkKind::Connection, timeUs,
        std::span<const uint8_t>(bytes, std::min<size_t>(device.size(), kMaxPayload)));
}

bool RecordingWriter::received(uint64_t timeUs, std::span<const uint8_t> bytes)
{
    // A batch larger than a chunk may hold goes in several chunks of the
    // same time.
    do {
        const size_t size = std::min<size_t>(bytes.size(), kMaxPayload);
        if (size > 0 && !append(ChunkKind::Received, timeUs, bytes.first(size)))
            return false;
        bytes = bytes.subspan(size);
    } while (!bytes.empty());
    return !m_failed;
}

bool RecordingWriter::append(ChunkKind kind, uint64_t timeUs, std::span<const uint8_t> payload)
{
    if (m_failed)
        return false;
    // Readers refuse time going back; a clock that stepped back is held.
    timeUs = std::max(timeUs, m_lastTimeUs);
    m_lastTimeUs = timeUs;
    const size_t start = m_buffer.size();
    m_buffer.push_back(static_cast<uint8_t>(kind));
    put(m_buffer, timeUs, 8);
    put(m_buffer, payload.size(), 4);
    m_buffer.insert(m_buffer.end(), payload.begin(), payload.end());
    put(m_buffer, crc32(std::span<const uint8_t>(m_buffer).subspan(start)), 4);
    if (m_buffer.size() >= kFlushBytes)
        return flush();
    return flushIfDue(timeUs);
}

bool RecordingWriter::flushIfDue(uint64_t nowUs)
{
    if (m_failed)
        return false;
    if (m_flush == Flush::WhenFull || nowUs < m_lastFlushUs + kFlushIntervalUs)
        return true;
    m_lastFlushUs = nowUs;
    return flush();
}

bool RecordingWriter::flush()
{
    if (m_failed)
        return false;
    if (m_buffer.empty())
        return true;
    if (!m_output.write(m_buffer) || !m_output.sync())
        return fail();
    m_buffer.clear();
    return true;
}

bool RecordingWriter::fail()
{
    m_failed = true;
    m_error = m_output.error();
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    return false;
}

} // namespace recording
