#pragma once

#include "protocol/TelemetrySink.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the monitor makes of decoded frames: text lines or CSV rows,
// collected in a buffer that the caller writes out and clears.
class MonitorOutput : public protocol::TelemetrySink {
public:
    // The arrival time of the bytes about to be decoded, in microseconds
    // since the recording's start; nothing for raw captures and ports.
    virtual void setTime(std::optional<uint64_t> timeUs) { m_time = timeUs; }
    // A recording's marker of a new connection.
    virtual void connection(uint64_t /*timeUs*/, std::string_view /*device*/) {}
    // The input ended.
    virtual void finish() {}

    std::string& output() { return m_output; }
    long long frames() const { return m_frames; }

protected:
    // "12.345678": seconds with all six decimals of the microseconds.
    static void appendSeconds(std::string& text, uint64_t timeUs);

    std::optional<uint64_t> m_time;
    std::string m_output;
    long long m_frames = 0;
};
