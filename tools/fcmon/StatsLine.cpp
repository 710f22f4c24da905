#include "StatsLine.h"

#include <cmath>
#include <cstdio>

std::string statsLine(double seconds, const protocol::LinkRates& rates, uint64_t skippedSoFar)
{
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.3f\tbytes/s=%.0f\tskipped/s=%.0f\tskipped=%llu", seconds,
        rates.bytesPerSecond, rates.skippedPerSecond, static_cast<unsigned long long>(skippedSoFar));
    std::string line = buffer;
    for (size_t i = 0; i < rates.framesPerSecond.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "\t%02X/s=%.0f", static_cast<unsigned>(protocol::kFirstFrameType + i),
            rates.framesPerSecond[i]);
        line += buffer;
    }
    return line + '\n';
}
