#pragma once

#include "protocol/LinkCounters.h"
#include "protocol/TelemetryFrame.h"
#include "protocol/TelemetrySink.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace protocol {

// Degrees to radians for the instruments, held in single precision as the
// instruments have always received it.
inline constexpr float kAngleFactor = 3.1415f / 180.0f;

// The 9-byte sliding window fed byte by byte. Whenever header and trailer
// stand at its two ends the frame is decoded and reported to the sink. The
// window is never cleared, so 0x55 and 0xBB eight places apart inside
// payloads also count as a frame, and a frame split across reads completes
// when its last byte arrives.
class TelemetryDecoder {
public:
    explicit TelemetryDecoder(TelemetrySink& sink, char decimalSeparator = '.');

    void feed(uint8_t byte);
    void feed(std::span<const uint8_t> bytes);

    char decimalSeparator() const { return m_separator; }
    const LinkCounters& counters() const { return m_counters; }

private:
    void decode();
    void countFrame(uint8_t type);

    TelemetrySink& m_sink;
    char m_separator;
    std::array<uint8_t, kFrameSize> m_window{};
    LinkCounters m_counters;
    // Bytes up to the end of the last frame; those after it may still turn
    // out to start one.
    uint64_t m_framedUpTo = 0;
};

} // namespace protocol
