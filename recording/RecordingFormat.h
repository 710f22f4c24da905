#pragma once

// The layout of a telemetry recording: raw received bytes in timed chunks,
// so a replay goes through the same decoder and a later decoder can re-read
// old recordings. All integers are little-endian.
//
//   header, 18 bytes:
//     0  8  magic 89 46 43 52 45 43 0D 0A ("\x89FCREC\r\n"; the high byte and
//           the CR LF catch 7-bit and text-mode copies)
//     8  2  version (1)
//    10  8  wall-clock start, microseconds since 1970-01-01 UTC (0: unknown)
//   then chunks, each:
//     0  1  kind: 1 received bytes, 2 a new connection
//     1  8  time, microseconds since the recording's start; never less than
//           the previous chunk's
//     9  4  payload length, at most kMaxPayload
//    13  n  payload: the bytes as received, or the connection's device name
//  13+n  4  CRC-32 of everything from the kind byte to the payload's end
//
// Chunks are only ever appended, so a file cut short anywhere still reads
// up to the last whole chunk.

#include <array>
#include <cstddef>
#include <cstdint>

namespace recording {

inline constexpr std::array<uint8_t, 8> kMagic = {0x89, 'F', 'C', 'R', 'E', 'C', '\r', '\n'};
inline constexpr uint16_t kVersion = 1;
inline constexpr size_t kHeaderSize = 18;
inline constexpr size_t kChunkHeadSize = 13;
inline constexpr size_t kChunkTailSize = 4;
inline constexpr uint32_t kMaxPayload = 65536;

enum class ChunkKind : uint8_t {
    Received = 1,
    Connection = 2,
};

} // namespace recording
