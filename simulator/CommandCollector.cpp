#include "simulator/CommandCollector.h"

#include <algorithm>

namespace simulator {

void CommandCollector::feed(const uint8_t* data, size_t size, const Handler& handler)
{
    for (size_t i = 0; i < size; ++i) {
        const uint8_t byte = data[i];
        // A frame starts at a header byte; anything else between frames is
        // line noise.
        if (m_command.empty() && byte != protocol::kParameterHeader && byte != protocol::kLimitHeader)
            continue;
        m_command.push_back(byte);
        if (m_command.size() < protocol::kCommandSize)
            continue;
        protocol::CommandBytes bytes;
        std::copy_n(m_command.begin(), protocol::kCommandSize, bytes.begin());
        m_command.clear();
        handler(bytes);
    }
}

} // namespace simulator
