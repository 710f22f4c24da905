#pragma once

#include "recording/RecordingOutput.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Keeps what is written; refuses writes once `capacity` bytes are stored,
// as a full disk does.
class MemoryOutput : public recording::RecordingOutput {
public:
    explicit MemoryOutput(size_t capacity = SIZE_MAX)
        : m_capacity(capacity)
    {
    }

    bool write(std::span<const uint8_t> bytes) override
    {
        ++writes;
        if (bytes.size() > m_capacity - data.size()) {
            data.insert(data.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(m_capacity - data.size()));
            return false;
        }
        data.insert(data.end(), bytes.begin(), bytes.end());
        return true;
    }
    bool sync() override
    {
        ++syncs;
        return true;
    }
    std::string error() const override { return "cannot write memory: No space left on device"; }

    std::vector<uint8_t> data;
    int writes = 0;
    int syncs = 0;

private:
    size_t m_capacity;
};
