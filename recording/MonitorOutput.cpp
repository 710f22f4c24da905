#include "recording/MonitorOutput.h"

#include <cstdio>

void MonitorOutput::appendSeconds(std::string& text, uint64_t timeUs)
{
    char buffer[32];
    const int size = std::snprintf(buffer, sizeof buffer, "%llu.%06llu", static_cast<unsigned long long>(timeUs / 1000000),
        static_cast<unsigned long long>(timeUs % 1000000));
    text.append(buffer, static_cast<size_t>(size));
}
