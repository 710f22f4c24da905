#include "protocol/LinkCounters.h"

namespace protocol {

LinkRates ratesBetween(const LinkCounters& earlier, const LinkCounters& later, double seconds)
{
    LinkRates rates;
    if (!(seconds > 0))
        return rates;
    const auto rate = [seconds](uint64_t from, uint64_t to) { return static_cast<double>(to - from) / seconds; };
    rates.bytesPerSecond = rate(earlier.bytes, later.bytes);
    rates.skippedPerSecond = rate(earlier.skippedBytes, later.skippedBytes);
    for (size_t i = 0; i < rates.framesPerSecond.size(); ++i)
        rates.framesPerSecond[i] = rate(earlier.frames[i], later.frames[i]);
    return rates;
}

} // namespace protocol
