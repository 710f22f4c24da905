#pragma once

#include "recording/RecordingFormat.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace recording {

// Where and why reading a recording stopped.
struct ReadProblem {
    uint64_t offset = 0;    // byte of the file where the bad part starts
    std::string message;    // what is wrong there

    // "reading stopped at byte N: message"
    std::string describe() const;
};

// Reads a recording fed in pieces of any size and reports each whole chunk
// as soon as it is complete. The first bad byte ends the reading with a
// problem; everything before it has been reported by then.
class RecordingParser {
public:
    class Handler {
    public:
        virtual ~Handler() = default;
        virtual void started(uint16_t /*version*/, uint64_t /*startUnixUs*/) {}
        virtual void connection(uint64_t /*timeUs*/, std::string_view /*device*/) {}
        virtual void received(uint64_t /*timeUs*/, std::span<const uint8_t> /*bytes*/) {}
    };

    explicit RecordingParser(Handler& handler);

    // False once the recording was found bad (problem() says where).
    bool feed(std::span<const uint8_t> bytes);
    // The input ended: a file cut inside the header or a chunk is a problem.
    bool finish();

    const std::optional<ReadProblem>& problem() const { return m_problem; }
    // Bytes read and accepted so far.
    uint64_t offset() const { return m_offset; }

private:
    // Takes one header or chunk from the front of m_pending; 0 when it is
    // not complete yet or bad.
    size_t parseHeader(std::span<const uint8_t> bytes);
    size_t parseChunk(std::span<const uint8_t> bytes);
    bool stop(uint64_t offset, std::string message);

    Handler& m_handler;
    std::vector<uint8_t> m_pending;
    uint64_t m_offset = 0;
    uint64_t m_lastTimeUs = 0;
    bool m_headerRead = false;
    std::optional<ReadProblem> m_problem;
};

// Whether a file starting with these bytes is a recording (or the start of
// one), as opposed to a raw capture of the link.
bool startsLikeRecording(std::span<const uint8_t> start);

} // namespace recording
