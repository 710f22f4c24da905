#pragma once

#include "protocol/CommandFrame.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace simulator {

// Gathers the command frames a client writes, across reads of any size.
class CommandCollector {
public:
    using Handler = std::function<void(const protocol::CommandBytes&)>;

    // Calls `handler` for every command frame completed by these bytes.
    void feed(const uint8_t* data, size_t size, const Handler& handler);

private:
    std::vector<uint8_t> m_command;
};

} // namespace simulator
