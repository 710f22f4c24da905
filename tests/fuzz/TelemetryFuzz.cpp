// Feeds arbitrary bytes to the telemetry decoder, split into reads at
// positions taken from the input, and checks what it reports.

#include "protocol/NumberFormat.h"
#include "protocol/TelemetryDecoder.h"

#include <cstdlib>

namespace {

class CheckingSink : public protocol::TelemetrySink {
public:
    void frameStarted(uint8_t type) override
    {
        if (m_open || type < protocol::kFirstFrameType || type > protocol::kLastFrameType)
            std::abort();
        m_open = true;
    }
    void fieldChanged(protocol::TelemetryField field, std::string_view text) override
    {
        if (!m_open || text.empty())
            std::abort();
        // Every number the decoder writes must read back.
        if (field != protocol::TelemetryField::Receiver && !protocol::parseNumber(text, m_separator))
            std::abort();
    }
    void airframeChanged(int index) override
    {
        if (index < 0 || index > 6)
            std::abort();
    }
    void frameFinished(uint8_t) override
    {
        if (!m_open)
            std::abort();
        m_open = false;
    }

    char m_separator = '.';

private:
    bool m_open = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    CheckingSink sink;
    sink.m_separator = data[0] & 1 ? ',' : '.';
    protocol::TelemetryDecoder decoder(sink, sink.m_separator);
    size_t position = 1;
    while (position < size) {
        const size_t chunk = 1 + data[position] % 16;
        const size_t end = position + chunk < size ? position + chunk : size;
        decoder.feed(std::span<const uint8_t>(data + position, end - position));
        position = end;
    }
    return 0;
}
