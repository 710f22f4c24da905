#pragma once

#include <cstdint>
#include <span>

namespace recording {

// The common CRC-32 (reflected polynomial 0xEDB88320, as zip and PNG use),
// continued from `crc` so a chunk can be summed in pieces.
uint32_t crc32(std::span<const uint8_t> bytes, uint32_t crc = 0);

} // namespace recording
