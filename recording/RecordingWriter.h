#pragma once

#include "recording/RecordingFormat.h"
#include "recording/RecordingOutput.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace recording {

// Appends chunks to a recording. Chunks are collected in memory and handed
// to the output (then synced) once 0.9 s of recorded time have passed since
// the last write, and whenever flush() is called; with a timer calling
// flushIfDue every 100 ms a crash loses at most the last second.
// The first failure ends the recording: every later call returns false and
// error() says why.
class RecordingWriter {
public:
    static constexpr uint64_t kFlushIntervalUs = 900'000;

    // Live recordings reach the disk every second; a recording written
    // faster than real time (a generated one) only when the buffer is full.
    enum class Flush { EverySecond, WhenFull };

    // Writes the header at once, so a recording that cannot be written
    // fails before anything is received.
    RecordingWriter(RecordingOutput& output, uint64_t startUnixUs, Flush policy = Flush::EverySecond);

    // A new connection to `device` at `timeUs` (since the start).
    bool connection(uint64_t timeUs, std::string_view device);
    // Bytes received at `timeUs`; empty batches are not recorded.
    bool received(uint64_t timeUs, std::span<const uint8_t> bytes);
    // Writes what is collected once the last write is a second old; meant
    // for a timer, so a quiet link still gets its last bytes out.
    bool flushIfDue(uint64_t nowUs);
    bool flush();

    bool failed() const { return m_failed; }
    const std::string& error() const { return m_error; }

private:
    bool append(ChunkKind kind, uint64_t timeUs, std::span<const uint8_t> payload);
    bool fail();

    RecordingOutput& m_output;
    Flush m_flush;
    std::vector<uint8_t> m_buffer;
    uint64_t m_lastTimeUs = 0;
    uint64_t m_lastFlushUs = 0;
    bool m_failed = false;
    std::string m_error;
};

} // namespace recording
