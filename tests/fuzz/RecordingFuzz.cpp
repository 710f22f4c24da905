// Feeds arbitrary bytes to the recording reader in pieces whose sizes come
// from the input, and checks that it stops cleanly where it says.

#include "recording/RecordingParser.h"

#include <cstdlib>

namespace {

class CheckingHandler : public recording::RecordingParser::Handler {
public:
    void connection(uint64_t timeUs, std::string_view device) override { check(timeUs, device.size()); }
    void received(uint64_t timeUs, std::span<const uint8_t> bytes) override { check(timeUs, bytes.size()); }

    size_t m_payload = 0;

private:
    void check(uint64_t timeUs, size_t size)
    {
        if (timeUs < m_lastTime || size > recording::kMaxPayload)
            std::abort();
        m_lastTime = timeUs;
        m_payload += size;
    }

    uint64_t m_lastTime = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    CheckingHandler handler;
    recording::RecordingParser parser(handler);
    const size_t piece = 1 + data[0] % 64;
    const std::span<const uint8_t> input(data + 1, size - 1);
    for (size_t at = 0; at < input.size(); at += piece)
        if (!parser.feed(input.subspan(at, std::min(piece, input.size() - at))))
            break;
    const bool whole = parser.finish();
    // What was accepted lies inside the input, and a clean end accepted all.
    if (parser.offset() > input.size() || handler.m_payload > input.size())
        std::abort();
    if (whole != !parser.problem() || (whole && parser.offset() != input.size()))
        std::abort();
    if (parser.problem() && parser.problem()->offset > input.size())
        std::abort();
    return 0;
}
