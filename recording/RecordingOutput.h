#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace recording {

// Where a recording's bytes go: a file in the programs, something that
// fails on purpose in tests. Both calls return false on failure and leave
// the reason in error().
class RecordingOutput {
public:
    virtual ~RecordingOutput() = default;

    // Writes all the bytes or fails.
    virtual bool write(std::span<const uint8_t> bytes) = 0;
    // Makes what was written survive a crash of the system.
    virtual bool sync() = 0;
    virtual std::string error() const = 0;
};

} // namespace recording
