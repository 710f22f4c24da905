#pragma once

#include "recording/RecordingParser.h"

#include <string>
#include <vector>

// Writes down every chunk the parser reports, one line each.
class CollectingHandler : public recording::RecordingParser::Handler {
public:
    void started(uint16_t version, uint64_t startUnixUs) override
    {
        events.push_back("start v" + std::to_string(version) + " " + std::to_string(startUnixUs));
    }
    void connection(uint64_t timeUs, std::string_view device) override
    {
        events.push_back(std::to_string(timeUs) + " connection " + std::string(device));
    }
    void received(uint64_t timeUs, std::span<const uint8_t> bytes) override
    {
        std::string line = std::to_string(timeUs) + " received";
        for (uint8_t byte : bytes)
            line += " " + std::to_string(byte);
        events.push_back(line);
        receivedBytes += bytes.size();
    }

    std::vector<std::string> events;
    size_t receivedBytes = 0;
};
